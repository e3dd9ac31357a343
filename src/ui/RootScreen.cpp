#include "ui/RootScreen.h"

#include "ui/Framework.h"

namespace qv {

bool RootScreen::OnKey(int key, bool pressed) {
  if (SwallowLatchedKey(key, pressed)) return true;
  return Screen::OnKey(key, pressed);
}

bool RootScreen::OnStylus(int x, int y, int action) {
  Screen* capture = StylusCaptureWidget();
  if (capture != nullptr && capture != this) return capture->OnStylus(x, y, action);
  return Screen::OnStylus(x, y, action);
}

}  // namespace qv
