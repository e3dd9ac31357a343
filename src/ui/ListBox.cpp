#include "ui/ListBox.h"

#include <algorithm>

#include "gfx/Surface.h"
#include "platform/KeyMap.h"
#include "ui/TextView.h"
#include "ui/UiResources.h"

namespace qv {
namespace {

constexpr std::uint8_t kListR = 203, kListG = 190, kListB = 176;

}  // namespace

ListBox::ListBox(Screen* parent) : Screen(parent), scrollBar_(std::make_unique<ScrollBar>(this)) {
  if (parent_ != nullptr) parent_->SetFocus(this);
}

ListBox::~ListBox() = default;

int ListBox::Kind() const {
  return kKindListBox;
}

int ListBox::RowHeight() const {
  return SmallFont().LineHeight() + 4;
}

const char* ListBox::Item(int index) const {
  return index >= 0 && index < itemCount_ ? items_[index].Text() : nullptr;
}

void ListBox::SetRect(int x, int y, int w, int h) {
  const int row = RowHeight();
  visibleRows_ = h / row;
  const int height = visibleRows_ * row;
  Screen::SetRect(x, y, w, height);
  scrollBar_->SetRect(x + w - 40, y, 40, height);
}

void ListBox::AddItem(const char* text, bool mark, bool locked) {
  if (itemCount_ >= kMaxListItems) return;
  items_[itemCount_].Assign(text);
  rowMarked_[itemCount_] = mark;
  rowLocked_[itemCount_] = locked;
  ++itemCount_;
  scrollBar_->SetRange(0, std::max(1, itemCount_ - 1));
}

void ListBox::SetItem(int index, const char* text, bool mark) {
  if (index < 0 || index >= itemCount_) return;
  items_[index].Assign(text);
  rowMarked_[index] = mark;
}

void ListBox::DrawRow(Surface& target, int row, int y, const Box& clip) const {
  const Font& font = SmallFont();
  const int x = rect_.x.ToInt();
  const int barWidth = clip.w.ToInt();
  const bool selected = row == selected_;
  std::uint8_t ink = 10;
  if (rowLocked_[row]) {
    ink = selected ? 170 : 128;
    if (selected) target.FillRect(x, y - 2, barWidth, RowHeight(), 128, 128, 128);
  } else if (selected) {
    ink = 255;
    target.FillRect(x, y - 2, barWidth, RowHeight(), 0, 0, 0);
  }
  font.DrawText(target, x + 2, y, items_[row].CStr(), ink, ink, ink, kTextPlain, 255, &clip);
  if (rowMarked_[row]) {
    // 18 pixels from the right edge, but never under a wide scroll bar.
    const int markX = std::min(x + 2 + rect_.w.ToInt() - 20, x + barWidth - font.TextWidth("+"));
    font.DrawText(target, markX, y, "+", 0, selected ? 255 : 128, 0, kTextPlain, 255, &clip);
  }
}

void ListBox::Draw() {
  if (!visible_) return;
  Surface* target = BackBuffer();
  if (target == nullptr) return;
  const int x = rect_.x.ToInt(), y = rect_.y.ToInt(), w = rect_.w.ToInt(), h = rect_.h.ToInt();
  const int sb = scrollBar_->GetRect().w.ToInt();
  if (transparent_) {
    target->FillRect(x, y, w - sb, h, kListR, kListG, kListB);
    target->FillRectAlpha(x + w - sb, y, sb, h, kListR, kListG, kListB, opacity_);
  } else {
    target->FillRect(x, y, w, h, kListR, kListG, kListB);
  }
  target->DrawRect(x, y, w, h, 0, 0, 0);
  const Box clip(Fixed(x), Fixed(y), Fixed(w - sb), Fixed(h));
  const int last = std::min(itemCount_, firstRow_ + visibleRows_);
  for (int row = firstRow_, k = 0; row < last; ++row, ++k) {
    DrawRow(*target, row, y + 2 + k * RowHeight(), clip);
  }
  Screen::Draw();
}

void ListBox::Select(int row) {
  selected_ = row;
  scrollBar_->SetPosition(selected_);
}

bool ListBox::OnKey(int key, bool pressed) {
  if (!visible_) return false;
  if (!pressed) return true;
  if (key == kKeyUp || key == kKeyDown) {
    const int row = selected_ + (key == kKeyUp ? -1 : 1);
    if (row < 0 || row >= itemCount_) return true;
    int first = firstRow_;
    if (row < first) first -= 1;
    if (row > first + visibleRows_ - 1) first += 1;
    if (first >= 0 && first <= itemCount_ - visibleRows_) firstRow_ = first;
    Select(row);
  } else if (key == kKeyEnter) {
    Send(nullptr, kCommandEnter, 0, 0);
  }
  return true;
}

bool ListBox::OnStylus(int x, int y, int action) {
  if (!visible_) return false;
  if (x >= scrollBar_->GetRect().x.ToInt()) return Screen::OnStylus(x, y, action);
  if (action == kStylusPress) {
    const int row = firstRow_ + (y - rect_.y.ToInt()) / RowHeight();
    // The empty space below the last row selects nothing.
    if (row >= 0 && row < itemCount_) Select(row);
  }
  return true;
}

int ListBox::OnCommand(Screen* sender, int code, int value, int extra) {
  const int key = ArrowKeyOfCommand(code, value);
  if (key >= 0) return OnKey(key, true) ? 1 : 0;
  if (code != kCommandThumbDragged) return Screen::OnCommand(sender, code, value, extra);
  if (itemCount_ == 0) return 1;
  const int row = std::clamp(value, 0, itemCount_ - 1);
  selected_ = row;  // the bar already shows where it was dragged to
  if (row > firstRow_ + visibleRows_ - 1) firstRow_ = row - visibleRows_ + 1;
  if (row < firstRow_) firstRow_ = row;
  if (firstRow_ < 0) firstRow_ = 0;
  return 1;
}

}  // namespace qv
