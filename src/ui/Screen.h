#pragma once
#include <cstdint>

#include "physics/Geometry.h"

namespace qv {

// Kind codes of the widgets.
constexpr int kKindScreen = 0;
constexpr int kKindButton = 1;
constexpr int kKindListBox = 2;
constexpr int kKindTextView = 3;
constexpr int kKindSlider = 4;
constexpr int kKindButtonStrip = 1000;

// Whether (x, y) lies in the box, edges included.
bool BoxHolds(const Box& box, int x, int y);

// Base of every page, dialog and control: a rectangle in a tree of widgets,
// drawn in child order, fed keys down the focus chain and stylus events by hit
// testing, reporting upward through Send/OnCommand. A widget does not own its
// children; whoever creates a widget deletes it.
class Screen {
 public:
  static constexpr int kMaxChildren = 15;

  // Attaches to the parent, on top of its siblings and focused.
  explicit Screen(Screen* parent);
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  virtual int Kind() const;
  // Also forgets this widget in the framework's focus and capture, and
  // detaches it from its parent and its children so nothing keeps a stale
  // pointer to it.
  virtual ~Screen();
  // Called before a child is removed.
  virtual void Interrupt();
  virtual void Draw();
  virtual void Show();
  virtual void Hide();
  // Hides and detaches from the parent; does not delete.
  virtual void Close();
  virtual bool OnKey(int key, bool pressed);
  virtual bool OnStylus(int x, int y, int action);
  virtual void AddChild(Screen* child);
  virtual void RemoveChildAt(int index);
  virtual void RemoveChild(Screen* child);
  virtual Screen* ChildAt(int index) const;
  virtual void SetFocus(Screen* child);
  virtual Screen* Focus() const;
  virtual void SetRect(int x, int y, int w, int h);
  virtual Box GetRect() const;
  virtual bool FocusNext();
  virtual bool FocusPrev();
  // A null target means the parent.
  virtual int Send(Screen* target, int code, int value, int extra);
  // Passes the command on to the parent unchanged.
  virtual int OnCommand(Screen* sender, int code, int value, int extra);
  virtual void SetModal(bool modal);
  virtual bool IsModal() const;
  virtual void SetTransparent(bool transparent);
  virtual bool IsTransparent() const;

  Screen* Parent() const { return parent_; }
  int ChildCount() const { return childCount_; }
  bool IsVisible() const { return visible_; }
  std::uint8_t Opacity() const { return opacity_; }
  void SetOpacity(std::uint8_t opacity) { opacity_ = opacity; }

 protected:
  // The topmost visible child whose rectangle holds the point, else null.
  Screen* ChildAtPoint(int x, int y, bool* modalInTheWay) const;
  // Moves the focus one child on (step 1) or back (step -1), wrapping.
  bool StepFocus(int step);

  Screen* parent_;
  Screen* focus_ = nullptr;
  Screen* children_[kMaxChildren] = {};
  int childCount_ = 0;
  bool visible_ = true;
  bool modal_ = false;
  Box rect_;
  bool transparent_ = false;
  std::uint8_t opacity_ = 128;

 private:
  int IndexOf(const Screen* child) const;
  void Detach(Screen* child);
};

}  // namespace qv
