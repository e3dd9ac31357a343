#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/KeyMap.h"
#include "support/UiFixture.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"
#include "ui/RootScreen.h"
#include "ui/ScrollBar.h"
#include "ui/TextView.h"

namespace qv {
namespace {

using test::RecordingScreen;
using test::SentCommand;

class ControlsTest : public test::UiTest {
 protected:
  ControlsTest() : page_(&root_) { page_.SetRect(0, 0, 240, 320); }
  void Tap(int x, int y) {
    root_.OnStylus(x, y, kStylusPress);
    root_.OnStylus(x, y, kStylusRelease);
  }
  RootScreen root_;
  RecordingScreen page_;
};

std::vector<std::string> Lines(const TextView& view) {
  std::vector<std::string> lines;
  for (int i = 0; i < view.LineCount(); ++i) lines.push_back(view.Line(i));
  return lines;
}

TEST_F(ControlsTest, TextButtonsFitTheirLabel) {
  PushButton button(&page_);
  button.SetText(" Yes ");
  button.SetRect(10, 20, 0, 0);
  EXPECT_EQ(button.GetRect(), Box(Fixed(10), Fixed(20), Fixed(36), Fixed(16)));
  EXPECT_EQ(ButtonWidth(button), 36);
  EXPECT_EQ(ButtonHeight(), 16);
  button.SetPosition(100, 5);
  EXPECT_EQ(button.GetRect(), Box(Fixed(64), Fixed(5), Fixed(36), Fixed(16)));
  button.SetText(nullptr);
  EXPECT_EQ(button.Label(), nullptr);
}

TEST_F(ControlsTest, SlidingOffAButtonBeforeLiftingCancelsTheClick) {
  PushButton button(&page_);
  button.SetId(7);
  button.SetRect(10, 10, 40, 0);
  root_.OnStylus(20, 15, kStylusPress);
  EXPECT_TRUE(button.IsPressed());
  root_.OnStylus(120, 150, kStylusMove);
  EXPECT_FALSE(button.IsPressed());
  root_.OnStylus(120, 150, kStylusRelease);
  EXPECT_EQ(page_.sent, (std::vector<SentCommand>{{&button, kCommandButtonDown, 7, 0}}));
  EXPECT_EQ(StylusCaptureWidget(), nullptr);
  Tap(20, 15);
  EXPECT_EQ(page_.Codes(),
            (std::vector<int>{kCommandButtonDown, kCommandButtonDown, kCommandButtonUp}));
}

TEST_F(ControlsTest, AFocusedButtonEatsEveryKeyAndOnlyEnterAndStartClickIt) {
  PushButton button(&page_);
  button.SetId(3);
  for (int key : {kKeyUp, kKeyDown, kKeyLeft, kKeyChoose, kKeyDigit0}) {
    EXPECT_TRUE(root_.OnKey(key, true));
    EXPECT_TRUE(root_.OnKey(key, false));
  }
  EXPECT_TRUE(page_.sent.empty());
  for (int key : {kKeyEnter, kKeyStart}) {
    root_.OnKey(key, true);
    root_.OnKey(key, false);
  }
  const std::vector<SentCommand> expect = {{&button, 4, 3, kKeyEnter},
                                           {&button, 5, 3, kKeyEnter},
                                           {&button, 4, 3, kKeyStart},
                                           {&button, 5, 3, kKeyStart}};
  EXPECT_EQ(page_.sent, expect);
}

TEST_F(ControlsTest, AHeldArrowScrollsOneLinePerTickToTheEnd) {
  TextView view(&page_, 0);
  view.SetRect(10, 10, 100, 42);  // three rows of 14
  ASSERT_EQ(view.VisibleLines(), 3);
  for (int i = 0; i < 10; ++i) view.AddLine("line", 0);
  const Box down = view.Bar().DownArrow()->GetRect();
  const int x = down.x.ToInt() + 2, y = down.y.ToInt() + 2;
  root_.OnStylus(x, y, kStylusPress);
  EXPECT_EQ(view.FirstLine(), 1);
  std::vector<int> seen;
  for (int tick = 0; tick < 8; ++tick) {
    view.Draw();
    seen.push_back(view.FirstLine());
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 5, 6, 7, 7, 7}));
  EXPECT_EQ(view.Bar().Position(), 7);
  root_.OnStylus(x, y, kStylusRelease);
  const Box up = view.Bar().UpArrow()->GetRect();
  root_.OnStylus(up.x.ToInt() + 2, up.y.ToInt() + 2, kStylusPress);
  for (int tick = 0; tick < 10; ++tick) view.Draw();
  EXPECT_EQ(view.FirstLine(), 0);
  root_.OnStylus(up.x.ToInt() + 2, up.y.ToInt() + 2, kStylusRelease);
  EXPECT_TRUE(page_.sent.empty());
}

TEST_F(ControlsTest, AShortTextShowsAllAndDoesNotScroll) {
  TextView view(&page_, 0);
  view.SetRect(10, 10, 100, 70);
  view.SetText("one two\nthree");
  ASSERT_EQ(view.LineCount(), 2);
  root_.OnKey(kKeyDown, true);
  EXPECT_EQ(view.FirstLine(), 0);
  view.OnCommand(&view.Bar(), kCommandThumbDragged, 1, 0);
  EXPECT_EQ(view.FirstLine(), 0);
  EXPECT_EQ(view.Bar().Maximum(), 1);
  root_.OnKey(kKeyEnter, true);
  EXPECT_EQ(page_.sent, (std::vector<SentCommand>{{&view, kCommandEnter, 0, 0}}));
  Tap(20, 20);  // taps on the text do nothing
  EXPECT_EQ(page_.sent.size(), 1u);
}

TEST_F(ControlsTest, TextWrapsToTheWidthLeftOfTheBarWithParagraphIndent) {
  TextView view(&page_, 0);
  view.SetRect(0, 0, 100, 200);  // 92 pixels for text; letters advance 8, spaces 4
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"aaaa bbbb cccc dddd\nee", {"   aaaa bbbb", "cccc dddd", "   ee"}},
      {"wwwwwwwwwwww x", {"   wwwwwwwwwwww", "x"}},  // too wide: alone on its line
      {"a\n\nb", {"   a", "  ", "   b"}},
      {"aaaa   bbbb", {"   aaaa bbbb"}},
      {"", {"  "}},
  };
  for (const Case& c : cases) {
    view.SetText(c.text);
    EXPECT_EQ(Lines(view), c.lines) << c.text;
  }
  view.SetText(nullptr);
  EXPECT_EQ(view.LineCount(), 0);
  std::string many;
  for (int i = 0; i < 250; ++i) many += "x\n";
  view.SetText(many.c_str());
  EXPECT_EQ(view.LineCount(), kMaxTextLines);
}

TEST_F(ControlsTest, AMessageBoxSitsAtTheBottomSizedToItsText) {
  EXPECT_EQ(LineCount(nullptr), 0);
  EXPECT_EQ(LineCount(""), 0);
  EXPECT_EQ(LineCount("a\nb\n"), 3);
  std::unique_ptr<MessageBox> box(ShowMessage(&page_, "Line one\nLine two", "Ok", 7, "Cancel", 8));
  EXPECT_EQ(box->GetRect(), Box(Fixed(10), Fixed(250), Fixed(220), Fixed(60)));  // 16 + 2*12 + 20
  EXPECT_TRUE(box->IsModal());
  EXPECT_EQ(box->YesButton().GetRect(), Box(Fixed(18), Fixed(286), Fixed(20), Fixed(16)));
  EXPECT_EQ(box->NoButton().GetRect(), Box(Fixed(170), Fixed(286), Fixed(52), Fixed(16)));
  Tap(180, 290);
  Tap(5, 5);  // outside: swallowed by the modal box
  EXPECT_EQ(page_.sent, (std::vector<SentCommand>{{box.get(), 8, 0, 0}}));
  root_.OnKey(kKeyStart, true);
  root_.OnKey(kKeyStart, false);
  EXPECT_EQ(page_.Codes(), (std::vector<int>{8, 7}));
  box->Close();
}

TEST_F(ControlsTest, ASingleButtonBoxAnswersOnlyWithItsRemainingButton) {
  std::unique_ptr<MessageBox> box(ShowMessage(&page_, "Your memory\nis low.", "Ok", 39, "Ok", 39));
  box->YesButton().Close();
  // With no button 1 left, Start and Enter reach the focused Ok; Choose clicks it as button 2.
  for (int key : {kKeyStart, kKeyEnter, kKeyChoose}) {
    root_.OnKey(key, true);
    root_.OnKey(key, false);
  }
  EXPECT_EQ(page_.sent, (std::vector<SentCommand>(3, {box.get(), 39, 0, 0})));
  box->Close();
}

// Closes and deletes its message box when the box's command arrives, as the
// pages of the game do.
class AskingPage : public RecordingScreen {
 public:
  using RecordingScreen::RecordingScreen;
  int OnCommand(Screen* sender, int code, int value, int extra) override {
    RecordingScreen::OnCommand(sender, code, value, extra);
    box->Close();
    delete box;
    box = nullptr;
    return 1;
  }
  MessageBox* box = nullptr;
};

TEST_F(ControlsTest, APageMayDeleteItsBoxWhileTheBoxIsAnswering) {
  AskingPage asking(&root_);
  asking.SetRect(0, 0, 240, 320);
  asking.box = ShowMessage(&asking, "Quit?", " Yes ", 30, " No ", 31);
  const Box yes = asking.box->YesButton().GetRect();
  Tap(yes.x.ToInt() + 2, yes.y.ToInt() + 2);
  EXPECT_EQ(asking.box, nullptr);
  EXPECT_EQ(StylusCaptureWidget(), nullptr);
  EXPECT_EQ(FocusedWidget(), nullptr);
  asking.box = ShowMessage(&asking, "Quit?", " Yes ", 30, " No ", 31);
  root_.OnKey(kKeyChoose, true);
  root_.OnKey(kKeyChoose, false);
  EXPECT_EQ(asking.Codes(), (std::vector<int>{30, 31}));
  EXPECT_EQ(asking.ChildCount(), 0);
}

}  // namespace
}  // namespace qv
