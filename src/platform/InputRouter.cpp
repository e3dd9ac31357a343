#include "platform/InputRouter.h"

#include "platform/KeyMap.h"
#include "platform/ShellClient.h"

namespace qv {

bool InputRouter::Key(DesktopKey key, bool down) {
  int vk = VirtualKeyOf(key);
  if (vk == 0) return false;
  return KeyVirtual(vk, down);
}

bool InputRouter::KeyVirtual(int virtualKey, bool down) {
  if (down) client_.SetLastVirtualKey(virtualKey);
  int code = KeyToGameKey(virtualKey, client_.KeyOptions());
  if (code < 0) return false;
  client_.OnKey(code, down);
  return true;
}

void InputRouter::Clamp(int* x, int* y) const {
  if (*x < 0) *x = 0;
  if (*y < 0) *y = 0;
  if (*x >= width_) *x = width_ - 1;
  if (*y >= height_) *y = height_ - 1;
}

void InputRouter::Press(int x, int y) {
  Clamp(&x, &y);
  client_.OnStylus(x, y, kStylusPress);
  captured_ = true;
}

void InputRouter::Move(int x, int y) {
  if (!captured_) return;
  Clamp(&x, &y);
  client_.OnStylus(x, y, kStylusMove);
}

void InputRouter::Release(int x, int y) {
  Clamp(&x, &y);
  client_.OnStylus(x, y, kStylusRelease);
  captured_ = false;
}

}  // namespace qv
