#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/FontWriter.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "support/TempDir.h"
#include "ui/Framework.h"
#include "ui/Screen.h"
#include "ui/UiResources.h"

namespace qv::test {

// A synthetic font: every drawable glyph is a solid block `ink` pixels wide
// with a 1-pixel gap, so each character advances ink + 1 (+ letter spacing)
// and a space advances cellWidth / 2.
inline bool MakeBlockFont(Font& font, const std::string& path, int cellWidth, int height, int ink) {
  FontFileData data;
  data.sheetWidth = cellWidth * kFontRecordCount;
  data.sheetHeight = height;
  data.coverage.assign(static_cast<std::size_t>(data.sheetWidth) * height, 0);
  for (int c = 0; c < kFontRecordCount; ++c) {
    data.widths[c] = {0, static_cast<std::uint32_t>(ink * 4), 4};
    for (int y = 1; y < height - 1; ++y) {
      for (int x = 0; x < ink; ++x) data.coverage[y * data.sheetWidth + c * cellWidth + x] = 255;
    }
  }
  return WriteFontFile(path.c_str(), data, false) && font.Load(path.c_str());
}

// One command a widget sent up.
struct SentCommand {
  Screen* sender;
  int code, value, extra;
  bool operator==(const SentCommand&) const = default;
};

// A page that records the commands reaching it.
class RecordingScreen : public Screen {
 public:
  explicit RecordingScreen(Screen* parent) : Screen(parent) {}
  int OnCommand(Screen* sender, int code, int value, int extra) override {
    sent.push_back({sender, code, value, extra});
    return 1;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const SentCommand& c : sent) codes.push_back(c.code);
    return codes;
  }
  std::vector<SentCommand> sent;
};

// Fonts with known metrics, a 240 x 320 back buffer and a clean framework.
// Big font: cell 8, line 12 (button height 16, scroll bar width 8), glyphs 6
// wide advancing 8 with the letter spacing of 1. Small font: cell 8, line 10
// (rows of 14).
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFramework();
    ASSERT_TRUE(MakeBlockFont(big_, dir_.File("big.bmp"), 8, 12, 6));
    ASSERT_TRUE(MakeBlockFont(small_, dir_.File("small.bmp"), 8, 10, 6));
    ASSERT_TRUE(MakeBlockFont(menu_, dir_.File("menu.bmp"), 10, 16, 8));
    big_.SetLetterSpacing(1);
    small_.SetLetterSpacing(1);
    SetBigFont(&big_);
    SetSmallFont(&small_);
    SetMenuFont(&menu_);
    ASSERT_TRUE(buffer_.Create(240, 320));
    SetBackBuffer(&buffer_);
  }
  void TearDown() override {
    SetBackBuffer(nullptr);
    SetBigFont(nullptr);
    SetSmallFont(nullptr);
    SetMenuFont(nullptr);
    SetDialogTexture(nullptr);
    ResetFramework();
  }

  TempDir dir_;
  Font big_, small_, menu_;
  Surface buffer_{kFormatDirect565, 16};
};

}  // namespace qv::test
