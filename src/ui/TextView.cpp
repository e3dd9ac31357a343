#include "ui/TextView.h"

#include <algorithm>
#include <string>

#include "gfx/Surface.h"
#include "platform/KeyMap.h"
#include "ui/UiResources.h"

namespace qv {
namespace {

constexpr std::uint8_t kViewR = 203, kViewG = 190, kViewB = 176;

// Builds the lines of one wrapped text. Runs of spaces count as one gap.
class Wrapper {
 public:
  Wrapper(const Font& font, int width, TextView& view) : font_(font), width_(width), view_(view) {}

  void Run(const char* text) {
    std::string word;
    for (const char* p = text;; ++p) {
      const char c = *p;
      if (c != ' ' && c != '\n' && c != 0) {
        word += c;
        continue;
      }
      if (!word.empty()) Place(word);
      word.clear();
      if (c == ' ') continue;
      Store();
      if (c == 0) return;
    }
  }

 private:
  void Place(const std::string& word) {
    const bool fits =
        font_.TextWidth(line_.c_str()) + font_.TextWidth(word.c_str()) + font_.TextWidth(" ") <
        width_;
    // A word too wide for any line stands alone on one instead of leaving an
    // empty line before it.
    if (fits || !hasWord_) {
      line_ += " " + word;
    } else {
      view_.AddLine(line_.c_str(), 0);
      line_ = word;
    }
    hasWord_ = true;
  }
  void Store() {
    view_.AddLine(line_.c_str(), 0);
    line_ = "  ";
    hasWord_ = false;
  }

  const Font& font_;
  int width_;
  TextView& view_;
  std::string line_ = "  ";
  bool hasWord_ = false;
};

}  // namespace

TextView::TextView(Screen* parent, int listMode)
    : Screen(parent), scrollBar_(std::make_unique<ScrollBar>(this)), listMode_(listMode) {
  // The scroll bar took the program's focus while being made.
  if (parent_ != nullptr) parent_->SetFocus(this);
}

TextView::~TextView() = default;

int TextView::Kind() const {
  return kKindTextView;
}

int TextView::RowHeight() const {
  return SmallFont().LineHeight() + 4;
}

const char* TextView::Line(int index) const {
  return index >= 0 && index < lineCount_ ? lines_[index].Text() : nullptr;
}

void TextView::SetRect(int x, int y, int w, int h) {
  Screen::SetRect(x, y, w, h);
  visibleLines_ = h / RowHeight();
  scrollBar_->SetRect(x + w - 40, y, 40, h);
}

void TextView::ClearLines() {
  for (int i = 0; i < lineCount_; ++i) lines_[i].Assign(static_cast<const char*>(nullptr));
  lineCount_ = 0;
  firstLine_ = 0;
  scrollBar_->SetPosition(0);
}

void TextView::SetText(const char* text) {
  ClearLines();
  if (text == nullptr) return;
  Wrapper(SmallFont(), rect_.w.ToInt() - scrollBar_->GetRect().w.ToInt(), *this).Run(text);
}

void TextView::AddLine(const char* text, std::uint8_t flag) {
  if (lineCount_ >= kMaxTextLines) return;
  lines_[lineCount_].Assign(text);
  flags_[lineCount_] = flag;
  ++lineCount_;
  scrollBar_->SetRange(0, std::max(1, lineCount_ - rect_.h.ToInt() / RowHeight()));
}

void TextView::Draw() {
  if (!visible_) return;
  Surface* target = BackBuffer();
  if (target == nullptr) return;
  const int x = rect_.x.ToInt(), y = rect_.y.ToInt(), w = rect_.w.ToInt(), h = rect_.h.ToInt();
  if (transparent_) {
    const Box bar = scrollBar_->GetRect();
    target->FillRectAlpha(bar.x.ToInt(), bar.y.ToInt(), bar.w.ToInt(), bar.h.ToInt(), kViewR,
                          kViewG, kViewB, opacity_);
  } else {
    target->FillRect(x, y, w, h, kViewR, kViewG, kViewB);
  }
  target->DrawRect(x, y, w, h, 0, 0, 0);
  const Box clip(Fixed(x), Fixed(y), Fixed(w - 2), Fixed(h - 1));
  const int last = std::min(lineCount_, firstLine_ + visibleLines_ + 1);
  for (int i = firstLine_, k = 0; i < last; ++i, ++k) {
    const int ty = y + 2 + k * RowHeight();
    if (listMode_ == 0) {
      SmallFont().DrawText(*target, x + 2, ty, lines_[i].CStr(), 255, 255, 255, kTextShadowed, 255,
                           &clip);
    } else {
      SmallFont().DrawText(*target, x + 2, ty, lines_[i].CStr(), 10, 10, 10, kTextPlain, 255,
                           nullptr);
    }
  }
  Screen::Draw();
}

void TextView::ScrollTo(int line) {
  if (line < 0 || line > lineCount_ - visibleLines_) return;
  firstLine_ = line;
  scrollBar_->SetPosition(firstLine_);
}

bool TextView::OnKey(int key, bool pressed) {
  if (!visible_) return false;
  if (!pressed) return true;
  if (key == kKeyUp) ScrollTo(firstLine_ - 1);
  if (key == kKeyDown) ScrollTo(firstLine_ + 1);
  if (key == kKeyEnter) Send(nullptr, kCommandEnter, 0, 0);
  return true;
}

bool TextView::OnStylus(int x, int y, int action) {
  if (!visible_) return false;
  if (x < scrollBar_->GetRect().x.ToInt()) return true;  // the text itself takes no taps
  return Screen::OnStylus(x, y, action);
}

int TextView::OnCommand(Screen* sender, int code, int value, int extra) {
  const int key = ArrowKeyOfCommand(code, value);
  if (key >= 0) return OnKey(key, true) ? 1 : 0;
  if (code == kCommandThumbDragged) {
    ScrollTo(std::clamp(value, 0, std::max(0, lineCount_ - visibleLines_)));
    return 1;
  }
  return Screen::OnCommand(sender, code, value, extra);
}

}  // namespace qv
