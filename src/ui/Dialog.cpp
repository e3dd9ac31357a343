#include "ui/Dialog.h"

#include "gfx/Surface.h"
#include "platform/KeyMap.h"
#include "ui/Bevel.h"
#include "ui/Framework.h"
#include "ui/PushButton.h"

namespace qv {
namespace {

bool IsListOrText(const Screen* widget) {
  const int kind = widget->Kind();
  return kind == kKindListBox || kind == kKindTextView;
}

}  // namespace

bool IsDescendant(const Screen* widget, const Screen* child) {
  for (const Screen* p = child != nullptr ? child->Parent() : nullptr; p != nullptr;
       p = p->Parent()) {
    if (p == widget) return true;
  }
  return false;
}

Dialog::Dialog(Screen* parent, bool transparent) : Screen(parent) {
  transparent_ = transparent;
  modal_ = true;
}

Dialog::~Dialog() = default;

void Dialog::Draw() {
  if (!visible_) return;
  DrawPanel(*this);
  Screen::Draw();
  // Only a focus inside this dialog is framed: one elsewhere belongs to
  // another page's drawing.
  Screen* focused = FocusedWidget();
  Surface* target = BackBuffer();
  if (focused == nullptr || target == nullptr || !IsDescendant(this, focused)) return;
  const Box r = focused->GetRect();
  target->DrawRect(r.x.ToInt() - 1, r.y.ToInt() - 1, r.w.ToInt() + 2, r.h.ToInt() + 2, 10, 10, 10);
}

// Enter, Start and Choose reach the dialog's standard buttons.
bool Dialog::ButtonKey(int key, bool pressed) {
  PushButton* button = nullptr;
  if (key == kKeyEnter && childCount_ <= 2) {
    PushButton* confirm = FindButton(this, 1);
    for (int i = 0; i < childCount_ && confirm != nullptr; ++i) {
      if (children_[i] != confirm && IsListOrText(children_[i])) button = confirm;
    }
  } else if (key == kKeyStart) {
    button = FindButton(this, 1);
  } else if (key == kKeyChoose) {
    button = FindButton(this, 2);
  }
  return button != nullptr && button->OnKey(kKeyEnter, pressed);
}

bool Dialog::OnKey(int key, bool pressed) {
  Screen* focused = FocusedWidget();
  if (focused != nullptr && HasChild(this, focused)) {
    if (focused->IsModal()) return focused->OnKey(key, pressed);
    if (!IsListOrText(focused) && pressed) {
      if (key == kKeyDown && FocusNext()) return true;
      if (key == kKeyUp && FocusPrev()) return true;
    }
    if (ButtonKey(key, pressed)) return true;
  }
  return Screen::OnKey(key, pressed);
}

bool Dialog::OnStylus(int x, int y, int action) {
  if (!visible_) return false;
  bool modalInTheWay = false;
  Screen* child = ChildAtPoint(x, y, &modalInTheWay);
  if (child != nullptr) {
    focus_ = child;
    SetFocusedWidget(child);
    return child->OnStylus(x, y, action);
  }
  return modalInTheWay || BoxHolds(rect_, x, y) || modal_;
}

void Dialog::SetFocus(Screen* child) {
  for (int i = 0; i < childCount_; ++i) {
    if (IsListOrText(children_[i])) {
      child = children_[i];
      break;
    }
  }
  focus_ = child;
  SetFocusedWidget(child);
}

}  // namespace qv
