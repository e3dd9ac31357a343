#pragma once

namespace qv {

// Codes the game sees for its keys.
enum GameKey : int {
  kKeyLeft = 0,
  kKeyRight = 1,
  kKeyUp = 2,
  kKeyDown = 3,
  kKeyDigit0 = 4,
  kKeyEnter = 14,
  kKeyStart = 16,
  kKeyChoose = 17,
  kKeyAction = 19,
  kKeyApp1 = 20,
  kKeyApp5 = 24,
  kKeyReturn = 25,
};
constexpr int kGameKeyCount = 29;

// Virtual-key codes the shell produces.
constexpr int kVkReturn = 0x0D;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkDigit0 = 0x30;
constexpr int kVkQ = 0x51;
constexpr int kVkW = 0x57;
constexpr int kVkAction = 0x86;
constexpr int kVkApp1 = 0xC1;
constexpr int kVkApp5 = 0xC5;

// Stylus actions.
constexpr int kStylusPress = 1;
constexpr int kStylusRelease = 2;
constexpr int kStylusMove = 3;

struct Options;

// Maps a virtual key to a GameKey code, or -1. The three configurable buttons
// come from the options.
int KeyToGameKey(int virtualKey, const Options& options);

}  // namespace qv
