#include "platform/KeyMap.h"

#include "app/Options.h"

namespace qv {

int KeyToGameKey(int vk, const Options& options) {
  if (vk == static_cast<int>(options.enterKey)) return kKeyEnter;
  if (vk == static_cast<int>(options.startKey)) return kKeyStart;
  if (vk == static_cast<int>(options.chooseKey)) vk = 0xC7;
  switch (vk) {
    case kVkLeft:
      return kKeyLeft;
    case kVkRight:
      return kKeyRight;
    case kVkUp:
      return kKeyUp;
    case kVkDown:
      return kKeyDown;
    case kVkReturn:
      return kKeyReturn;
    case kVkQ:
    case 0xC6:
      return kKeyStart;
    case kVkW:
    case 0xC7:
      return kKeyChoose;
    case 0xC8:
      return kKeyEnter;
    case kVkAction:
      return kKeyAction;
    default:
      break;
  }
  if (vk >= kVkDigit0 && vk <= kVkDigit0 + 9) return kKeyDigit0 + (vk - kVkDigit0);
  if (vk >= kVkApp1 && vk <= kVkApp5) return kKeyApp1 + (vk - kVkApp1);
  return -1;
}

}  // namespace qv
