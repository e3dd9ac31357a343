#include <gtest/gtest.h>

#include <memory>

#include "platform/KeyMap.h"
#include "support/UiFixture.h"
#include "ui/Bevel.h"
#include "ui/Dialog.h"
#include "ui/ListBox.h"
#include "ui/PushButton.h"
#include "ui/RootScreen.h"
#include "ui/TextView.h"

namespace qv {
namespace {

using test::RecordingScreen;
using test::SentCommand;

class ScreenTest : public test::UiTest {};

PushButton* MakeButton(Screen* parent, int id, int x, int y) {
  auto* b = new PushButton(parent);
  b->SetId(id);
  b->SetText("Ok");
  b->SetRect(x, y, 0, 0);
  return b;
}

TEST_F(ScreenTest, NewWidgetsGoOnTopFocusedAndASixteenthIsLeftOut) {
  Screen root(nullptr);
  std::vector<std::unique_ptr<Screen>> kids;
  for (int i = 0; i < 15; ++i) kids.push_back(std::make_unique<Screen>(&root));
  EXPECT_EQ(root.ChildCount(), 15);
  EXPECT_EQ(root.ChildAt(14), kids[14].get());
  EXPECT_EQ(root.Focus(), kids[14].get());
  EXPECT_EQ(FocusedWidget(), kids[14].get());
  Screen extra(&root);
  EXPECT_EQ(root.ChildCount(), 15);
  EXPECT_EQ(extra.Parent(), nullptr);
  EXPECT_EQ(root.Focus(), kids[14].get());
  EXPECT_EQ(root.ChildAt(15), nullptr);
  EXPECT_EQ(root.ChildAt(-1), nullptr);
  root.RemoveChildAt(20);
  EXPECT_EQ(root.ChildCount(), 15);
}

TEST_F(ScreenTest, CloseOfTheFocusedChildLeavesTheParentWithoutFocus) {
  Screen root(nullptr);
  Screen a(&root), b(&root);
  ASSERT_EQ(root.Focus(), &b);
  b.Close();
  EXPECT_EQ(root.Focus(), nullptr);
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_EQ(b.Parent(), nullptr);
  EXPECT_FALSE(b.IsVisible());
  EXPECT_FALSE(root.OnKey(kKeyEnter, true));
  root.SetFocus(&a);
  EXPECT_EQ(root.Focus(), &a);
}

TEST_F(ScreenTest, DeletedWidgetsLeaveNoPointerBehind) {
  RootScreen root;
  auto page = std::make_unique<Screen>(&root);
  page->SetRect(0, 0, 240, 320);
  auto* button = MakeButton(page.get(), 1, 10, 10);
  root.OnStylus(12, 12, kStylusPress);
  ASSERT_EQ(StylusCaptureWidget(), button);
  ASSERT_EQ(FocusedWidget(), button);
  delete button;  // deleted while attached, focused and holding the capture
  EXPECT_EQ(StylusCaptureWidget(), nullptr);
  EXPECT_EQ(FocusedWidget(), nullptr);
  EXPECT_EQ(page->ChildCount(), 0);
  EXPECT_EQ(page->Focus(), nullptr);
  root.OnStylus(12, 12, kStylusRelease);
  // A parent deleted before its child leaves the child detached.
  auto* child = new Screen(page.get());
  page.reset();
  EXPECT_EQ(child->Parent(), nullptr);
  EXPECT_EQ(root.ChildCount(), 0);
  delete child;
}

TEST_F(ScreenTest, StylusGoesToTheTopmostVisibleChildAndStopsAtAModalOne) {
  RecordingScreen page(nullptr);
  page.SetRect(0, 0, 240, 320);
  std::unique_ptr<PushButton> lowButton(MakeButton(&page, 1, 10, 10));
  std::unique_ptr<PushButton> highButton(MakeButton(&page, 2, 10, 10));
  PushButton* low = lowButton.get();
  PushButton* high = highButton.get();
  EXPECT_TRUE(page.OnStylus(10, 10, kStylusPress));
  EXPECT_EQ(StylusCaptureWidget(), high);
  page.OnStylus(10, 10, kStylusRelease);
  high->Hide();  // a hidden widget neither takes nor blocks the tap
  page.OnStylus(10, 10, kStylusPress);
  EXPECT_EQ(StylusCaptureWidget(), low);
  page.OnStylus(10, 10, kStylusRelease);
  page.sent.clear();
  Screen modal(&page);
  modal.SetRect(100, 100, 50, 50);
  modal.SetModal(true);
  EXPECT_TRUE(page.OnStylus(10, 10, kStylusPress));
  EXPECT_TRUE(page.sent.empty());
  EXPECT_FALSE(Screen(nullptr).OnStylus(0, 0, kStylusPress));
}

// Records the transparency it is drawn with.
class DrawProbe : public Screen {
 public:
  using Screen::Screen;
  void Draw() override { drawnTransparent = IsTransparent(); }
  bool drawnTransparent = false;
};

TEST_F(ScreenTest, ModalAndTransparentParentsDrawTheirChildrenTransparent) {
  Screen page(nullptr);
  DrawProbe probe(&page);
  page.Draw();
  EXPECT_FALSE(probe.drawnTransparent);
  page.SetModal(true);
  page.Draw();
  EXPECT_TRUE(probe.drawnTransparent);
  EXPECT_FALSE(probe.IsTransparent());  // given back after drawing
  page.SetModal(false);
  page.SetTransparent(true);
  page.Draw();
  EXPECT_TRUE(probe.drawnTransparent);
  page.Hide();
  probe.drawnTransparent = false;
  page.Draw();
  EXPECT_FALSE(probe.drawnTransparent);
}

TEST_F(ScreenTest, FocusMovesAroundTheChildrenAndWraps) {
  Screen page(nullptr);
  Screen a(&page), b(&page), c(&page);
  EXPECT_TRUE(page.FocusNext());
  EXPECT_EQ(FocusedWidget(), &a);
  EXPECT_TRUE(page.FocusPrev());
  EXPECT_EQ(page.Focus(), &c);
  Screen stranger(nullptr);
  SetFocusedWidget(&stranger);
  EXPECT_FALSE(page.FocusNext());
  EXPECT_EQ(page.Focus(), &c);
}

// Closes itself on a key press and hands the focus to the next page, latching
// the key as the game's pages do.
class ClosingPage : public RecordingScreen {
 public:
  ClosingPage(Screen* parent, Screen* next) : RecordingScreen(parent), next_(next) {}
  bool OnKey(int key, bool pressed) override {
    if (pressed) {
      LatchKey(key);
      Screen* root = Parent();
      Close();
      root->SetFocus(next_);
    }
    return true;
  }

 private:
  Screen* next_;
};

// Records the keys reaching it.
class KeyProbe : public Screen {
 public:
  using Screen::Screen;
  bool OnKey(int key, bool pressed) override {
    keys.push_back(pressed ? key : -key - 1);
    return true;
  }
  std::vector<int> keys;
};

TEST_F(ScreenTest, ALatchedKeysReleaseDoesNotReachTheNextPage) {
  RootScreen root;
  KeyProbe below(&root);
  ClosingPage top(&root, &below);
  EXPECT_TRUE(root.OnKey(kKeyEnter, true));
  EXPECT_EQ(root.Focus(), &below);
  EXPECT_TRUE(IsKeyLatched(kKeyEnter));
  EXPECT_TRUE(root.OnKey(kKeyEnter, false));  // swallowed, and the latches clear
  EXPECT_FALSE(IsKeyLatched(kKeyEnter));
  root.OnKey(kKeyDown, true);
  EXPECT_TRUE(IsKeyDown(kKeyDown));
  root.OnKey(kKeyDown, false);
  root.OnKey(kKeyEnter, true);
  EXPECT_EQ(below.keys, (std::vector<int>{kKeyDown, -kKeyDown - 1, kKeyEnter}));
  // Codes outside the key table are never latched and never crash.
  LatchKey(99);
  LatchKey(-1);
  EXPECT_FALSE(IsKeyLatched(99));
}

TEST_F(ScreenTest, TheCaptureGetsEveryStylusEventAtTheRoot) {
  RootScreen root;
  RecordingScreen page(&root);
  page.SetRect(0, 0, 240, 320);
  std::unique_ptr<PushButton> button(MakeButton(&page, 3, 10, 10));
  root.OnStylus(11, 11, kStylusPress);
  root.OnStylus(200, 300, kStylusMove);
  root.OnStylus(12, 12, kStylusMove);  // back on the button before lifting
  root.OnStylus(12, 12, kStylusRelease);
  EXPECT_EQ(page.Codes(), (std::vector<int>{kCommandButtonDown, kCommandButtonUp}));
  EXPECT_EQ(StylusCaptureWidget(), nullptr);
}

struct DialogScene {
  explicit DialogScene(bool withList) : page(&root) {
    page.SetRect(0, 0, 240, 320);
    pageButton.reset(MakeButton(&page, 9, 5, 290));
    dialog = std::make_unique<Dialog>(&page, false);
    dialog->SetRect(20, 20, 200, 200);
    if (withList) {
      list = std::make_unique<ListBox>(dialog.get());
      list->SetRect(25, 25, 190, 100);
      for (const char* t : {"one", "two", "three"}) list->AddItem(t, false, false);
    }
    yes.reset(MakeButton(dialog.get(), 1, 30, 180));
    no.reset(MakeButton(dialog.get(), 2, 150, 180));
  }
  RootScreen root;
  RecordingScreen page;
  std::unique_ptr<PushButton> pageButton;
  std::unique_ptr<Dialog> dialog;
  std::unique_ptr<ListBox> list;
  std::unique_ptr<PushButton> yes, no;
};

TEST_F(ScreenTest, AModalDialogSwallowsTapsOutsideItself) {
  DialogScene s(false);
  EXPECT_TRUE(s.root.OnStylus(8, 292, kStylusPress));
  s.root.OnStylus(8, 292, kStylusRelease);
  EXPECT_TRUE(s.page.sent.empty());
  EXPECT_EQ(s.dialog->Parent(), &s.page);
  EXPECT_TRUE(s.dialog->IsVisible());
  // A tap on a dialog's child focuses it.
  s.root.OnStylus(32, 182, kStylusPress);
  EXPECT_EQ(FocusedWidget(), s.yes.get());
  EXPECT_EQ(s.dialog->Focus(), s.yes.get());
  s.root.OnStylus(32, 182, kStylusRelease);
  EXPECT_EQ(s.page.Codes(), (std::vector<int>{kCommandButtonDown, kCommandButtonUp}));
}

TEST_F(ScreenTest, StartAndChooseClickButtonsOneAndTwoWhateverHasTheFocus) {
  for (bool withList : {false, true}) {
    DialogScene s(withList);
    ASSERT_EQ(FocusedWidget(), withList ? static_cast<Screen*>(s.list.get()) : s.no.get());
    for (int key : {kKeyStart, kKeyChoose}) {
      s.root.OnKey(key, true);
      s.root.OnKey(key, false);
    }
    const std::vector<SentCommand> expect = {{s.yes.get(), kCommandButtonDown, 1, kKeyEnter},
                                             {s.yes.get(), kCommandButtonUp, 1, kKeyEnter},
                                             {s.no.get(), kCommandButtonDown, 2, kKeyEnter},
                                             {s.no.get(), kCommandButtonUp, 2, kKeyEnter}};
    EXPECT_EQ(s.page.sent, expect) << "with list " << withList;
  }
}

TEST_F(ScreenTest, UpAndDownGoToAFocusedListButMoveTheFocusFromAButton) {
  DialogScene s(true);
  ASSERT_EQ(FocusedWidget(), s.list.get());
  s.root.OnKey(kKeyDown, true);
  s.root.OnKey(kKeyDown, false);
  EXPECT_EQ(FocusedWidget(), s.list.get());
  EXPECT_EQ(s.list->Selected(), 1);
  s.dialog->OnStylus(32, 182, kStylusPress);  // focus the Yes button
  s.dialog->OnStylus(32, 182, kStylusRelease);
  s.root.OnKey(kKeyDown, true);
  EXPECT_EQ(FocusedWidget(), s.no.get());
  s.root.OnKey(kKeyDown, true);
  EXPECT_EQ(FocusedWidget(), s.list.get());  // wraps to the first child
  EXPECT_EQ(s.list->Selected(), 1);
}

TEST_F(ScreenTest, EnterConfirmsFromAListOnlyWhenTheButtonIsItsOnlySibling) {
  DialogScene three(true);
  three.root.OnKey(kKeyEnter, true);  // three children: the list takes Enter
  EXPECT_EQ(three.page.sent, (std::vector<SentCommand>{{three.list.get(), kCommandEnter, 0, 0}}));
  EXPECT_EQ(three.dialog->Focus(), three.list.get());

  DialogScene two(true);
  two.no->Close();
  two.root.OnKey(kKeyEnter, true);
  two.root.OnKey(kKeyEnter, false);
  EXPECT_EQ(two.page.Codes(), (std::vector<int>{kCommandButtonDown, kCommandButtonUp}));
  EXPECT_EQ(two.page.sent[0].value, 1);
}

TEST_F(ScreenTest, PanelTilesCoverWithCutColumnAndRow) {
  struct Case {
    int w, h, tiles, lastX, lastY, lastMaxW, lastMaxH;
  } cases[] = {
      {100, 70, 12, 96 + 5, 64 + 5, 4, 6},  // 3 full tiles and a 4-pixel column; 2 rows and a 6
      {64, 64, 4, 32 + 5, 32 + 5, 0, 0},    // exact fit: no cut column or row
      {10, 40, 2, 5, 32 + 5, 10, 8},
      {0, 40, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    std::vector<PanelTile> tiles = PanelTiles(5, 5, c.w, c.h, 32, 32);
    ASSERT_EQ(static_cast<int>(tiles.size()), c.tiles) << c.w << "x" << c.h;
    if (tiles.empty()) continue;
    const PanelTile& last = tiles.back();
    EXPECT_EQ(last.x, c.lastX);
    EXPECT_EQ(last.y, c.lastY);
    EXPECT_EQ(last.maxWidth, c.lastMaxW);
    EXPECT_EQ(last.maxHeight, c.lastMaxH);
    EXPECT_EQ(tiles.front().maxWidth, c.w < 32 ? c.w : 0);
  }
  std::vector<PanelTile> tiles = PanelTiles(0, 0, 100, 70, 32, 32);
  EXPECT_EQ(tiles[3].maxWidth, 4);   // end of the first row
  EXPECT_EQ(tiles[3].maxHeight, 0);  // full rows before the last
  EXPECT_TRUE(PanelTiles(0, 0, 100, 70, 0, 32).empty());
}

TEST_F(ScreenTest, ButtonFramesAreRaisedOrPressed) {
  auto grey = [&](int x, int y) {
    std::uint8_t r, g, b;
    buffer_.ReadPixel(x, y, &r, &g, &b);
    return static_cast<int>(g);  // green has the most bits in 5-6-5
  };
  auto G = [](int v) { return ((v >> 2) << 2) | (v >> 6); };  // v as 6-bit green reads back
  const Box rect(Fixed(10), Fixed(10), Fixed(20), Fixed(12));
  DrawButtonFrame(buffer_, rect, false, false, 0);
  EXPECT_EQ(grey(10, 10), G(200));
  EXPECT_EQ(grey(11, 11), G(180));
  EXPECT_EQ(grey(30, 22), G(50));
  EXPECT_EQ(grey(29, 21), G(130));
  EXPECT_EQ(grey(20, 15), G(167));  // face
  DrawButtonFrame(buffer_, rect, true, false, 0);
  EXPECT_EQ(grey(10, 10), 0);
  EXPECT_EQ(grey(11, 11), G(200));
  EXPECT_EQ(grey(12, 12), G(180));
  EXPECT_EQ(grey(31, 11), G(200));  // the light edge shifted right and down
  EXPECT_EQ(grey(30, 15), G(130));
}

}  // namespace
}  // namespace qv
