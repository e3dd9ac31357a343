#pragma once
#include "ui/Screen.h"
#include "util/ByteString.h"

namespace qv {

// Command codes of a push button; value is the button id, extra the key code
// (0 for the stylus).
constexpr int kCommandButtonDown = 4;  // pressed, and every tick while held if repeating
constexpr int kCommandButtonUp = 5;    // released over the button: a click

constexpr int kButtonText = 0;
constexpr int kButtonUpArrow = 1;
constexpr int kButtonDownArrow = 2;

class PushButton;

// Height of a text button, and the width that fits its label (big font).
int ButtonHeight();
int ButtonWidth(const PushButton& button);

// A text or arrow button. Dialogs use id 1 for confirming and 2 for
// cancelling.
class PushButton : public Screen {
 public:
  explicit PushButton(Screen* parent);

  int Kind() const override;
  void Draw() override;
  bool OnKey(int key, bool pressed) override;
  bool OnStylus(int x, int y, int action) override;
  // A text button takes the height of a line and the width of its label.
  void SetRect(int x, int y, int w, int h) override;

  void SetId(int id) { id_ = id; }
  int Id() const { return id_; }
  // Copies the text; null clears it.
  void SetText(const char* text);
  // Places the button with its right edge at rightX.
  void SetPosition(int rightX, int y);

  const char* Label() const { return label_.CStr(); }
  bool IsPressed() const { return pressed_; }
  void SetRepeat(bool repeat) { repeat_ = repeat; }
  void SetStyle(int style) { style_ = style; }
  int Style() const { return style_; }

 private:
  void DrawArrow(int style);

  int id_ = 0;
  ByteString label_;
  bool pressed_ = false;
  bool repeat_ = false;
  int style_ = kButtonText;
};

}  // namespace qv
