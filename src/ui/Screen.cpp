#include "ui/Screen.h"

#include "ui/Framework.h"

namespace qv {

bool BoxHolds(const Box& box, int x, int y) {
  const Fixed px(x), py(y);
  return px.Raw() >= box.x.Raw() && px.Raw() <= box.Right().Raw() && py.Raw() >= box.y.Raw() &&
         py.Raw() <= box.Bottom().Raw();
}

Screen::Screen(Screen* parent) : parent_(parent) {
  if (parent_ == nullptr) return;
  parent_->AddChild(this);
  // A parent that is full leaves the widget out of the tree altogether.
  if (parent_->IndexOf(this) < 0) {
    parent_ = nullptr;
    return;
  }
  parent_->SetFocus(this);
}

int Screen::Kind() const {
  return kKindScreen;
}

Screen::~Screen() {
  if (FocusedWidget() == this) SetFocusedWidget(nullptr);
  if (StylusCaptureWidget() == this) ClearStylusCapture();
  // Owners normally Close before deleting; a widget deleted while still
  // attached must not stay in its parent's list.
  if (parent_ != nullptr) parent_->Detach(this);
  for (int i = 0; i < childCount_; ++i) {
    if (children_[i]->parent_ == this) children_[i]->parent_ = nullptr;
  }
}

void Screen::Interrupt() {}

void Screen::Draw() {
  if (!visible_) return;
  const bool forceTransparent = transparent_ || modal_;
  for (int i = 0; i < childCount_; ++i) {
    Screen* child = children_[i];
    const bool remembered = child->transparent_;
    if (forceTransparent) child->transparent_ = true;
    child->Draw();
    child->transparent_ = remembered;
  }
}

void Screen::Show() {
  visible_ = true;
  for (int i = 0; i < childCount_; ++i) children_[i]->Show();
}

void Screen::Hide() {
  visible_ = false;
  if (parent_ != nullptr && parent_->focus_ == this) parent_->focus_ = nullptr;
}

void Screen::Close() {
  Hide();
  if (parent_ != nullptr) {
    parent_->RemoveChild(this);
    parent_ = nullptr;
  }
}

bool Screen::OnKey(int key, bool pressed) {
  if (!visible_ || focus_ == nullptr) return false;
  return focus_->OnKey(key, pressed);
}

Screen* Screen::ChildAtPoint(int x, int y, bool* modalInTheWay) const {
  *modalInTheWay = false;
  for (int i = childCount_ - 1; i >= 0; --i) {
    Screen* child = children_[i];
    // Hidden widgets take no input, so they neither catch nor block a tap.
    if (!child->visible_) continue;
    if (BoxHolds(child->rect_, x, y)) return child;
    if (child->modal_) {
      *modalInTheWay = true;
      return nullptr;
    }
  }
  return nullptr;
}

bool Screen::OnStylus(int x, int y, int action) {
  if (!visible_) return false;
  bool modalInTheWay = false;
  Screen* child = ChildAtPoint(x, y, &modalInTheWay);
  if (child != nullptr) return child->OnStylus(x, y, action);
  return modalInTheWay;
}

void Screen::AddChild(Screen* child) {
  if (child == nullptr || childCount_ >= kMaxChildren) return;
  children_[childCount_++] = child;
}

void Screen::RemoveChildAt(int index) {
  Interrupt();
  if (index < 0 || index >= childCount_) return;
  if (focus_ == children_[index]) focus_ = nullptr;
  for (int i = index; i + 1 < childCount_; ++i) children_[i] = children_[i + 1];
  children_[--childCount_] = nullptr;
}

void Screen::RemoveChild(Screen* child) {
  Interrupt();
  const int index = IndexOf(child);
  if (index >= 0) RemoveChildAt(index);
}

Screen* Screen::ChildAt(int index) const {
  return index >= 0 && index < childCount_ ? children_[index] : nullptr;
}

void Screen::SetFocus(Screen* child) {
  focus_ = child;
  SetFocusedWidget(child);
}

Screen* Screen::Focus() const {
  return focus_;
}

void Screen::SetRect(int x, int y, int w, int h) {
  rect_ = Box(Fixed(x), Fixed(y), Fixed(w), Fixed(h));
}

Box Screen::GetRect() const {
  return rect_;
}

bool Screen::StepFocus(int step) {
  if (focus_ == nullptr || childCount_ < 2) return false;
  const int index = IndexOf(FocusedWidget());
  if (index < 0) return false;
  Screen* next = children_[(index + step + childCount_) % childCount_];
  focus_ = next;
  SetFocusedWidget(next);
  return true;
}

bool Screen::FocusNext() {
  return StepFocus(1);
}

bool Screen::FocusPrev() {
  return StepFocus(-1);
}

int Screen::Send(Screen* target, int code, int value, int extra) {
  if (target == nullptr) target = parent_;
  return target == nullptr ? 0 : target->OnCommand(this, code, value, extra);
}

int Screen::OnCommand(Screen* sender, int code, int value, int extra) {
  return parent_ == nullptr ? 0 : parent_->OnCommand(sender, code, value, extra);
}

void Screen::SetModal(bool modal) {
  modal_ = modal;
}

bool Screen::IsModal() const {
  return modal_;
}

void Screen::SetTransparent(bool transparent) {
  transparent_ = transparent;
}

bool Screen::IsTransparent() const {
  return transparent_;
}

int Screen::IndexOf(const Screen* child) const {
  if (child == nullptr) return -1;
  for (int i = 0; i < childCount_; ++i) {
    if (children_[i] == child) return i;
  }
  return -1;
}

// Quiet removal for a child being destroyed: no Interrupt, since the child is
// already half torn down.
void Screen::Detach(Screen* child) {
  if (focus_ == child) focus_ = nullptr;
  const int index = IndexOf(child);
  if (index < 0) return;
  for (int i = index; i + 1 < childCount_; ++i) children_[i] = children_[i + 1];
  children_[--childCount_] = nullptr;
}

}  // namespace qv
