#include <gtest/gtest.h>

#include <string>

#include "platform/KeyMap.h"
#include "support/UiFixture.h"
#include "ui/ListBox.h"
#include "ui/RootScreen.h"

namespace qv {
namespace {

using test::RecordingScreen;

// A list of `count` rows at (10, 10), 100 wide, four rows of 14 shown.
class ListBoxTest : public test::UiTest {
 protected:
  ListBoxTest() : page_(&root_), list_(&page_) { page_.SetRect(0, 0, 240, 320); }
  void Fill(int count) {
    list_.SetRect(10, 10, 100, 60);
    for (int i = 0; i < count; ++i)
      list_.AddItem(("row " + std::to_string(i)).c_str(), false, false);
  }
  void Press(int key, int times) {
    for (int i = 0; i < times; ++i) {
      root_.OnKey(key, true);
      root_.OnKey(key, false);
    }
  }
  RootScreen root_;
  RecordingScreen page_;
  ListBox list_;
};

TEST_F(ListBoxTest, KeysMoveTheSelectionAndTheListFollows) {
  Fill(10);
  EXPECT_EQ(list_.GetRect().h, Fixed(56));  // cut to whole rows
  EXPECT_EQ(list_.VisibleRows(), 4);
  EXPECT_EQ(page_.Focus(), &list_);
  struct Step {
    int key, times, selected, firstRow;
  } steps[] = {
      {kKeyUp, 1, 0, 0},   {kKeyDown, 3, 3, 0}, {kKeyDown, 2, 5, 2},
      {kKeyDown, 9, 9, 6}, {kKeyUp, 4, 5, 5},   {kKeyUp, 9, 0, 0},
  };
  for (const Step& s : steps) {
    Press(s.key, s.times);
    EXPECT_EQ(list_.Selected(), s.selected);
    EXPECT_EQ(list_.FirstRow(), s.firstRow);
    EXPECT_EQ(list_.Bar().Position(), s.selected);
  }
  EXPECT_EQ(list_.Bar().Maximum(), 9);
  Press(kKeyEnter, 1);
  EXPECT_EQ(page_.Codes(), (std::vector<int>{2}));
}

TEST_F(ListBoxTest, ATapSelectsTheRowUnderItAndSendsNothing) {
  Fill(6);
  Press(kKeyDown, 4);  // rows 1..4 shown
  ASSERT_EQ(list_.FirstRow(), 1);
  root_.OnStylus(20, 10 + 2 * 14 + 3, kStylusPress);
  root_.OnStylus(20, 10 + 2 * 14 + 3, kStylusRelease);
  EXPECT_EQ(list_.Selected(), 3);
  EXPECT_TRUE(page_.sent.empty());

  ListBox shortList(&page_);
  shortList.SetRect(10, 100, 100, 60);
  shortList.AddItem("only", true, true);
  root_.OnStylus(20, 100 + 3 * 14, kStylusPress);  // below the last row
  EXPECT_EQ(shortList.Selected(), 0);
  shortList.SetItem(5, "nothing there", false);
  EXPECT_EQ(shortList.ItemCount(), 1);
}

TEST_F(ListBoxTest, DraggingTheThumbSelectsAndScrollsToTheRow) {
  Fill(20);
  const Box bar = list_.Bar().GetRect();
  const int x = bar.x.ToInt() + 2;
  const int thumb = list_.Bar().ThumbTop();
  root_.OnStylus(x, thumb + 2, kStylusPress);
  root_.OnStylus(x + 50, 400, kStylusMove);  // far past the end: clamped
  EXPECT_EQ(list_.Selected(), 19);
  EXPECT_EQ(list_.FirstRow(), 16);
  EXPECT_EQ(page_.Codes(), std::vector<int>{});
  root_.OnStylus(x, 0, kStylusMove);
  EXPECT_EQ(list_.Selected(), 0);
  EXPECT_EQ(list_.FirstRow(), 0);
  root_.OnStylus(x, 0, kStylusRelease);
  EXPECT_EQ(StylusCaptureWidget(), nullptr);
  root_.OnStylus(x, thumb + 30, kStylusMove);  // no longer dragging
  EXPECT_EQ(list_.Selected(), 0);
}

TEST_F(ListBoxTest, HoldingTheDownArrowMovesTheSelectionARowPerTick) {
  Fill(6);
  const Box down = list_.Bar().DownArrow()->GetRect();
  root_.OnStylus(down.x.ToInt() + 1, down.y.ToInt() + 1, kStylusPress);
  for (int tick = 0; tick < 3; ++tick) list_.Draw();
  EXPECT_EQ(list_.Selected(), 4);
  EXPECT_EQ(list_.FirstRow(), 1);
  for (int tick = 0; tick < 5; ++tick) list_.Draw();
  EXPECT_EQ(list_.Selected(), 5);
  EXPECT_EQ(list_.FirstRow(), 2);
}

TEST_F(ListBoxTest, LockedRowsAreGreyAndMarksGreen) {
  list_.SetRect(10, 10, 100, 60);
  list_.AddItem("open", true, false);
  list_.AddItem("locked", true, true);
  Press(kKeyDown, 1);
  list_.Draw();
  auto rgb = [&](int x, int y) {
    std::uint8_t r, g, b;
    buffer_.ReadPixel(x, y, &r, &g, &b);
    return std::vector<int>{r, g, b};
  };
  const int row0 = 12, row1 = 12 + 14;  // text tops; glyph ink from 1 to 8 down
  EXPECT_EQ(rgb(13, row0 + 3), (std::vector<int>{8, 8, 8}));        // unselected: near black
  EXPECT_EQ(rgb(13, row1 + 3), (std::vector<int>{173, 170, 173}));  // selected locked: light grey
  EXPECT_EQ(rgb(60, row1 + 3), (std::vector<int>{132, 130, 132}));  // its bar
  EXPECT_EQ(rgb(10 + 2 + 100 - 20 + 1, row0 + 3), (std::vector<int>{0, 130, 0}));
  EXPECT_EQ(rgb(10 + 2 + 100 - 20 + 1, row1 + 3), (std::vector<int>{0, 255, 0}));
}

}  // namespace
}  // namespace qv
