#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "gfx/Blit.h"
#include "gfx/PixelFormats.h"
#include "gfx/Surface.h"
#include "platform/Display.h"

namespace qv {
namespace {

std::uint16_t Raw16(const Surface& s, int x, int y) {
  std::uint16_t v;
  std::memcpy(&v, s.Pixels() + (static_cast<std::size_t>(y) * s.Width() + x) * 2, 2);
  return v;
}

// Source pixel (col, row) holds the code col + 1 + row * 512, so every
// destination pixel tells where it came from; 0 means untouched.
int Code(int col, int row) {
  return col + 1 + row * 512;
}

class BlitTest : public ::testing::Test {
 protected:
  BlitTest() : dest_(kFormatDirect565, 16) {
    dest_.Create(240, 320);
    dest_.Clear(0, 0, 0);
  }
  // A 16-bit sprite whose pixels are their own codes; alpha 255 unless
  // dropped.
  void MakeSprite(Surface& s, int w, int h, bool withAlpha = true) {
    ASSERT_TRUE(s.Create(w, h));
    auto* p = reinterpret_cast<std::uint16_t*>(s.Pixels());
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) p[y * w + x] = static_cast<std::uint16_t>(Code(x, y));
    }
    if (!withAlpha) s.AdoptAlpha(nullptr);
  }
  // Columns of destination row y that were written, as [first, last].
  std::pair<int, int> Written(int y) const {
    int first = -1, last = -1;
    for (int x = 0; x < dest_.Width(); ++x) {
      if (Raw16(dest_, x, y) == 0) continue;
      if (first < 0) first = x;
      last = x;
    }
    return {first, last};
  }
  int WrittenCount() const {
    int n = 0;
    for (int y = 0; y < dest_.Height(); ++y) {
      for (int x = 0; x < dest_.Width(); ++x) n += Raw16(dest_, x, y) != 0;
    }
    return n;
  }

  Surface dest_;
};

TEST_F(BlitTest, ClippingAndMirroringMapColumns) {
  // Same results with and without an alpha map: the plain copy and the alpha
  // blit clip alike.
  for (bool withAlpha : {true, false}) {
    SCOPED_TRACE(withAlpha ? "alpha map" : "plain copy");
    Surface s(kFormatDirect565, 16);
    MakeSprite(s, 10, 10, withAlpha);

    dest_.Clear(0, 0, 0);
    s.DrawTo(dest_, -3, 0, 0, 0, 0);
    EXPECT_EQ(Written(0), std::make_pair(0, 6));
    EXPECT_EQ(Raw16(dest_, 0, 0), Code(3, 0));
    EXPECT_EQ(Raw16(dest_, 6, 9), Code(9, 9));
    EXPECT_EQ(Written(10).first, -1);

    dest_.Clear(0, 0, 0);
    s.DrawTo(dest_, -3, 0, 0, 0, kBlitMirror);
    EXPECT_EQ(Written(0), std::make_pair(0, 6));
    EXPECT_EQ(Raw16(dest_, 0, 0), Code(6, 0));
    EXPECT_EQ(Raw16(dest_, 6, 0), Code(0, 0));

    // Mirrored on the right edge: the sprite's right part is what is cut.
    dest_.Clear(0, 0, 0);
    s.DrawTo(dest_, 235, 2, 0, 0, kBlitMirror);
    EXPECT_EQ(Written(2), std::make_pair(235, 239));
    EXPECT_EQ(Raw16(dest_, 235, 2), Code(9, 0));
    EXPECT_EQ(Raw16(dest_, 239, 2), Code(5, 0));

    struct Limit {
      int x, maxWidth, first, last;
    } limits[] = {{100, 5, 100, 104}, {220, 50, 220, 229}, {235, 50, 235, 239}, {0, -7, 0, 9}};
    for (const Limit& l : limits) {
      dest_.Clear(0, 0, 0);
      s.DrawTo(dest_, l.x, 5, l.maxWidth, 3, 0);
      EXPECT_EQ(Written(5), std::make_pair(l.first, l.last)) << l.x << " " << l.maxWidth;
      EXPECT_EQ(Written(7).first, l.first);
      EXPECT_EQ(Written(8).first, -1) << "maxHeight 3 stops at row y + 3";
    }

    // Entirely outside, in each direction, and at the ends of int.
    dest_.Clear(0, 0, 0);
    const int off[][2] = {{-10, 0},     {240, 0},        {0, -10},       {0, 320},
                          {INT_MIN, 0}, {INT_MAX, 0},    {0, INT_MIN},   {INT_MAX, INT_MAX},
                          {-5, -9},     {INT_MIN, -100}, {-INT_MAX, 100}};
    for (const auto& o : off) s.DrawTo(dest_, o[0], o[1], 0, 0, 0);
    s.DrawTo(dest_, INT_MAX - 3, 0, INT_MAX, 0, 0);
    EXPECT_EQ(WrittenCount(), 5) << "only the (-5, -9) corner: source row 9, columns 5..9";
    EXPECT_EQ(Raw16(dest_, 0, 0), Code(5, 9));
    s.DrawTo(dest_, 200, 300, INT_MAX, INT_MAX, 0);  // limits beyond the edge: just the edge
    EXPECT_EQ(WrittenCount(), 5 + 100);
  }
}

TEST_F(BlitTest, WideSpriteFillsTheRowAndLimitsNeverPassTheEdge) {
  Surface s(kFormatDirect565, 16);
  MakeSprite(s, 300, 2);
  s.DrawTo(dest_, -10, 0, 0, 0, 0);
  EXPECT_EQ(Written(0), std::make_pair(0, 239));
  EXPECT_EQ(Raw16(dest_, 0, 0), Code(10, 0));
  EXPECT_EQ(Raw16(dest_, 239, 1), Code(249, 1));
  // At the bottom right corner, mirrored and flipped.
  dest_.Clear(0, 0, 0);
  s.DrawTo(dest_, -20, 319, 0, 0, kBlitMirror | kBlitFlip);
  EXPECT_EQ(Written(319), std::make_pair(0, 239));
  EXPECT_EQ(Raw16(dest_, 0, 319), Code(279, 1));
  EXPECT_EQ(WrittenCount(), 240);
}

TEST_F(BlitTest, FlipTurnsRowsInEveryFormat) {
  Surface s(kFormatDirect565, 16);
  MakeSprite(s, 3, 4);
  s.DrawTo(dest_, 0, -1, 0, 0, kBlitFlip);
  EXPECT_EQ(Raw16(dest_, 0, 0), Code(0, 2)) << "row 1 of the flipped sprite is source row 2";
  EXPECT_EQ(Raw16(dest_, 2, 2), Code(2, 0));
  s.AdoptAlpha(nullptr);
  s.DrawTo(dest_, 10, 0, 0, 0, kBlitFlip | kBlitMirror);
  EXPECT_EQ(Raw16(dest_, 10, 0), Code(2, 3));

  Surface d3(kFormatDirect888, 24), s3(kFormatDirect888, 24);
  ASSERT_TRUE(d3.Create(4, 4));
  ASSERT_TRUE(s3.Create(1, 2));
  s3.Pixels()[0] = 11;
  s3.Pixels()[3] = 22;
  s3.DrawTo(d3, 0, 0, 0, 0, kBlitFlip);
  EXPECT_EQ(d3.Pixels()[0], 22);
  EXPECT_EQ(d3.Pixels()[12], 11);
}

TEST(BlitPixelTest, AlphaRulesPerFormat) {
  struct Case {
    int flags;
    std::uint8_t alpha;
    std::uint16_t expect;  // white over black
  } cases[] = {
      {kFormatDirect565, 0, 0},
      {kFormatDirect565, 200, 0xFFFF},
      {kFormatDirect565, 128, 0xFFFF},
      {kFormatDirect565, 64, (15 << 11) | (31 << 5) | 15},
      {kFormatDirect565, 127, (30 << 11) | (62 << 5) | 30},
      {kFormatDirect555, 64, (15 << 10) | (15 << 5) | 15},
      {kFormatDirect555, 255, 0x7FFF},
      {0, 64, (7 << 8) | (7 << 4) | 7},
      {0, 1, 0},
  };
  for (const Case& c : cases) {
    Surface dest(c.flags, 16), s(c.flags, 16);
    ASSERT_TRUE(dest.Create(2, 1));
    dest.Clear(0, 0, 0);
    ASSERT_TRUE(s.Create(1, 1));
    s.Clear(255, 255, 255);
    s.FillAlpha(c.alpha);
    s.DrawTo(dest, 1, 0, 0, 0, 0);
    EXPECT_EQ(Raw16(dest, 1, 0), c.expect) << c.flags << " alpha " << int(c.alpha);
    EXPECT_EQ(Raw16(dest, 0, 0), 0);
  }
  // Mixing over a coloured background in 5-6-5: d + (s*a >> 7) - (d*a >> 7).
  Surface dest(kFormatDirect565, 16), s(kFormatDirect565, 16);
  dest.Create(1, 1);
  dest.Clear(80, 160, 240);  // (10, 40, 30)
  s.Create(1, 1);
  s.Clear(248, 0, 40);  // (31, 0, 5)
  s.FillAlpha(100);
  s.DrawTo(dest, 0, 0, 0, 0, 0);
  auto mix = [](int sv, int dv) { return dv + ((sv * 100) >> 7) - ((dv * 100) >> 7); };
  EXPECT_EQ(Raw16(dest, 0, 0), (mix(31, 10) << 11) | (mix(0, 40) << 5) | mix(5, 30));
}

TEST(BlitPixelTest, EightEightEightDividesBy255AndClearsTheFourthByte) {
  for (int bpp : {24, 32}) {
    Surface dest(kFormatDirect888, bpp), s(kFormatDirect888, bpp);
    ASSERT_TRUE(dest.Create(3, 1));
    std::memset(dest.Pixels(), 0x77, 3 * dest.BytesPerPixel());
    dest.Clear(0, 0, 0);
    ASSERT_TRUE(s.Create(3, 1));
    s.Clear(255, 100, 255);
    const std::uint8_t alpha[3] = {128, 0, 255};
    std::memcpy(s.Alpha(), alpha, 3);
    s.DrawTo(dest, 0, 0, 0, 0, 0);
    const int n = dest.BytesPerPixel();
    EXPECT_EQ(dest.Pixels()[0], 128) << bpp;
    EXPECT_EQ(dest.Pixels()[1], 128 * 100 / 255) << bpp;
    EXPECT_EQ(dest.Pixels()[n], 0) << "alpha 0 leaves the pixel";
    EXPECT_EQ(dest.Pixels()[2 * n + 1], 100) << "alpha 255 copies";
    if (n == 4) {
      EXPECT_EQ(dest.Pixels()[3], 0);
      EXPECT_EQ(dest.Pixels()[7], 0x77) << "an untouched pixel keeps its fourth byte";
      EXPECT_EQ(dest.Pixels()[11], 0);
    }
    // Without an alpha map every pixel is copied; mirrored too.
    s.AdoptAlpha(nullptr);
    s.Pixels()[0] = 1;
    s.DrawTo(dest, 0, 0, 0, 0, kBlitMirror);
    EXPECT_EQ(dest.Pixels()[2 * n], 1);
    EXPECT_EQ(dest.Pixels()[n + 1], 100);
  }
}

TEST(BlitPixelTest, MissingPixelsOrOtherLayoutsDrawNothing) {
  Surface dest(kFormatDirect565, 16), empty(kFormatDirect565, 16), wide(kFormatDirect888, 24);
  ASSERT_TRUE(dest.Create(4, 4));
  dest.Clear(1, 2, 3);
  const std::uint16_t before = Raw16(dest, 0, 0);
  empty.DrawTo(dest, 0, 0, 0, 0, 0);
  ASSERT_TRUE(wide.Create(4, 4));
  wide.Clear(255, 255, 255);
  wide.DrawTo(dest, 0, 0, 0, 0, 0);
  Surface noPixels(kFormatDirect565, 16);
  dest.DrawTo(noPixels, 0, 0, 0, 0, 0);
  EXPECT_EQ(Raw16(dest, 0, 0), before);
  EXPECT_EQ(Raw16(dest, 3, 3), before);
}

}  // namespace
}  // namespace qv
