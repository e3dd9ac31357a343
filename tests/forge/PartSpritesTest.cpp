#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "forge/ForgeTree.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;
using qv::forge::Picture;

struct FrameSet {
  const char* name;   // printf pattern, game path
  const char* alpha;  // the companion's pattern exactly as the game asks for it
  int first;
  int count;
  int width;
  int height;  // 0: the rabbit, whose height follows its pose
};

// Every part frame set with the frame sizes the parts' boxes imply.
const FrameSet kSets[] = {
    {"balloon\\m_p1m2_000%1d.bmp", "balloon\\A_m_p1m2_000%1d.bmp", 0, 10, 19, 20},
    {"bomb\\bomb_00%02d.bmp", "bomb\\A_bomb_00%02d.bmp", 0, 14, 37, 37},
    {"bucket\\m_v2_00%02d.bmp", "bucket\\A_m_v2_00%02d.bmp", 0, 5, 18, 23},
    {"pistol\\bullet_%1d.bmp", "pistol\\A_bullet_%1d.bmp", 0, 1, 7, 6},
    {"candle\\candle_0%1d.bmp", "candle\\A_candle_0%1d.bmp", 0, 5, 15, 20},
    {"carrot\\m_c_.bmp", "carrot\\A_m_c_.bmp", 0, 1, 10, 4},
    {"flashlight\\flashlight%1d.bmp", "flashlight\\A_flashlight%1d.bmp", 0, 2, 30, 16},
    {"flashlight\\flashlight%1d.bmp", "flashlight\\A_flashlight%1d.bmp", 2, 1, 32, 24},
    {"ball\\f\\ball_1_000%1d.bmp", "ball\\f\\A_ball_1_000%1d.bmp", 0, 9, 16, 16},
    {"ground\\gr_%1d.bmp", "ground\\A_gr_%1d.bmp", 1, 1, 12, 11},
    {"ground\\gr_%1d.bmp", "ground\\A_gr_%1d.bmp", 2, 1, 24, 22},
    {"ground\\gr_%1d.bmp", "ground\\A_gr_%1d.bmp", 3, 1, 11, 24},
    {"ground\\br_%1d.bmp", "ground\\A_br_%1d.bmp", 1, 1, 12, 11},
    {"ground\\br_%1d.bmp", "ground\\A_br_%1d.bmp", 2, 1, 24, 22},
    {"ground\\br_%1d.bmp", "ground\\A_br_%1d.bmp", 3, 1, 11, 24},
    {"lever\\m_r1_000%1d.bmp", "lever\\A_m_r1_000%1d.bmp", 0, 9, 39, 18},
    {"magnifier\\magnifier_%1d.bmp", "magnifier\\A_magnifier_%1d.bmp", 2, 1, 12, 32},
    {"magnifier\\magnifier_%1d.bmp", "magnifier\\A_magnifier_%1d.bmp", 3, 1, 16, 14},
    {"ostrich\\2\\ostr_2_00%02d.bmp", "ostrich\\2\\A_ostr_2_00%02d.bmp", 0, 39, 35, 35},
    {"pinion\\S2A_00%02d.bmp", "pinion\\A_s2a_00%02d.bmp", 0, 13, 18, 18},
    {"pistol\\pis_1_000%1d.bmp", "pistol\\A_pis_1_000%1d.bmp", 0, 9, 30, 18},
    {"rabbit\\r_m1_00%02d.bmp", "rabbit\\A_r_m1_00%02d.bmp", 0, 17, 20, 0},
    {"block\\b_l_100%02d.bmp", "block\\A_b_l_100%02d.bmp", 0, 5, 13, 15},
    {"scissors\\m_n1_000%1d.bmp", "scissors\\A_m_n1_000%1d.bmp", 0, 4, 28, 16},
    {"squirre_cage\\m_e3_00%02d.bmp", "squirre_cage\\A_m_e3_00%02d.bmp", 0, 13, 33, 24},
    {"ball\\t\\ball_2_000%1d.bmp", "ball\\t\\A_ball_2_000%1d.bmp", 0, 9, 8, 8},
    {"track\\T1_00%02d.bmp", "track\\A_t1_00%02d.bmp", 0, 16, 22, 11},
};

std::string Numbered(const char* pattern, int n) {
  char buf[128];
  std::snprintf(buf, sizeof buf, pattern, n);
  return buf;
}

Picture Load(const char* pattern, int n) {
  Picture pic;
  EXPECT_TRUE(qv::forge::ReadPicture(ForgedPath(Numbered(pattern, n)), &pic))
      << Numbered(pattern, n);
  return pic;
}

int Opacity(const Picture& pic, int x, int y) {
  if (x < 0 || y < 0 || x >= pic.width || y >= pic.height) return 0;
  return pic.alpha[static_cast<std::size_t>(y) * pic.width + x];
}

// True when pixel (x, y) or one of its neighbours is solid: a point given in
// fractions may fall on a pixel edge.
bool SolidNear(const Picture& pic, double px, double py) {
  const int x = static_cast<int>(px);
  const int y = static_cast<int>(py);
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (Opacity(pic, x + dx, y + dy) >= 128) return true;
    }
  }
  return false;
}

TEST(PartSprites, EverySetHasItsFilesCompanionsAndFrameSizes) {
  for (const FrameSet& set : kSets) {
    for (int n = set.first; n < set.first + set.count; ++n) {
      const std::string name = Numbered(set.name, n);
      SCOPED_TRACE(name);
      ASSERT_TRUE(fs::exists(ForgedPath(name)));
      ASSERT_TRUE(fs::exists(ForgedPath(Numbered(set.alpha, n))));
      Picture pic;
      ASSERT_TRUE(qv::forge::ReadPicture(ForgedPath(name), &pic));
      EXPECT_EQ(BitCount(ForgedPath(name)), 24);
      EXPECT_EQ(BitCount(ForgedPath(Numbered(set.alpha, n))), 8);
      EXPECT_EQ(pic.width, set.width);
      if (set.height > 0) {
        EXPECT_EQ(pic.height, set.height);
      }
    }
  }
}

// The standing rabbit fills its 20 x 30 box; every other pose is at most as
// tall and stands on the bottom row, since the game sets the box height from
// the frame and keeps the box's top.
TEST(PartSprites, RabbitFramesStandOnTheirBottomRow) {
  for (int f = 0; f < 17; ++f) {
    SCOPED_TRACE(f);
    Picture pic = Load("rabbit\\r_m1_00%02d.bmp", f);
    if (f == 0) {
      EXPECT_EQ(pic.height, 30);
    }
    EXPECT_LE(pic.height, 30);
    int feet = 0;
    for (int x = 0; x < pic.width; ++x) feet += Opacity(pic, x, pic.height - 1) >= 128;
    EXPECT_GE(feet, 3);
  }
}

// Frame k is tilt k: the beam's ends pass through the rope hooks
// (3, 18 - 2.25 k) and (36, 2.25 k).
TEST(PartSprites, LeverBeamPassesThroughBothHooksAtEveryTilt) {
  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE(k);
    Picture pic = Load("lever\\m_r1_000%1d.bmp", k);
    EXPECT_TRUE(SolidNear(pic, 3, 18 - 2.25 * k));
    EXPECT_TRUE(SolidNear(pic, 36, 2.25 * k));
    // Away from level, each end is at its own height and not the other's.
    if (k != 4) {
      EXPECT_FALSE(SolidNear(pic, 3, 2.25 * k)) << "left end high";
      EXPECT_FALSE(SolidNear(pic, 36, 18 - 2.25 * k)) << "right end low";
    }
  }
}

struct HookCase {
  const char* pattern;
  int frames;
  double x;
  double y;
};

// Points the parts use on their pictures: ropes tie to the pistol's trigger,
// belts to the cage's pulley axle and the bucket's handle, the candle's wick
// and the bomb's fuse catch fire.
TEST(PartSprites, HookAndFirePointsLieOnTheDrawing) {
  const HookCase cases[] = {
      {"pistol\\pis_1_000%1d.bmp", 9, 20, 8}, {"squirre_cage\\m_e3_00%02d.bmp", 13, 24, 7},
      {"bucket\\m_v2_00%02d.bmp", 2, 9, 0},   {"balloon\\m_p1m2_000%1d.bmp", 10, 9, 19},
      {"candle\\candle_0%1d.bmp", 5, 7, 5},   {"bomb\\bomb_00%02d.bmp", 3, 25, 12},
      {"block\\b_l_100%02d.bmp", 1, 6, 7},
  };
  for (const HookCase& c : cases) {
    for (int f = 0; f < c.frames; ++f) {
      SCOPED_TRACE(Numbered(c.pattern, f));
      Picture pic = Load(c.pattern, f);
      const int x = static_cast<int>(c.x);
      const int y = static_cast<int>(c.y);
      EXPECT_GE(Opacity(pic, x, y), 128);
    }
  }
}

// A ball is caught when it touches the bucket's mask in the top quarter, so
// the mask (frame 1) must be solid across the mouth, not only at the rim.
TEST(PartSprites, BucketMaskCatchesAcrossTheMouth) {
  Picture mask = Load("bucket\\m_v2_00%02d.bmp", 1);
  const int quarter = mask.height / 4;
  for (int x = 4; x < mask.width - 4; ++x) {
    bool solid = false;
    for (int y = 0; y < quarter; ++y) solid = solid || Opacity(mask, x, y) >= 128;
    EXPECT_TRUE(solid) << "column " << x;
  }
  // Frame 0, the one drawn, leaves the mouth open so held balls show.
  Picture drawn = Load("bucket\\m_v2_00%02d.bmp", 0);
  EXPECT_EQ(Opacity(drawn, drawn.width / 2, 3), 0);
}

// The pieces' pictures show their solid parts: a ground piece's soil is the
// lower half of its box, a brick slope a band half the height thick falling
// from the top-left corner.
TEST(PartSprites, GroundPicturesMatchTheirSolidParts) {
  Picture grass = Load("ground\\gr_%1d.bmp", 1);
  for (int y = grass.height / 2 + 1; y < grass.height; ++y) {
    for (int x = 0; x < grass.width; ++x) EXPECT_GE(Opacity(grass, x, y), 128) << x << "," << y;
  }
  Picture brick = Load("ground\\br_%1d.bmp", 2);
  const double w = brick.width;
  const double h = brick.height;
  for (int x = 1; x < brick.width - 1; ++x) {
    const double top = h * x / (2 * w);
    EXPECT_GE(Opacity(brick, x, static_cast<int>(top + h / 4)), 128) << x;
    EXPECT_EQ(Opacity(brick, x, static_cast<int>(top - 2)), 0) << x;
    EXPECT_EQ(Opacity(brick, x, static_cast<int>(top + h / 2 + 2)), 0) << x;
  }
  for (int set = 0; set < 2; ++set) {
    Picture flat = Load(set ? "ground\\br_%1d.bmp" : "ground\\gr_%1d.bmp", 1);
    EXPECT_EQ(24 % flat.width, 0);  // tiled across a 24-pixel piece
  }
}

}  // namespace
}  // namespace qv::test
