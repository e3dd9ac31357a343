#pragma once
#include <cstdint>
#include <memory>

#include "ui/Screen.h"
#include "ui/ScrollBar.h"
#include "util/ByteString.h"

namespace qv {

constexpr int kCommandEnter = 2;  // Enter pressed on a text view or list box
constexpr int kMaxTextLines = 200;

// Read-only word-wrapped text with a scroll bar (the about and help pages).
class TextView : public Screen {
 public:
  // listMode 0 is the text view of the pages; other modes draw dark plain text
  // without clipping.
  TextView(Screen* parent, int listMode);
  ~TextView() override;

  int Kind() const override;
  void Draw() override;
  bool OnKey(int key, bool pressed) override;
  bool OnStylus(int x, int y, int action) override;
  void SetRect(int x, int y, int w, int h) override;
  int OnCommand(Screen* sender, int code, int value, int extra) override;

  // Replaces the lines by the text broken to the width left of the scroll bar.
  void SetText(const char* text);
  void AddLine(const char* text, std::uint8_t flag);

  int LineCount() const { return lineCount_; }
  const char* Line(int index) const;
  int VisibleLines() const { return visibleLines_; }
  int FirstLine() const { return firstLine_; }
  ScrollBar& Bar() const { return *scrollBar_; }

 private:
  void ClearLines();
  void ScrollTo(int line);
  int RowHeight() const;

  std::unique_ptr<ScrollBar> scrollBar_;
  ByteString lines_[kMaxTextLines];
  std::uint8_t flags_[kMaxTextLines] = {};
  int lineCount_ = 0;
  int visibleLines_ = 0;
  int firstLine_ = 0;
  int listMode_;
};

}  // namespace qv
