#pragma once
#include <memory>

#include "ui/Dialog.h"
#include "ui/PushButton.h"
#include "util/ByteString.h"

namespace qv {

// Lines of a text: one more than its newlines, 0 for an empty text.
int LineCount(const char* text);

// A modal box with centred lines of text and a Yes (id 1) and No (id 2)
// button; a click sends yesCommand or noCommand to the parent, which closes
// and deletes the box.
class MessageBox : public Dialog {
 public:
  MessageBox(Screen* parent, int yesCommand, int noCommand);
  ~MessageBox() override;

  void Draw() override;
  // Lays out both buttons along the bottom.
  void SetRect(int x, int y, int w, int h) override;
  int OnCommand(Screen* sender, int code, int value, int extra) override;

  void SetText(const char* text) { text_.Assign(text); }
  const char* Text() const { return text_.CStr(); }
  PushButton& YesButton() const { return *yes_; }
  PushButton& NoButton() const { return *no_; }

 private:
  ByteString text_;
  std::unique_ptr<PushButton> yes_;
  std::unique_ptr<PushButton> no_;
  int yesCommand_;
  int noCommand_;
};

// Makes, fills and places a box at the bottom of the screen. The caller keeps
// the pointer to close and delete the box when its command arrives. For a box
// with one button, Close its button 1 afterwards.
MessageBox* ShowMessage(Screen* parent, const char* text, const char* yesLabel, int yesCommand,
                        const char* noLabel, int noCommand);

}  // namespace qv
