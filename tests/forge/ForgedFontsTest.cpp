#include <gtest/gtest.h>

#include <string>

#include "forge/ForgeTree.h"
#include "gfx/Font.h"
#include "gfx/Surface.h"
#include "platform/Display.h"

namespace qv::test {
namespace {

struct FontCase {
  const char* file;
  int letterSpacing;
};
const FontCase kFonts[] = {{"Z_System\\FontBig176x208.bmp", 1},
                           {"Z_System\\FontSmall176x208.bmp", 1},
                           {"Z_System\\FontMenu240x320.bmp", 2}};

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

// The three fonts as the application loads them, with its spacing.
class GameFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(fonts_[i].Load(ForgedPath(kFonts[i].file).c_str())) << kFonts[i].file;
      fonts_[i].SetLetterSpacing(kFonts[i].letterSpacing);
    }
    menu().SetLineGap(3);
  }
  Font& big() { return fonts_[0]; }
  Font& small() { return fonts_[1]; }
  Font& menu() { return fonts_[2]; }
  Font fonts_[3];
};

// Drawn through the game's own glyph routine, every character puts down all
// the ink of its cell: nothing is cut off by its width record.
TEST_F(GameFonts, EveryGlyphDrawsAllItsInk) {
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(kFonts[k].file);
    const forge::FontPreview sheet = Load(kFonts[k].file);
    const int cell = fonts_[k].CellWidth();
    for (int c = 33; c <= 126; ++c) {
      long inSheet = 0;
      for (int y = 0; y < sheet.sheetHeight; ++y) {
        for (int x = 0; x < cell; ++x)
          inSheet += sheet.coverage[y * sheet.sheetWidth + (c - 32) * cell + x];
      }
      Surface s(kFormatDirect888, 24);
      ASSERT_TRUE(s.Create(cell * 3, fonts_[k].SheetHeight()));
      s.Clear(0, 0, 0);
      fonts_[k].DrawGlyph(s, cell, 0, c, 255, 255, 255, 255, nullptr);
      long drawn = 0;
      for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
          std::uint8_t r, g, b;
          s.ReadPixel(x, y, &r, &g, &b);
          drawn += r;
        }
      }
      EXPECT_EQ(drawn, inSheet) << "char " << c;
    }
  }
}

TEST_F(GameFonts, MeasureLikeProportionalText) {
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(kFonts[k].file);
    Font& f = fonts_[k];
    EXPECT_GT(f.TextWidth("W"), f.TextWidth("i"));
    EXPECT_GT(f.TextWidth("m"), f.TextWidth("n"));
    EXPECT_EQ(f.TextWidth("0"), f.TextWidth("8"));
    EXPECT_GE(f.SheetHeight(), 10);
    EXPECT_EQ(f.TextWidth("  "), 2 * (f.CellWidth() / 2));  // spaces take no spacing
    EXPECT_EQ(f.TextWidth("ab"), f.GlyphAdvance('a') + f.GlyphAdvance('b') + 2 * f.LetterSpacing());
    // "f" and "j" may reach past their pen; their advance stays positive.
    EXPECT_GT(f.GlyphAdvance('f'), 0);
    EXPECT_GT(f.GlyphAdvance('j'), 0);
  }
  EXPECT_GT(menu().SheetHeight(), big().SheetHeight());
  EXPECT_GE(big().SheetHeight(), small().SheetHeight());
}

TEST_F(GameFonts, TheScreensLayoutsFit) {
  // Seven menu entries one line apart from y = 147 end above y = 315, right
  // aligned at x = 112 with room to their left.
  EXPECT_LE(147 + 7 * menu().LineHeight(), 315);
  for (const char* e : {"Play", "Create", "Options", "Help", "About", "Learn", "Exit"}) {
    EXPECT_LE(menu().TextWidth(e), 100) << e;
  }
  EXPECT_LE(menu().TextWidth("Select level"), 200);
  // The descriptions type out from x = 140 on a 240-pixel screen.
  for (const char* line :
       {"Start new", "continue", "existing", "puzzles to", "share with", "preferen-", "helpfull",
        "informa-", "credits.", "Learn how", "   back :-)"}) {
    EXPECT_LE(140 + small().TextWidth(line), 236) << line;
  }
  // Message boxes are 220 pixels wide; the longest is the low-memory one.
  const int a = big().LineHeight(), b = a + 4;
  for (const char* line : {"exit to main menu.", "The program will", "Congratulations!!!",
                           "The puzzle is solved", "Choose your action:"}) {
    EXPECT_LE(big().TextWidth(line), 210) << line;
  }
  EXPECT_LE(b + 7 * a + 20, 300);
  // The options page stacks its rows of big text and buttons in 310 pixels.
  EXPECT_LT(7 * a + b / 2 + 2 * (b / 2 + a) + b + b + b / 2, 310);
  EXPECT_LE(11 + big().TextWidth("CHOOSE BUTTON:") + big().TextWidth("Enter") + 4, 225);
  EXPECT_LE(big().TextWidth("Press CHOOSE button..."), 220);
  // The board's button strip holds both buttons on one row.
  EXPECT_LE(big().TextWidth("Start puzzle") + big().TextWidth(" Menu ") + 16, 240);
}

}  // namespace
}  // namespace qv::test
