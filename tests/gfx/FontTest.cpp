#include "gfx/Font.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "gfx/BmpWriter.h"
#include "gfx/FontWriter.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "support/TempDir.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kSheetWidth = 1120;  // cells of 10 pixels; "A" starts at 330
constexpr int kSheetHeight = 4;

// Every cell is inked all over (coverage 255) except the last column of each
// cell, which is 128, so glyph edges and overhang into neighbours show.
// "A": A = 4, B = 24, C = 8, so columns 330..337, one pixel right of the pen.
FontFileData TestFont() {
  FontFileData f;
  f.sheetWidth = kSheetWidth;
  f.sheetHeight = kSheetHeight;
  f.coverage.resize(kSheetWidth * kSheetHeight);
  for (int y = 0; y < kSheetHeight; ++y) {
    for (int x = 0; x < kSheetWidth; ++x) f.coverage[y * kSheetWidth + x] = x % 10 == 9 ? 128 : 255;
  }
  for (FontWidthRecord& w : f.widths) w = {0, 20, 4};  // 6 pixels wide, advance 6
  f.widths['A' - 32] = {4, 24, 8};
  f.widths['B' - 32] = {-4, 8, -5};  // starts 1 left of the pen, advance 2 - 1
  f.metrics.values[0] = 4;
  f.metrics.bytes[8] = 0xCC;
  f.description.values[4] = 400;
  f.description.bytes[7] = 0x22;
  std::strcpy(f.description.faceName, "Test Sans");
  return f;
}

Font& LoadedFont(Font& font, bool rle = false) {
  Bytes bytes = EncodeFontFile(TestFont(), rle);
  EXPECT_TRUE(font.LoadBytes(bytes.data(), static_cast<int>(bytes.size())));
  return font;
}

class FontDrawTest : public ::testing::Test {
 protected:
  FontDrawTest() : surface_(kFormatDirect888, 24) {
    surface_.Create(200, 40);
    surface_.Clear(0, 0, 0);
    LoadedFont(font_);
  }
  int Red(int x, int y) const {
    std::uint8_t r, g, b;
    surface_.ReadPixel(x, y, &r, &g, &b);
    return r;
  }
  // Inked columns of one row, as [first, last]; -1 when none.
  std::pair<int, int> Inked(int y) const {
    int first = -1, last = -1;
    for (int x = 0; x < surface_.Width(); ++x) {
      if (Red(x, y) == 0) continue;
      if (first < 0) first = x;
      last = x;
    }
    return {first, last};
  }

  Surface surface_;
  Font font_;
};

TEST_F(FontDrawTest, CellAndAdvanceArithmetic) {
  EXPECT_EQ(font_.CellWidth(), 10);
  EXPECT_EQ(font_.LineHeight(), 4);
  font_.SetLineGap(3);
  EXPECT_EQ(font_.LineHeight(), 7);
  EXPECT_EQ(font_.GlyphAdvance('A'), 1 + 6 + 2);
  EXPECT_EQ(font_.GlyphAdvance('B'), -1 + 2 - 1);
  EXPECT_EQ(font_.GlyphAdvance('z'), 6);

  EXPECT_EQ(font_.DrawGlyph(surface_, 50, 10, 'A', 255, 255, 255, 255, nullptr), 9);
  EXPECT_EQ(Inked(10), std::make_pair(51, 58)) << "columns left..left + 7, 1 right of the pen";
  EXPECT_EQ(Inked(13), std::make_pair(51, 58));
  EXPECT_EQ(Inked(14).first, -1) << "the sheet height is the line";
  EXPECT_EQ(Inked(9).first, -1);
  EXPECT_EQ(Red(51, 10), 255);

  // Overhang to the left of the pen.
  EXPECT_EQ(font_.DrawGlyph(surface_, 100, 20, 'B', 255, 255, 255, 255, nullptr), 0);
  EXPECT_EQ(Inked(20), std::make_pair(99, 100));
}

TEST_F(FontDrawTest, TextWidthSpacesAndCharactersWithoutGlyphs) {
  struct Case {
    const char* text;
    int width;
  } cases[] = {
      {"", 0},
      {" ", 5},  // half a cell, no letter spacing
      {"A", 9 + 2},
      {"A A", 11 + 5 + 11},
      {"\x7f", 6 + 2},
      {"\x1f", 0 + 2},  // no glyph: no room, but letter spacing as any character
      {"\x80\xff", 2 + 2},
  };
  for (const Case& c : cases) EXPECT_EQ(font_.TextWidth(c.text), c.width) << c.text;
  EXPECT_EQ(font_.TextWidth(nullptr), 0);
  font_.SetLetterSpacing(0);
  EXPECT_EQ(font_.TextWidth("AA"), 18);

  for (int c : {0, 31, 128, 143, 255, -5, 1000}) {
    EXPECT_EQ(font_.DrawGlyph(surface_, 10, 10, c, 255, 255, 255, 255, nullptr), 0) << c;
    EXPECT_EQ(font_.GlyphAdvance(c), 0) << c;
  }
  EXPECT_EQ(Inked(10).first, -1);
}

TEST_F(FontDrawTest, DrawTextAdvancesLikeTextWidth) {
  font_.SetLetterSpacing(1);
  font_.SetLineGap(3);  // base = y + 1
  font_.DrawText(surface_, 20, 5, "A A", 255, 0, 0, kTextPlain, 255, nullptr);
  EXPECT_EQ(Inked(5).first, -1);
  EXPECT_EQ(Inked(6), std::make_pair(21, 20 + 10 + 5 + 1 + 7));
  EXPECT_EQ(Red(29, 6), 0) << "gap after the first A";
  EXPECT_EQ(Red(36, 6), 255) << "second A after 9 + 1 + 5";
  font_.DrawText(surface_, 0, 0, nullptr, 255, 0, 0, kTextPlain, 255, nullptr);
}

TEST_F(FontDrawTest, ShadowAndOutlineDrawBlackCopiesFirst) {
  surface_.Clear(100, 100, 100);
  font_.DrawText(surface_, 50, 10, "A", 255, 255, 255, kTextShadowed, 255, nullptr);
  EXPECT_EQ(Red(51, 10), 255);
  EXPECT_EQ(Red(58, 13), 255) << "the coloured copy is drawn last";
  EXPECT_EQ(Red(59, 14), 0) << "shadow one right and down";
  EXPECT_EQ(Red(52, 14), 0);
  EXPECT_EQ(Red(59, 9), 100);
  EXPECT_EQ(Red(50, 10), 100);

  surface_.Clear(100, 100, 100);
  font_.DrawText(surface_, 50, 10, "A", 255, 255, 255, kTextOutlined, 255, nullptr);
  for (auto [x, y] : {std::pair{50, 9}, {59, 9}, {50, 14}, {59, 14}}) {
    EXPECT_EQ(Red(x, y), 0) << x << "," << y;
  }
  EXPECT_EQ(Red(55, 12), 255);
  EXPECT_EQ(Red(49, 10), 100);
  EXPECT_EQ(Red(60, 10), 100);
}

TEST_F(FontDrawTest, AlphaScalesCoverage) {
  EXPECT_EQ(font_.DrawGlyph(surface_, 50, 10, 'A', 255, 255, 255, 0, nullptr), 9);
  EXPECT_EQ(Inked(10).first, -1) << "alpha 0 draws nothing but still advances";
  // Transparency 255 - v * alpha / 255 over black: 255 - t remains.
  font_.DrawGlyph(surface_, 50, 10, 'A', 255, 255, 255, 100, nullptr);
  EXPECT_EQ(Red(51, 10), 255 + (0 - 255) * (255 - 100) / 255);
  // A glyph of 9 columns reaches its cell's last column, coverage 128.
  FontFileData f = TestFont();
  f.widths['C' - 32] = {0, 36, 0};
  Bytes bytes = EncodeFontFile(f, false);
  Font wide;
  ASSERT_TRUE(wide.LoadBytes(bytes.data(), static_cast<int>(bytes.size())));
  wide.DrawGlyph(surface_, 10, 20, 'C', 255, 255, 255, 255, nullptr);
  EXPECT_EQ(Red(19, 20), 255 + (0 - 255) * (255 - 128) / 255);
  wide.DrawGlyph(surface_, 10, 30, 'C', 255, 255, 255, 200, nullptr);
  EXPECT_EQ(Red(19, 30), 255 + (0 - 255) * (255 - 128 * 200 / 255) / 255);
}

TEST_F(FontDrawTest, ClipBoxIncludesItsEdges) {
  // Glyph columns 96..103, rows 10..13; box from (98, 11) to (100, 12).
  const Box clip(Fixed(98), Fixed(11), Fixed(2), Fixed(1));
  font_.DrawGlyph(surface_, 95, 10, 'A', 255, 255, 255, 255, &clip);
  EXPECT_EQ(Inked(10).first, -1);
  EXPECT_EQ(Inked(11), std::make_pair(98, 100)) << "column 100 is still drawn";
  EXPECT_EQ(Inked(12), std::make_pair(98, 100));
  EXPECT_EQ(Inked(13).first, -1);
  // Every copy of every style keeps to the box.
  surface_.Clear(0, 0, 0);
  font_.DrawText(surface_, 95, 10, "AAA", 255, 255, 255, kTextOutlined, 255, &clip);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) {
      const bool inside = x >= 98 && x <= 100 && y >= 11 && y <= 12;
      ASSERT_TRUE(inside || Red(x, y) == 0) << x << "," << y;
    }
  }
  // A box wholly off the glyph, and one with its end before its start.
  const Box away(Fixed(0), Fixed(0), Fixed(5), Fixed(5));
  const Box inverted(Fixed(120), Fixed(12), Fixed(-30), Fixed(0));
  font_.DrawGlyph(surface_, 95, 10, 'A', 255, 255, 255, 255, &away);
  font_.DrawGlyph(surface_, 95, 20, 'A', 255, 255, 255, 255, &inverted);
  EXPECT_EQ(Inked(22).first, -1);
}

TEST_F(FontDrawTest, SurfaceEdgesAndFarPositionsStaySafe) {
  for (int x : {-5, 195, INT_MIN, INT_MAX, -2000000000}) {
    for (int y : {-2, 38, INT_MIN, INT_MAX}) {
      font_.DrawText(surface_, x, y, "AB AB", 255, 255, 255, kTextOutlined, 128, nullptr);
      font_.DrawGlyph(surface_, x, y, 'A', 255, 255, 255, 255, nullptr);
    }
  }
  EXPECT_EQ(Red(0, 0), 255) << "the glyph at (-5, -2) shows its bottom right";
  font_.SetLetterSpacing(INT_MAX);
  EXPECT_EQ(font_.TextWidth("AAAA"), INT_MAX);
}

TEST(FontLoadTest, FileRoundTripKeepsRecordsAndRleMatchesUncompressed) {
  test::TempDir dir;
  const FontFileData data = TestFont();
  ASSERT_TRUE(WriteFontFile(dir.File("Font.bmp").c_str(), data, true));
  Font font;
  ASSERT_TRUE(font.Load(dir.File("font.BMP").c_str()));
  EXPECT_EQ(font.SheetWidth(), kSheetWidth);
  EXPECT_EQ(font.SheetHeight(), kSheetHeight);
  EXPECT_EQ(font.TextMetrics().values[0], 4);
  EXPECT_EQ(font.TextMetrics().bytes[8], 0xCC);
  EXPECT_EQ(font.Description().values[4], 400);
  EXPECT_EQ(font.Description().bytes[7], 0x22);
  EXPECT_STREQ(font.Description().faceName, "Test Sans");
  EXPECT_EQ(font.WidthRecord('B').a, -4);
  EXPECT_EQ(font.WidthRecord('B').c, -5);
  EXPECT_EQ(font.WidthRecord(143).b, 20u);
  EXPECT_EQ(font.WidthRecord(144).b, 0u);

  Surface a(kFormatDirect565, 16), b(kFormatDirect565, 16);
  a.Create(120, 8);
  b.Create(120, 8);
  a.Clear(0, 0, 0);
  b.Clear(0, 0, 0);
  Font plain;
  font.DrawText(a, 2, 2, "Quick Fox", 200, 100, 50, kTextShadowed, 255, nullptr);
  LoadedFont(plain, false)
      .DrawText(b, 2, 2, "Quick Fox", 200, 100, 50, kTextShadowed, 255, nullptr);
  EXPECT_EQ(std::memcmp(a.Pixels(), b.Pixels(), 120 * 8 * 2), 0);
}

TEST(FontLoadTest, CoverageComesFromThePalettesBlueBytes) {
  FontFileData f = TestFont();
  Bytes bytes = EncodeFontFile(f, false);
  // Palette entry 255 (full ink) says blue 0: the whole sheet is blank.
  bytes[54 + 255 * 4] = 0;
  Font font;
  ASSERT_TRUE(font.LoadBytes(bytes.data(), static_cast<int>(bytes.size())));
  Surface s(kFormatDirect888, 24);
  s.Create(20, 6);
  s.Clear(0, 0, 0);
  font.DrawGlyph(s, 0, 0, 'A', 255, 255, 255, 255, nullptr);
  for (int i = 0; i < 20 * 6 * 3; ++i) ASSERT_EQ(s.Pixels()[i], 0);
}

TEST(FontLoadTest, DamagedFilesFailAndAFailedFontDrawsNothing) {
  const FontFileData data = TestFont();
  const Bytes good = EncodeFontFile(data, false);
  std::vector<Bytes> bad = {
      Bytes(good.begin(), good.end() - 1),  // records cut short
      Bytes(good.begin(), good.end() - 60 - 112 * 12 - 56),
      Bytes(good.begin(), good.begin() + 1000),
      {},
  };
  // A 24-bit sheet is no font, whatever follows it.
  Bytes rgb(kSheetWidth * kSheetHeight * 3, 255);
  Bytes picture = EncodeBmp24(kSheetWidth, kSheetHeight, rgb.data());
  picture.insert(picture.end(), good.end() - 1460, good.end());
  bad.push_back(picture);

  Surface s(kFormatDirect565, 16);
  s.Create(50, 10);
  s.Clear(0, 0, 0);
  for (const Bytes& b : bad) {
    Font font;
    LoadedFont(font);
    EXPECT_FALSE(font.LoadBytes(b.data(), static_cast<int>(b.size()))) << b.size();
    EXPECT_FALSE(font.IsLoaded());
    EXPECT_EQ(font.CellWidth(), 0);
    EXPECT_EQ(font.LineHeight(), 0);
    EXPECT_EQ(font.TextWidth("AB C"), 0);
    EXPECT_EQ(font.GlyphAdvance('A'), 0);
    EXPECT_EQ(font.DrawGlyph(s, 0, 0, 'A', 255, 255, 255, 255, nullptr), 0);
    font.DrawText(s, 0, 0, "AB C", 255, 255, 255, kTextOutlined, 255, nullptr);
  }
  Font missing;
  EXPECT_FALSE(missing.Load("/nonexistent/font.bmp"));
  missing.DrawText(s, 0, 0, "AB", 255, 255, 255, kTextPlain, 255, nullptr);
  for (int i = 0; i < 50 * 10 * 2; ++i) ASSERT_EQ(s.Pixels()[i], 0);
}

TEST(FontLoadTest, AbsurdWidthRecordsStayInsideTheSheet) {
  FontFileData f = TestFont();
  f.widths['A' - 32] = {-100, 0, INT32_MIN};  // A + B wraps to a huge span
  f.widths['B' - 32] = {INT32_MAX, 0xFFFFFFFFu, INT32_MAX};
  f.widths['~' - 32] = {0, 4000, 0};  // the last glyph runs off the sheet
  Bytes bytes = EncodeFontFile(f, false);
  Font font;
  ASSERT_TRUE(font.LoadBytes(bytes.data(), static_cast<int>(bytes.size())));
  Surface s(kFormatDirect565, 16);
  s.Create(240, 20);
  for (int x : {-3000, 0, 100})
    font.DrawText(s, x, 0, "AB~", 255, 255, 255, kTextOutlined, 255, nullptr);
  EXPECT_GT(font.TextWidth("B"), 0);
  EXPECT_LT(font.TextWidth("A"), 0);
}

}  // namespace
}  // namespace qv
