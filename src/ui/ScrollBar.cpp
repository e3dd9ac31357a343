#include "ui/ScrollBar.h"

#include <algorithm>

#include "gfx/Surface.h"
#include "platform/KeyMap.h"
#include "ui/Bevel.h"
#include "ui/Framework.h"
#include "ui/PushButton.h"
#include "ui/UiResources.h"

namespace qv {
namespace {

std::unique_ptr<PushButton> MakeArrow(Screen* bar, int id, int style) {
  auto arrow = std::make_unique<PushButton>(bar);
  arrow->SetId(id);
  arrow->SetStyle(style);
  arrow->SetRepeat(true);
  return arrow;
}

}  // namespace

int ArrowKeyOfCommand(int code, int value) {
  // 4 rather than 5: a held arrow repeats its press every tick.
  if (code != kCommandButtonDown) return -1;
  if (value == kScrollUpId) return kKeyUp;
  if (value == kScrollDownId) return kKeyDown;
  return -1;
}

ScrollBar::ScrollBar(Screen* parent)
    : Screen(parent),
      up_(MakeArrow(this, kScrollUpId, kButtonUpArrow)),
      down_(MakeArrow(this, kScrollDownId, kButtonDownArrow)) {
  // The arrows took the program's focus while being made; give it back so the
  // new widget is the focused one, as every new widget is.
  if (parent_ != nullptr) parent_->SetFocus(this);
}

ScrollBar::~ScrollBar() = default;

void ScrollBar::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum > minimum ? maximum : minimum + 1;
}

void ScrollBar::SetRect(int x, int y, int w, int h) {
  const int cw = BigFont().CellWidth();
  const int left = x + w - cw;
  Screen::SetRect(left, y, cw, h);
  up_->SetRect(left, y, cw, cw);
  down_->SetRect(left, y + h - cw, cw, cw);
}

int ScrollBar::TrackLength() const {
  const int cw = rect_.w.ToInt();
  return rect_.h.ToInt() - 2 * cw - kThumbHeight - 1;
}

int ScrollBar::ThumbTop() const {
  const int top = rect_.y.ToInt() + rect_.w.ToInt();
  const int length = TrackLength();
  if (length <= 0) return top;
  const int span = maximum_ - minimum_;
  return top + static_cast<int>(static_cast<long long>(position_ - minimum_) * length / span);
}

void ScrollBar::Draw() {
  if (!visible_) return;
  Surface* target = BackBuffer();
  if (target == nullptr) return;
  const int x = rect_.x.ToInt(), y = rect_.y.ToInt(), w = rect_.w.ToInt(), h = rect_.h.ToInt();
  if (transparent_) {
    opacity_ = 0;
  } else {
    target->FillRect(x, y, w, h, 203, 190, 176);
  }
  DrawButtonFrame(*target, Box(Fixed(x), Fixed(ThumbTop()), Fixed(w), Fixed(kThumbHeight)), false,
                  transparent_, opacity_);
  Screen::Draw();
  target->DrawRect(x, y, w, h, 0, 0, 0);
}

bool ScrollBar::OnStylus(int x, int y, int action) {
  if (!visible_) return false;
  bool handled = false;
  const int thumb = ThumbTop();
  const int length = TrackLength();
  if (action == kStylusPress && y >= thumb && y < thumb + kThumbHeight) {
    SetStylusCapture(this);
    handled = true;
  } else if (action == kStylusMove && StylusCaptureWidget() == this) {
    handled = true;
    if (length > 0) {
      const int top = rect_.y.ToInt() + rect_.w.ToInt();
      const int along = std::clamp(y, top, top + length) - top;
      position_ = minimum_ +
                  static_cast<int>(static_cast<long long>(along) * (maximum_ - minimum_) / length);
      Send(nullptr, kCommandThumbDragged, position_, 0);
      return true;  // a drag is the thumb's alone: the arrows do not hold the capture
    }
  } else if (action == kStylusRelease && StylusCaptureWidget() == this) {
    ClearStylusCapture();
    handled = true;
  }
  return Screen::OnStylus(x, y, action) || handled;
}

int ScrollBar::OnCommand(Screen* sender, int code, int value, int extra) {
  if (sender != up_.get() && sender != down_.get()) {
    return Screen::OnCommand(sender, code, value, extra);
  }
  // The arrows' own clicks stay inside the bar; only their presses scroll.
  const int key = ArrowKeyOfCommand(code, value);
  if (key >= 0 && parent_ != nullptr) parent_->OnKey(key, true);
  return 1;
}

}  // namespace qv
