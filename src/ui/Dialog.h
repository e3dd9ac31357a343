#pragma once
#include "ui/Screen.h"

namespace qv {

// A modal pop-up panel: textured and bevelled, moves the focus with Up and
// Down, maps Start and Choose to its buttons 1 and 2, and frames the focused
// control.
class Dialog : public Screen {
 public:
  Dialog(Screen* parent, bool transparent);
  ~Dialog() override;

  void Draw() override;
  bool OnKey(int key, bool pressed) override;
  bool OnStylus(int x, int y, int action) override;
  // A list or text view among the children takes the focus instead.
  void SetFocus(Screen* child) override;

 private:
  bool ButtonKey(int key, bool pressed);
};

// Whether child lies somewhere below widget in the tree.
bool IsDescendant(const Screen* widget, const Screen* child);

}  // namespace qv
