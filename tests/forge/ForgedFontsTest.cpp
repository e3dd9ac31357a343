#include <gtest/gtest.h>

#include <string>

#include "forge/ForgeTree.h"

namespace qv::test {
namespace {

struct FontCase {
  const char* file;
  int letterSpacing;
};
const FontCase kFonts[] = {{"Z_System\\FontBig176x208.bmp", 1},
                           {"Z_System\\FontSmall176x208.bmp", 1},
                           {"Z_System\\FontMenu240x320.bmp", 2}};

// Width of a line as the game measures it.
int Width(const forge::FontPreview& f, int spacing, const std::string& text) {
  int w = 0;
  for (unsigned char c : text) {
    if (c == ' ') {
      w += f.sheetWidth / 112 / 2;
      continue;
    }
    int i = c - 32;
    w += f.a[i] / 4 + static_cast<int>(f.b[i] >> 2) + f.c[i] / 4 + spacing;
  }
  return w;
}

forge::FontPreview Load(const char* rel) {
  forge::FontPreview f;
  EXPECT_TRUE(forge::ReadFontPreview(ForgedPath(rel), &f)) << rel;
  return f;
}

int Ink(const forge::FontPreview& f, int x) {
  int sum = 0;
  for (int y = 0; y < f.sheetHeight; ++y) sum += f.coverage[y * f.sheetWidth + x];
  return sum;
}

TEST(ForgedFonts, SheetsHoldEveryGlyphInsideTheColumnsTheGameDraws) {
  for (const FontCase& fc : kFonts) {
    SCOPED_TRACE(fc.file);
    forge::FontPreview f = Load(fc.file);
    ASSERT_GT(f.sheetWidth, 0);
    ASSERT_EQ(f.sheetWidth % 112, 0);
    const int cell = f.sheetWidth / 112;
    int grey = 0;
    for (int i = 0; i < 112; ++i) {
      const int c = 32 + i;
      const int drawn = (f.a[i] + static_cast<int>(f.b[i])) / 4 + 1;  // columns the game draws
      for (int x = 0; x < cell; ++x) {
        const int ink = Ink(f, i * cell + x);
        if (c > 127 || c == ' ') {
          EXPECT_EQ(ink, 0) << "cell " << c;
        } else if (x >= drawn) {
          EXPECT_EQ(ink, 0) << "char " << c << " column " << x << " is never drawn";
        }
      }
      if (c > 127) {
        EXPECT_EQ(f.a[i], 0);
        EXPECT_EQ(f.b[i], 0u);
        EXPECT_EQ(f.c[i], 0);
      } else if (c > ' ') {
        EXPECT_GT(Ink(f, i * cell), 0) << "char " << c << " starts at its cell's edge";
        EXPECT_GT(f.b[i], 0u) << "char " << c;
      }
    }
    for (std::uint8_t v : f.coverage) grey += v > 0 && v < 255;
    EXPECT_GT(grey, 200);  // anti-aliased, not bi-level
  }
}

TEST(ForgedFonts, MeasureLikeProportionalText) {
  for (const FontCase& fc : kFonts) {
    SCOPED_TRACE(fc.file);
    forge::FontPreview f = Load(fc.file);
    auto w = [&](const char* s) { return Width(f, 0, s); };
    EXPECT_GT(w("W"), w("i"));
    EXPECT_GT(w("m"), w("n"));
    EXPECT_EQ(w("0"), w("8"));
    EXPECT_LT(w("j"), w("J") + 4);
    EXPECT_GE(f.sheetHeight, 10);
    EXPECT_EQ(Width(f, fc.letterSpacing, ""), 0);
    EXPECT_EQ(Width(f, 3, "  "), 2 * (f.sheetWidth / 112 / 2));  // spaces take no spacing
  }
}

TEST(ForgedFonts, TheScreensLayoutsFit) {
  const forge::FontPreview big = Load(kFonts[0].file);
  const forge::FontPreview small = Load(kFonts[1].file);
  const forge::FontPreview menu = Load(kFonts[2].file);
  // Seven menu entries one line apart from y = 147 end above y = 315, right
  // aligned at x = 112 with room to their left.
  const int m = menu.sheetHeight + 3;
  EXPECT_LE(147 + 7 * m, 315);
  for (const char* e : {"Play", "Create", "Options", "Help", "About", "Learn", "Exit"}) {
    EXPECT_LE(Width(menu, 2, e), 100) << e;
  }
  EXPECT_LE(Width(menu, 2, "Select level"), 200);
  // The descriptions type out from x = 140 on a 240-pixel screen.
  for (const char* line :
       {"Start new", "continue", "existing", "puzzles to", "share with", "preferen-", "helpfull",
        "informa-", "credits.", "Learn how", "   back :-)"}) {
    EXPECT_LE(140 + Width(small, 0, line), 236) << line;
  }
  // Message boxes are 220 pixels wide; the longest is the low-memory one.
  const int a = big.sheetHeight, b = a + 4;
  for (const char* line : {"exit to main menu.", "The program will", "Congratulations!!!",
                           "The puzzle is solved", "Choose your action:"}) {
    EXPECT_LE(Width(big, 1, line), 210) << line;
  }
  EXPECT_LE(b + 7 * a + 20, 300);
  // The options page stacks eleven rows of big text and buttons in 310 pixels.
  EXPECT_LT(7 * a + b / 2 + 2 * (b / 2 + a) + b + b + b / 2, 310);
  EXPECT_LE(11 + Width(big, 1, "CHOOSE BUTTON:") + Width(big, 1, "Enter") + 4, 225);
  EXPECT_LE(Width(big, 1, "Press CHOOSE button..."), 220);
  // The board's button strip holds both buttons on one row.
  EXPECT_LE(Width(big, 1, "Start puzzle") + Width(big, 1, " Menu ") + 16, 240);
}

}  // namespace
}  // namespace qv::test
