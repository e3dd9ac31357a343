#pragma once
#include <string_view>

namespace qv {

// The desktop keys the game listens to. The windowed shell maps its
// keyboard to these; scripts name them.
enum class DesktopKey {
  kNone,
  kLeft,
  kRight,
  kUp,
  kDown,
  kReturn,
  kSpace,
  kQ,
  kW,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kDigit0,
  kDigit1,
  kDigit2,
  kDigit3,
  kDigit4,
  kDigit5,
  kDigit6,
  kDigit7,
  kDigit8,
  kDigit9,
};

// The virtual-key code a desktop key stands for (the handheld's codes:
// arrows, digits, Return, 'Q', 'W', the pad's action key, App1..App5); 0 for
// kNone.
int VirtualKeyOf(DesktopKey key);
// Parses a script name such as "Left", "Return", "F3" or "7"; kNone if unknown.
DesktopKey DesktopKeyFromName(std::string_view name);

}  // namespace qv
