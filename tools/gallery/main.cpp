// quirkvale-gallery: screenshots of the widgets for looking at.
//   quirkvale-gallery <output folder> [--data <program folder>]
// Fonts and the dialog texture come from the data tree beside the program.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "gfx/PngWriter.h"
#include "gfx/Surface.h"
#include "platform/KeyMap.h"
#include "ui/Dialog.h"
#include "ui/Framework.h"
#include "ui/ListBox.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"
#include "ui/RootScreen.h"
#include "ui/TextView.h"
#include "ui/UiResources.h"
#include "util/Folders.h"

namespace qv {
namespace {

constexpr const char* kLongText =
    "Quirkvale is a puzzle game of chain reactions. Take the missing parts from the bin, place "
    "and turn them, tie ropes and belts, then press Start and watch.\n"
    "Every level has a task: a bomb to explode, a balloon to burst, a ball to land in a "
    "bucket. When the task is met the next level opens.\n"
    "\n"
    "Keys: the arrows move the cursor, Enter picks up and puts down, Start runs the puzzle "
    "and Choose opens the parts bin. With the stylus, drag parts straight from the bin onto "
    "the board.\n"
    "The editor lets you build puzzles of your own in ten slots.";

// A striped page so that blended backgrounds show.
class Backdrop : public Screen {
 public:
  explicit Backdrop(Screen* parent) : Screen(parent) { SetRect(0, 0, 240, 320); }
  void Draw() override {
    Surface* s = BackBuffer();
    for (int y = 0; y < 320; y += 16) {
      const bool odd = (y / 16) % 2 != 0;
      s->FillRect(0, y, 240, 16, odd ? 40 : 60, odd ? 70 : 100, odd ? 110 : 150);
    }
    Screen::Draw();
  }
};

class Gallery {
 public:
  explicit Gallery(std::string out) : out_(std::move(out)) {
    buffer_.Create(240, 320);
    SetBackBuffer(&buffer_);
  }
  ~Gallery() { SetBackBuffer(nullptr); }

  RootScreen root;

  // One tick: draw the tree, then write the frame at both scales.
  bool Shot(const char* name) {
    buffer_.Clear(0, 0, 0);
    root.Draw();
    bool ok = true;
    for (int scale : {1, 3}) {
      const std::string path = out_ + "/" + name + "-" + std::to_string(scale) + "x.png";
      ok = WritePng(buffer_, path.c_str(), scale) && ok;
      std::printf("%s\n", path.c_str());
    }
    return ok;
  }
  void Key(int key) {
    root.OnKey(key, true);
    root.OnKey(key, false);
  }
  void Tick(int count) {
    for (int i = 0; i < count; ++i) root.Draw();
  }

 private:
  std::string out_;
  Surface buffer_;
};

PushButton* Button(Screen* parent, int id, const char* label) {
  auto* b = new PushButton(parent);
  b->SetId(id);
  b->SetText(label);
  return b;
}

// Buttons, the focus frame and a press held down.
bool DialogScene(Gallery& g) {
  Backdrop page(&g.root);
  Dialog dialog(&page, false);
  dialog.SetRect(20, 60, 200, 150);
  std::unique_ptr<PushButton> start(Button(&dialog, 3, " Start "));
  std::unique_ptr<PushButton> options(Button(&dialog, 4, " Options "));
  std::unique_ptr<PushButton> yes(Button(&dialog, 1, " Ok "));
  std::unique_ptr<PushButton> no(Button(&dialog, 2, " Cancel "));
  const int b = ButtonHeight();
  start->SetRect(40, 80, 0, 0);
  options->SetRect(40, 80 + b + 8, 0, 0);
  yes->SetRect(20 + b / 2, 210 - b - b / 2, 0, 0);
  no->SetPosition(220 - b / 2, 210 - b - b / 2);
  bool ok = g.Shot("dialog");
  g.Key(kKeyDown);  // focus wraps from the last button to the first
  g.Key(kKeyDown);
  ok = g.Shot("dialog-focus") && ok;
  const Box r = yes->GetRect();
  g.root.OnStylus(r.x.ToInt() + 3, r.y.ToInt() + 3, kStylusPress);
  ok = g.Shot("dialog-pressed") && ok;
  g.root.OnStylus(r.x.ToInt() + 3, r.y.ToInt() + 3, kStylusRelease);
  dialog.SetTransparent(true);
  ok = g.Shot("dialog-transparent") && ok;
  return ok;
}

// A long text scrolled by holding its down arrow.
bool TextScene(Gallery& g) {
  Backdrop page(&g.root);
  Dialog dialog(&page, false);
  dialog.SetRect(5, 5, 230, 310);
  TextView view(&dialog, 0);
  view.SetRect(10, 30, 220, 240);
  view.SetText(kLongText);
  std::unique_ptr<PushButton> back(Button(&dialog, 1, " Back "));
  back->SetPosition(230 - ButtonHeight() / 2, 315 - ButtonHeight() - ButtonHeight() / 2);
  bool ok = g.Shot("textview");
  const Box down = view.Bar().DownArrow()->GetRect();
  g.root.OnStylus(down.x.ToInt() + 2, down.y.ToInt() + 2, kStylusPress);
  g.Tick(3);
  ok = g.Shot("textview-scrolling") && ok;
  g.root.OnStylus(down.x.ToInt() + 2, down.y.ToInt() + 2, kStylusRelease);
  return ok;
}

// Locked and marked rows, a selection moved by keys and by dragging the thumb.
bool ListScene(Gallery& g) {
  Backdrop page(&g.root);
  Dialog dialog(&page, false);
  dialog.SetRect(5, 5, 230, 310);
  ListBox list(&dialog);
  list.SetRect(10, 40, 220, 230);
  const char* titles[] = {"First steps",  "Roll over",    "Two buckets", "Light it",
                          "Balloon ride", "Cut the rope", "Rabbit run",  "Tall order"};
  for (int i = 0; i < 30; ++i) {
    char label[64];
    std::snprintf(label, sizeof label, "%02d. %s", i + 1, titles[i % 8]);
    list.AddItem(label, i % 4 == 1, i > 5);
  }
  std::unique_ptr<PushButton> select(Button(&dialog, 1, " Select "));
  std::unique_ptr<PushButton> cancel(Button(&dialog, 2, " Cancel "));
  const int b = ButtonHeight();
  select->SetRect(5 + b / 2, 315 - b - b / 2, 0, 0);
  cancel->SetPosition(235 - b / 2, 315 - b - b / 2);
  g.Key(kKeyDown);
  bool ok = g.Shot("listbox");
  for (int i = 0; i < 6; ++i) g.Key(kKeyDown);
  ok = g.Shot("listbox-locked") && ok;
  const Box bar = list.Bar().GetRect();
  const int x = bar.x.ToInt() + 2;
  g.root.OnStylus(x, list.Bar().ThumbTop() + 4, kStylusPress);
  g.root.OnStylus(x, bar.y.ToInt() + bar.h.ToInt() / 2, kStylusMove);
  ok = g.Shot("listbox-dragged") && ok;
  g.root.OnStylus(x, bar.y.ToInt() + bar.h.ToInt() / 2, kStylusRelease);
  return ok;
}

bool MessageScene(Gallery& g) {
  Backdrop page(&g.root);
  std::unique_ptr<MessageBox> box(
      ShowMessage(&page, "Save the puzzle\nbefore leaving?", " Yes ", 1, " No ", 2));
  bool ok = g.Shot("message");
  box->Close();
  box.reset(ShowMessage(&page,
                        "Your memory\nis low.\nPlease remove\nsome OTHER :-)\nprograms.\n"
                        "The program will\nnow exit.",
                        "Ok", 39, "Ok", 39));
  box->YesButton().Close();
  ok = g.Shot("message-single") && ok;
  box->Close();
  return ok;
}

}  // namespace
}  // namespace qv

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--data") == 0)) {
    std::fprintf(stderr, "usage: quirkvale-gallery <output folder> [--data <program folder>]\n");
    return 2;
  }
  if (argc == 4) qv::SetProgramFolderOverride(argv[3]);
  if (!qv::MakeFolders(argv[1])) {
    std::fprintf(stderr, "quirkvale-gallery: cannot make %s\n", argv[1]);
    return 1;
  }
  qv::ResetFramework();
  qv::UiResourceSet resources;
  if (!resources.Load(qv::ImagesFolder().Text())) {
    std::fprintf(stderr, "quirkvale-gallery: some fonts or the dialog texture are missing in %s\n",
                 qv::ImagesFolder().Text());
  }
  resources.Install();
  qv::Gallery gallery(argv[1]);
  bool ok = qv::DialogScene(gallery);
  ok = qv::TextScene(gallery) && ok;
  ok = qv::ListScene(gallery) && ok;
  ok = qv::MessageScene(gallery) && ok;
  return ok ? 0 : 1;
}
