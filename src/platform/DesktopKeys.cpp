#include "platform/DesktopKeys.h"

#include "platform/KeyMap.h"

namespace qv {
namespace {

struct KeyEntry {
  DesktopKey key;
  std::string_view name;
  int virtualKey;
};

constexpr KeyEntry kKeys[] = {
    {DesktopKey::kLeft, "Left", kVkLeft},
    {DesktopKey::kRight, "Right", kVkRight},
    {DesktopKey::kUp, "Up", kVkUp},
    {DesktopKey::kDown, "Down", kVkDown},
    {DesktopKey::kReturn, "Return", kVkReturn},
    {DesktopKey::kSpace, "Space", kVkAction},
    {DesktopKey::kQ, "Q", kVkQ},
    {DesktopKey::kW, "W", kVkW},
    {DesktopKey::kF1, "F1", kVkApp1},
    {DesktopKey::kF2, "F2", kVkApp1 + 1},
    {DesktopKey::kF3, "F3", kVkApp1 + 2},
    {DesktopKey::kF4, "F4", kVkApp1 + 3},
    {DesktopKey::kF5, "F5", kVkApp5},
    {DesktopKey::kDigit0, "0", kVkDigit0},
    {DesktopKey::kDigit1, "1", kVkDigit0 + 1},
    {DesktopKey::kDigit2, "2", kVkDigit0 + 2},
    {DesktopKey::kDigit3, "3", kVkDigit0 + 3},
    {DesktopKey::kDigit4, "4", kVkDigit0 + 4},
    {DesktopKey::kDigit5, "5", kVkDigit0 + 5},
    {DesktopKey::kDigit6, "6", kVkDigit0 + 6},
    {DesktopKey::kDigit7, "7", kVkDigit0 + 7},
    {DesktopKey::kDigit8, "8", kVkDigit0 + 8},
    {DesktopKey::kDigit9, "9", kVkDigit0 + 9},
};

}  // namespace

int VirtualKeyOf(DesktopKey key) {
  for (const KeyEntry& e : kKeys) {
    if (e.key == key) return e.virtualKey;
  }
  return 0;
}

DesktopKey DesktopKeyFromName(std::string_view name) {
  for (const KeyEntry& e : kKeys) {
    if (e.name == name) return e.key;
  }
  return DesktopKey::kNone;
}

}  // namespace qv
