#pragma once
#include "ui/Screen.h"

namespace qv {

// The root of the widget tree, where key and stylus input enters: latched
// keys are swallowed, and a widget holding the stylus capture gets every
// stylus event wherever it lands.
class RootScreen : public Screen {
 public:
  RootScreen() : Screen(nullptr) {}

  bool OnKey(int key, bool pressed) override;
  bool OnStylus(int x, int y, int action) override;
};

}  // namespace qv
