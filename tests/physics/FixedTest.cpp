#include <gtest/gtest.h>

#include <climits>

#include "physics/Geometry.h"

namespace qv {
namespace {

TEST(FixedTest, ConversionsRoundAsSpecified) {
  struct Case {
    double written;
    std::int32_t raw;
  } cases[] = {{0.06, 15},  {0.05, 13},   {0.001, 0},   {-0.1, -25},    {0.1, 26}, {4.0, 1024},
               {0.02, 5},   {0.15, 38},   {0.2, 51},    {0.25, 64},     {0.3, 77}, {0.4, 102},
               {0.95, 243}, {1.414, 362}, {-0.5, -127}, {1e12, INT_MIN}};
  for (const Case& c : cases) EXPECT_EQ(Fixed(c.written).Raw(), c.raw) << c.written;
  EXPECT_EQ(kTimeStep.Raw(), 15);
  EXPECT_EQ(kGravity.Raw(), 2304);
  EXPECT_EQ(kDragFactor.Raw(), 26);
  EXPECT_EQ(kCornerReach.Raw(), 1024);
  EXPECT_EQ(kBallSpinFactor.Raw(), 5);
  EXPECT_EQ(kDefaultBounce.Raw(), 13);
  EXPECT_EQ(Fixed().Raw(), 0);
  EXPECT_EQ(Fixed(3).Raw(), 768);
}

TEST(FixedTest, IntegerPartFloorsAndDivisionTruncates) {
  EXPECT_EQ(Fixed::FromRaw(-1).ToInt(), -1);
  EXPECT_EQ(Fixed::FromRaw(-257).ToInt(), -2);
  EXPECT_EQ((Fixed::FromRaw(-1) / 2).Raw(), 0);
  EXPECT_EQ((Fixed(7) / Fixed(2)).Raw(), 896);
  EXPECT_EQ((Fixed(-7) / Fixed(2)).Raw(), -896);
  EXPECT_EQ((Fixed::FromRaw(-3) / Fixed(2)).Raw(), -1);
}

TEST(FixedTest, ProductsAndSumsWrapInThirtyTwoBits) {
  // 200 * 200: the raw product 51200 * 51200 wraps before the shift.
  std::int32_t wrapped = static_cast<std::int32_t>(51200u * 51200u) >> 8;
  EXPECT_EQ((Fixed(200.0) * Fixed(200.0)).Raw(), wrapped);
  EXPECT_NE((Fixed(200.0) * Fixed(200.0)).Raw(), Fixed(40000).Raw());
  EXPECT_EQ((Fixed::FromRaw(INT_MAX) + Fixed::FromRaw(1)).Raw(), INT_MIN);
  EXPECT_EQ((Fixed::FromRaw(INT_MIN) - Fixed::FromRaw(1)).Raw(), INT_MAX);
  EXPECT_EQ((-Fixed::FromRaw(INT_MIN)).Raw(), INT_MIN);
  // The dividend is shifted in 32 bits too.
  EXPECT_EQ((Fixed(40000) / Fixed(1)).Raw(), static_cast<std::int32_t>(40000u << 16) / 256);
  EXPECT_EQ((Fixed(1.5) * 3).Raw(), 1152);
  EXPECT_EQ((Fixed(2) * Fixed(0.5)).Raw(), 256);
  EXPECT_EQ((Fixed(10) - 3).Raw(), 7 * 256);
  EXPECT_EQ((3 - Fixed(10)).Raw(), -7 * 256);
}

TEST(FixedTest, DivisionNeverTraps) {
  EXPECT_EQ((Fixed(5) / Fixed()).Raw(), 0);
  EXPECT_EQ((Fixed(5) / 0).Raw(), 0);
  EXPECT_EQ((Fixed::FromRaw(INT_MIN) / -1).Raw(), INT_MIN);
}

TEST(FixedTest, MixedComparisonsConvertTheOtherOperand) {
  Fixed half(0.5);
  EXPECT_TRUE(half < 1);
  EXPECT_TRUE(1 > half);
  EXPECT_TRUE(Fixed(2) == 2);
  EXPECT_TRUE(Fixed::FromRaw(13) > 0.05 - 0.01);
  EXPECT_TRUE(Fixed::FromRaw(13) <= 0.05);
  EXPECT_FALSE(Fixed::FromRaw(14) <= 0.05);
}

TEST(GeometryTest, LengthNormalizeAndDot) {
  EXPECT_EQ(Length(Vec2(Fixed(3), Fixed(4))).Raw(), 1280);
  Vec2 v(Fixed(3), Fixed(4));
  Normalize(v);
  EXPECT_EQ(v.x.Raw(), 153);
  EXPECT_EQ(v.y.Raw(), 204);
  Vec2 zero;
  Normalize(zero);
  EXPECT_EQ(zero, Vec2());
  EXPECT_EQ(Dot(Vec2(Fixed(2), Fixed(3)), Vec2()).Raw(), 0);
  EXPECT_EQ(Dot(Vec2(Fixed(2), Fixed(3)), Vec2(Fixed(4), Fixed(-1))).Raw(), 5 * 256);
}

TEST(GeometryTest, LengthOfWrappedSumIsDefined) {
  // 182 units on an axis: the 32-bit square sum wraps negative.
  Vec2 big(Fixed(182), Fixed(182));
  EXPECT_EQ(Length(big).Raw(), INT_MIN);
  // The wide form keeps the true length and agrees where nothing wraps.
  EXPECT_EQ(LengthWide(big).Raw(), Fixed(257.386).Raw());
  for (int x : {0, 1, 3, 50, 120}) {
    Vec2 v(Fixed(x), Fixed(x / 2 + 1));
    EXPECT_EQ(LengthWide(v), Length(v)) << x;
  }
}

TEST(GeometryTest, IntersectBoxesEdges) {
  Box out;
  Box a(Fixed(0), Fixed(0), Fixed(10), Fixed(10));
  EXPECT_TRUE(IntersectBoxes(a, Box(Fixed(5), Fixed(5), Fixed(10), Fixed(10)), &out));
  EXPECT_EQ(out, Box(Fixed(5), Fixed(5), Fixed(5), Fixed(5)));
  // Sharing an edge counts, with zero width.
  EXPECT_TRUE(IntersectBoxes(a, Box(Fixed(10), Fixed(2), Fixed(4), Fixed(4)), &out));
  EXPECT_EQ(out, Box(Fixed(10), Fixed(2), Fixed(0), Fixed(4)));
  // One unit apart: false, and that axis collapses to zero.
  EXPECT_FALSE(IntersectBoxes(a, Box(Fixed(11), Fixed(2), Fixed(4), Fixed(4)), &out));
  EXPECT_EQ(out, Box(Fixed(0), Fixed(2), Fixed(0), Fixed(4)));
}

TEST(GeometryTest, WorldToPixelHalvesThenFloors) {
  EXPECT_EQ(WorldToPixel(Fixed(480)), 240);
  EXPECT_EQ(WorldToPixel(Fixed(3)), 1);
  EXPECT_EQ(WorldToPixel(Fixed::FromRaw(-1)), 0);
  EXPECT_EQ(WorldToPixel(Fixed(-3)), -2);
}

}  // namespace
}  // namespace qv
