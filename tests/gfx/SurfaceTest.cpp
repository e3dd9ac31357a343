#include <gtest/gtest.h>

#include <cstring>

#include "gfx/PixelFormats.h"
#include "gfx/Surface.h"
#include "platform/Display.h"

namespace qv {
namespace {

std::uint16_t Pixel16(const Surface& s, int x, int y) {
  std::uint16_t v;
  std::memcpy(&v, s.Pixels() + (y * s.Width() + x) * 2, 2);
  return v;
}

// Counts pixels that differ from black.
int Painted(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      std::uint8_t r, g, b;
      s.ReadPixel(x, y, &r, &g, &b);
      n += (r | g | b) != 0;
    }
  }
  return n;
}

bool IsPainted(const Surface& s, int x, int y) {
  std::uint8_t r, g, b;
  s.ReadPixel(x, y, &r, &g, &b);
  return (r | g | b) != 0;
}

TEST(SurfaceTest, CreateGivesOpaqueAlphaAndFormatFromDisplay) {
  Surface s;
  EXPECT_EQ(s.Format(), 2);
  EXPECT_EQ(s.Width(), 0);
  ASSERT_TRUE(s.Create(3, 3));
  for (int i = 0; i < 9; ++i) EXPECT_EQ(s.Alpha()[i], 255);
  s.FillAlpha(7);
  EXPECT_EQ(s.Alpha()[8], 7);
  s.Release();
  EXPECT_EQ(s.Pixels(), nullptr);
  EXPECT_EQ(s.Width(), 3);  // sizes survive Release
  s.Clear(255, 255, 255);   // no pixels: nothing happens
  s.FillRect(0, 0, 3, 3, 1, 2, 3);
}

TEST(SurfaceTest, BlendArithmeticPerFormat) {
  struct Case {
    int flags, bpp;
    std::uint8_t t;
    std::uint32_t expect;  // raw pixel after white over black
  } cases[] = {
      {kFormatDirect565, 16, 0, Pack565(255, 255, 255)},
      {kFormatDirect565, 16, 128, (16u << 11) | (32u << 5) | 16u},
      {kFormatDirect555, 16, 128, (16u << 10) | (16u << 5) | 16u},
      {0, 16, 128, (8u << 8) | (8u << 4) | 8u},
      {kFormatDirect565, 16, 64,
       ((31u - (31 * 64 >> 8)) << 11) | ((63u - (63 * 64 >> 8)) << 5) | (31u - (31 * 64 >> 8))},
  };
  for (const Case& c : cases) {
    Surface s(c.flags, c.bpp);
    ASSERT_TRUE(s.Create(2, 1));
    s.Clear(0, 0, 0);
    s.BlendPixel(0, 0, 255, 255, 255, c.t);
    EXPECT_EQ(Pixel16(s, 0, 0), c.expect) << c.flags << " t=" << int(c.t);
    s.BlendPixel(1, 0, 255, 255, 255, 255);
    EXPECT_EQ(Pixel16(s, 1, 0), 0) << "transparency 255 leaves the pixel";
  }
  // 8-8-8 divides by 255: 200 over 100 with t = 128 keeps 128/255 of the old.
  Surface s(kFormatDirect888, 24);
  ASSERT_TRUE(s.Create(1, 1));
  s.Clear(100, 100, 100);
  s.BlendPixel(0, 0, 200, 0, 255, 128);
  EXPECT_EQ(s.Pixels()[2], 200 + (100 - 200) * 128 / 255);
  EXPECT_EQ(s.Pixels()[1], 0 + (100 - 0) * 128 / 255);
  EXPECT_EQ(s.Pixels()[0], 255 + (100 - 255) * 128 / 255);
  s.BlendPixel(0, 0, 1, 2, 3, 0);
  EXPECT_EQ(s.Pixels()[0], 3);
  EXPECT_EQ(s.Pixels()[2], 1);
}

TEST(SurfaceTest, ClearPacksEveryFormat) {
  struct Case {
    int flags, bpp;
  } cases[] = {{0, 16}, {kFormatDirect555, 16}, {kFormatDirect565, 16}, {kFormatDirect888, 32}};
  for (const Case& c : cases) {
    Surface s(c.flags, c.bpp);
    ASSERT_TRUE(s.Create(5, 3));
    s.Clear(255, 255, 255);
    std::uint8_t r, g, b;
    s.ReadPixel(4, 2, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);
    s.Clear(0x12, 0x34, 0x56);
    s.ReadPixel(0, 0, &r, &g, &b);
    EXPECT_NEAR(r, 0x12, 17) << c.flags;
    EXPECT_NEAR(b, 0x56, 17) << c.flags;
  }
}

TEST(SurfaceTest, FillRectClipsToTheSurface) {
  Surface s;
  ASSERT_TRUE(s.Create(240, 4));
  s.Clear(0, 0, 0);
  s.FillRect(-5, 0, 20, 2, 255, 0, 0);
  EXPECT_EQ(Painted(s), 15 * 2);
  EXPECT_TRUE(IsPainted(s, 14, 1));
  EXPECT_FALSE(IsPainted(s, 15, 0));
  s.Clear(0, 0, 0);
  s.FillRect(230, 0, 20, 1, 255, 0, 0);
  EXPECT_EQ(Painted(s), 10);
  EXPECT_FALSE(IsPainted(s, 0, 1));
  s.Clear(0, 0, 0);
  s.FillRect(-100, -100, 1000, 1000, 1, 255, 1);
  EXPECT_EQ(Painted(s), 240 * 4);
  s.Clear(0, 0, 0);
  s.FillRect(241, 0, 5, 5, 255, 0, 0);
  s.FillRect(0, 0, -1, 2, 255, 0, 0);
  EXPECT_EQ(Painted(s), 0);
  s.FillRectAlpha(0, 0, 240, 4, 255, 255, 255, 0);
  EXPECT_EQ(Painted(s), 0);
  s.FillRectAlpha(0, 0, 2, 2, 255, 255, 255, 255);
  EXPECT_EQ(Pixel16(s, 1, 1), 0xFFFF);
}

TEST(SurfaceTest, RectOutlineCoversTheBorderInclusive) {
  Surface s;
  ASSERT_TRUE(s.Create(30, 20));
  s.Clear(0, 0, 0);
  s.DrawRect(10, 10, 5, 3, 255, 255, 255);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      bool inside = x >= 10 && x <= 15 && y >= 10 && y <= 13;
      bool border = inside && (x == 10 || x == 15 || y == 10 || y == 13);
      EXPECT_EQ(IsPainted(s, x, y), border) << x << "," << y;
    }
  }
}

TEST(SurfaceTest, LinesClipAndLeaveOutTheirLastPoint) {
  Surface s;
  ASSERT_TRUE(s.Create(10, 10));
  s.Clear(0, 0, 0);
  s.DrawLineSmooth(0, 0, 4, 0, 255, 255, 255);
  EXPECT_EQ(Painted(s), 4);
  EXPECT_FALSE(IsPainted(s, 4, 0));
  // Bresenham includes both ends and writes row and column 0.
  s.Clear(0, 0, 0);
  s.DrawLine(0, 0, 9, 9, 255, 255, 255);
  EXPECT_EQ(Painted(s), 10);
  EXPECT_TRUE(IsPainted(s, 0, 0));
  s.Clear(0, 0, 0);
  s.DrawLine(-50, 3, 50, 3, 255, 255, 255);
  s.DrawLine(4, -2000000, 4, 2000000, 255, 255, 255);
  EXPECT_EQ(Painted(s), 19);
  // A thick diagonal paints two pixels per column; smooth ones split the weight.
  s.Clear(0, 0, 0);
  s.DrawLineThick(0, 0, 8, 4, 255, 255, 255);
  EXPECT_EQ(Painted(s), 16);
  s.Clear(0, 0, 0);
  s.DrawLineSmooth(-100000, -100000, 100000, 100000, 255, 255, 255);
  EXPECT_GT(Painted(s), 0);
}

TEST(SurfaceTest, CurveOfIdenticalPointsDrawsNothing) {
  Surface s;
  ASSERT_TRUE(s.Create(20, 20));
  s.Clear(0, 0, 0);
  // Truncated Bezier weights sum just below 1, so only points on whole
  // pixels at the origin stay exactly in place.
  Vec2 same[4] = {};
  s.DrawCurveSmooth(same, 4, 255, 255, 255);
  EXPECT_EQ(Painted(s), 0);
  Vec2 arc[4] = {Vec2(Fixed(1), Fixed(1)), Vec2(Fixed(5), Fixed(18)), Vec2(Fixed(14), Fixed(18)),
                 Vec2(Fixed(18), Fixed(1))};
  s.DrawCurveThick(arc, 4, 255, 255, 255);
  EXPECT_TRUE(IsPainted(s, 1, 1));
  EXPECT_GT(Painted(s), 30);
  EXPECT_FALSE(IsPainted(s, 10, 5));
}

}  // namespace
}  // namespace qv
