#pragma once
#include "platform/DesktopKeys.h"

namespace qv {

class ShellClient;

// Turns desktop input into the client's key and stylus calls: key-downs
// record their virtual key and go through the key map; the stylus follows
// the capture rules (a press captures, moves arrive only while captured, a
// release always arrives and ends the capture). Points are clamped to the
// screen, so the letterbox border never yields negative pixels.
class InputRouter {
 public:
  InputRouter(ShellClient& client, int screenWidth, int screenHeight)
      : client_(client), width_(screenWidth), height_(screenHeight) {}

  // Returns false when the key is not one the game knows.
  bool Key(DesktopKey key, bool down);
  bool KeyVirtual(int virtualKey, bool down);
  void Press(int x, int y);
  void Move(int x, int y);
  void Release(int x, int y);
  bool Captured() const { return captured_; }

 private:
  void Clamp(int* x, int* y) const;

  ShellClient& client_;
  int width_;
  int height_;
  bool captured_ = false;
};

}  // namespace qv
