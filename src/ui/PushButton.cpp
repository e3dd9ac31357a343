#include "ui/PushButton.h"

#include "gfx/Surface.h"
#include "platform/KeyMap.h"
#include "ui/Bevel.h"
#include "ui/Framework.h"
#include "ui/UiResources.h"

namespace qv {

int ButtonHeight() {
  return BigFont().LineHeight() + 4;
}

int ButtonWidth(const PushButton& button) {
  return BigFont().TextWidth(button.Label()) + 4;
}

PushButton::PushButton(Screen* parent) : Screen(parent) {}

int PushButton::Kind() const {
  return kKindButton;
}

void PushButton::SetText(const char* text) {
  label_.Assign(text);
}

void PushButton::SetRect(int x, int y, int w, int h) {
  if (style_ == kButtonText) {
    h = ButtonHeight();
    if (label_.CStr() != nullptr) w = ButtonWidth(*this);
  }
  Screen::SetRect(x, y, w, h);
}

void PushButton::SetPosition(int rightX, int y) {
  int w = rect_.w.ToInt(), h = rect_.h.ToInt();
  if (style_ == kButtonText) {
    h = ButtonHeight();
    if (label_.CStr() != nullptr) w = ButtonWidth(*this);
  }
  SetRect(rightX - w, y, w, h);
}

// Sending may delete this button (a dialog closing on its click), so nothing
// touches a member after a Send.
bool PushButton::OnKey(int key, bool pressed) {
  if (!visible_) return false;
  if (key != kKeyEnter && key != kKeyStart) return true;
  pressed_ = pressed;
  Send(nullptr, pressed ? kCommandButtonDown : kCommandButtonUp, id_, key);
  return true;
}

bool PushButton::OnStylus(int x, int y, int action) {
  if (!visible_) return false;
  const bool holdsCapture = StylusCaptureWidget() == this;
  if (action == kStylusPress) {
    pressed_ = true;
    SetStylusCapture(this);
    Send(nullptr, kCommandButtonDown, id_, 0);
  } else if (action == kStylusMove && holdsCapture) {
    pressed_ = BoxHolds(rect_, x, y);
  } else if (action == kStylusRelease && holdsCapture) {
    pressed_ = BoxHolds(rect_, x, y);
    ClearStylusCapture();
    if (pressed_) {
      pressed_ = false;
      Send(nullptr, kCommandButtonUp, id_, 0);
    }
  }
  return true;
}

void PushButton::DrawArrow(int style) {
  Surface* target = BackBuffer();
  if (target == nullptr) return;
  const int x = rect_.x.ToInt(), y = rect_.y.ToInt(), w = rect_.w.ToInt(), h = rect_.h.ToInt();
  const int cx = x + w / 2 - (pressed_ ? 0 : 1);
  const int cy = y + (h - 4) / 2 + (pressed_ ? 1 : 0);
  for (int i = 0; i < 4; ++i) {
    const int row = style == kButtonUpArrow ? cy + i : cy + 4 - i;
    target->DrawLine(cx - i, row, cx - i + 2 * i + 1, row, 0, 0, 0);
  }
}

void PushButton::Draw() {
  if (!visible_) return;
  opacity_ = 0;  // a transparent button has no background at all
  DrawButtonFrame(*this, pressed_);
  if (style_ == kButtonText) {
    const int p = pressed_ ? 1 : 0;
    if (Surface* target = BackBuffer())
      BigFont().DrawText(*target, rect_.x.ToInt() + 2 + p, rect_.y.ToInt() + 2 + p, label_.CStr(),
                         255, 255, 255, kTextShadowed, 255, nullptr);
  } else {
    DrawArrow(style_);
  }
  if (pressed_ && repeat_) Send(nullptr, kCommandButtonDown, id_, 0);
}

}  // namespace qv
