#include "ui/Framework.h"

#include "platform/KeyMap.h"
#include "ui/PushButton.h"
#include "ui/Screen.h"

namespace qv {
namespace {

Screen* gFocused = nullptr;
Screen* gCapture = nullptr;
bool gLatched[kGameKeyCount] = {};
bool gDown[kGameKeyCount] = {};

bool ValidKey(int key) {
  return key >= 0 && key < kGameKeyCount;
}

}  // namespace

void ResetFramework() {
  gFocused = nullptr;
  gCapture = nullptr;
  ClearKeyLatches();
  for (bool& down : gDown) down = false;
}

Screen* FocusedWidget() {
  return gFocused;
}

void SetFocusedWidget(Screen* widget) {
  gFocused = widget;
}

void LatchKey(int key) {
  if (ValidKey(key)) gLatched[key] = true;
}

bool IsKeyLatched(int key) {
  return ValidKey(key) && gLatched[key];
}

void ClearKeyLatches() {
  for (bool& latched : gLatched) latched = false;
}

bool IsKeyDown(int key) {
  return ValidKey(key) && gDown[key];
}

void SetStylusCapture(Screen* widget) {
  gCapture = widget;
}

void ClearStylusCapture() {
  gCapture = nullptr;
}

Screen* StylusCaptureWidget() {
  return gCapture;
}

bool SwallowLatchedKey(int key, bool pressed) {
  if (IsKeyLatched(key)) {
    if (!pressed) ClearKeyLatches();
    return true;
  }
  if (ValidKey(key)) gDown[key] = pressed;
  return false;
}

int ChildCount(const Screen* widget) {
  return widget == nullptr ? 0 : widget->ChildCount();
}

bool HasChild(const Screen* widget, const Screen* child) {
  if (widget == nullptr || child == nullptr) return false;
  for (int i = 0; i < widget->ChildCount(); ++i) {
    if (widget->ChildAt(i) == child) return true;
  }
  return false;
}

PushButton* FindButton(const Screen* widget, int id) {
  if (widget == nullptr || (id != 1 && id != 2)) return nullptr;
  for (int i = 0; i < widget->ChildCount(); ++i) {
    Screen* child = widget->ChildAt(i);
    if (child->Kind() != kKindButton) continue;
    auto* button = dynamic_cast<PushButton*>(child);
    if (button != nullptr && button->Id() == id) return button;
  }
  return nullptr;
}

}  // namespace qv
