#pragma once
#include <memory>

#include "ui/PushButton.h"
#include "ui/Screen.h"

namespace qv {

constexpr int kCommandThumbDragged = 19;  // value: the new position
constexpr int kScrollUpId = 101;
constexpr int kScrollDownId = 102;
constexpr int kThumbHeight = 16;

// A vertical bar at the right edge of its rectangle: two repeating arrow
// buttons that scroll the parent a line per tick, and a draggable thumb.
class ScrollBar : public Screen {
 public:
  explicit ScrollBar(Screen* parent);
  ~ScrollBar() override;

  void Draw() override;
  bool OnStylus(int x, int y, int action) override;
  // Takes the big font's cell width and sits at the right edge of the area.
  void SetRect(int x, int y, int w, int h) override;
  int OnCommand(Screen* sender, int code, int value, int extra) override;

  void SetPosition(int value) { position_ = value; }
  // A maximum not above the minimum is raised to one past it.
  void SetRange(int minimum, int maximum);
  int Position() const { return position_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  // Top row of the thumb, and the length the thumb travels.
  int ThumbTop() const;
  int TrackLength() const;
  PushButton* UpArrow() const { return up_.get(); }
  PushButton* DownArrow() const { return down_.get(); }

 private:
  // Made and deleted here: the framework itself deletes nothing.
  std::unique_ptr<PushButton> up_;
  std::unique_ptr<PushButton> down_;
  int position_ = 0;
  int minimum_ = 0;
  int maximum_ = 1;
};

// What a scroll bar's arrow asks of the widget it scrolls: Up or Down, or -1
// for any other command.
int ArrowKeyOfCommand(int code, int value);

}  // namespace qv
