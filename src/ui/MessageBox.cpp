#include "ui/MessageBox.h"

#include <string>

#include "gfx/Surface.h"
#include "ui/Framework.h"
#include "ui/UiResources.h"

namespace qv {
namespace {

// The screen the box is laid out on; the game's screen before a back buffer exists.
void ScreenSize(int* w, int* h) {
  const Surface* buffer = BackBuffer();
  *w = buffer != nullptr ? buffer->Width() : 240;
  *h = buffer != nullptr ? buffer->Height() : 320;
}

std::unique_ptr<PushButton> MakeButton(Screen* box, int id, const char* label) {
  auto button = std::make_unique<PushButton>(box);
  button->SetId(id);
  button->SetText(label);
  return button;
}

}  // namespace

int LineCount(const char* text) {
  if (text == nullptr || *text == 0) return 0;
  int count = 1;
  for (const char* p = text; *p != 0; ++p) count += *p == '\n';
  return count;
}

MessageBox::MessageBox(Screen* parent, int yesCommand, int noCommand)
    : Dialog(parent, false),
      yes_(MakeButton(this, 1, " Yes ")),
      no_(MakeButton(this, 2, " No ")),
      yesCommand_(yesCommand),
      noCommand_(noCommand) {
  int w, h;
  ScreenSize(&w, &h);
  SetRect(10, h / 2, w - 20, h / 2 - 10);
}

MessageBox::~MessageBox() = default;

void MessageBox::SetRect(int x, int y, int w, int h) {
  Dialog::SetRect(x, y, w, h);
  const int b = ButtonHeight();
  const int row = y + h - b - b / 2;
  yes_->SetRect(x + b / 2, row, 0, 0);
  no_->SetPosition(x + w - b / 2, row);
}

void MessageBox::Draw() {
  if (!visible_) return;
  Dialog::Draw();
  Surface* target = BackBuffer();
  if (target == nullptr || text_.CStr() == nullptr) return;
  const Font& font = BigFont();
  const int x = rect_.x.ToInt(), w = rect_.w.ToInt();
  int y = rect_.y.ToInt() + 5;
  const std::string text = text_.CStr();
  for (std::size_t start = 0; start <= text.size(); y += font.LineHeight()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    font.DrawText(*target, x + (w - font.TextWidth(line.c_str())) / 2, y, line.c_str(), 255, 255,
                  255, kTextShadowed, 255, nullptr);
    start = end + 1;
  }
}

// Sending may delete this box: nothing is touched after it.
int MessageBox::OnCommand(Screen*, int code, int value, int) {
  if (code != kCommandButtonUp || (value != 1 && value != 2)) return 0;
  Send(nullptr, value == 1 ? yesCommand_ : noCommand_, 0, 0);
  return 1;
}

MessageBox* ShowMessage(Screen* parent, const char* text, const char* yesLabel, int yesCommand,
                        const char* noLabel, int noCommand) {
  auto* box = new MessageBox(parent, yesCommand, noCommand);
  box->SetText(text);
  if (auto* yes = dynamic_cast<PushButton*>(box->ChildAt(0))) yes->SetText(yesLabel);
  if (auto* no = dynamic_cast<PushButton*>(box->ChildAt(1))) no->SetText(noLabel);
  const int d = ButtonHeight() + LineCount(text) * BigFont().LineHeight() + 20;
  int w, h;
  ScreenSize(&w, &h);
  box->SetRect(10, h - d - 10, w - 20, d);
  return box;
}

}  // namespace qv
