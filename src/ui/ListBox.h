#pragma once
#include <cstdint>
#include <memory>

#include "ui/Screen.h"
#include "ui/ScrollBar.h"
#include "util/ByteString.h"

namespace qv {

class Surface;

constexpr int kMaxListItems = 200;

// A column of selectable text rows with greyed (locked) rows, optional green
// "+" marks and a scroll bar whose position is the selected row.
class ListBox : public Screen {
 public:
  // Also makes its scroll bar and asks the parent to focus the list.
  explicit ListBox(Screen* parent);
  ~ListBox() override;

  int Kind() const override;
  void Draw() override;
  bool OnKey(int key, bool pressed) override;
  bool OnStylus(int x, int y, int action) override;
  // Cuts the height to whole rows.
  void SetRect(int x, int y, int w, int h) override;
  int OnCommand(Screen* sender, int code, int value, int extra) override;

  void AddItem(const char* text, bool mark, bool locked);
  // Ignored for a row that does not exist.
  void SetItem(int index, const char* text, bool mark);
  int Selected() const { return selected_; }

  int ItemCount() const { return itemCount_; }
  const char* Item(int index) const;
  int VisibleRows() const { return visibleRows_; }
  int FirstRow() const { return firstRow_; }
  ScrollBar& Bar() const { return *scrollBar_; }

 private:
  int RowHeight() const;
  void Select(int row);
  void DrawRow(Surface& target, int row, int y, const Box& clip) const;

  std::unique_ptr<ScrollBar> scrollBar_;
  ByteString items_[kMaxListItems];
  std::uint8_t rowMarked_[kMaxListItems] = {};
  std::uint8_t rowLocked_[kMaxListItems] = {};
  int itemCount_ = 0;
  int visibleRows_ = 0;
  int firstRow_ = 0;
  int selected_ = 0;
};

}  // namespace qv
