#include <gtest/gtest.h>

#include <algorithm>

#include "physics/Ball.h"
#include "physics/Ground.h"
#include "physics/World.h"
#include "support/PhysicsFixtures.h"

namespace qv {
namespace {

using test::BoxAt;
using test::Make;
using test::Probe;

Vec2 Raw(int x, int y) {
  return Vec2(Fixed::FromRaw(x), Fixed::FromRaw(y));
}

TEST(GroundTest, PiecesAreHeavyStaticAndShapedByOrientation) {
  Ground ground;
  GroundBlock block;
  for (GameObject* piece : {static_cast<GameObject*>(&ground), static_cast<GameObject*>(&block)}) {
    EXPECT_EQ(piece->GetMass(), Fixed(100));
    EXPECT_EQ(piece->flags, kFlagStatic | kFlagCollidable);
    EXPECT_EQ(piece->GetBounce().Raw(), 13);
    struct Shape {
      int orientation, w, h;
    } shapes[] = {{1, 48, 44}, {2, 48, 44}, {3, 22, 48}, {0, 48, 22}, {7, 48, 22}};
    for (const Shape& s : shapes) {
      piece->SetOrientation(s.orientation);
      EXPECT_EQ(piece->GetOrientation(), s.orientation);
      EXPECT_EQ(piece->box.w, Fixed(s.w));
      EXPECT_EQ(piece->box.h, Fixed(s.h));
    }
  }
  EXPECT_EQ(ground.GetOrientationCount(), 3);
  EXPECT_EQ(block.GetOrientationCount(), 4);
  EXPECT_STREQ(ground.GetName(), "Ground");
  EXPECT_STREQ(block.GetName(), "Ground block");
}

TEST(GroundTest, SolidParts) {
  struct Case {
    bool grass;
    int orientation;
    int x, y;
    bool inside;
  } cases[] = {
      // Flat ground: only the lower half.
      {true, 0, 24, 10, false},
      {true, 0, 24, 11, true},
      {true, 0, 48, 22, true},
      // Brick slope falling right: neither the bottom-left nor the top-right corner.
      {false, 1, 0, 44, false},
      {false, 1, 48, 0, false},
      {false, 1, 0, 0, true},
      {false, 1, 48, 44, true},
      {false, 1, 24, 11, true},
      {false, 1, 24, 34, false},
      // Rising right: mirrored.
      {false, 2, 0, 0, false},
      {false, 2, 48, 0, true},
      {false, 2, 0, 44, true},
      // Grass slope: the band starts a quarter down.
      {true, 1, 0, 0, false},
      {true, 1, 0, 11, true},
      {true, 1, 0, 28, false},
      {true, 2, 48, 11, true},
  };
  for (const Case& c : cases) {
    Ground ground;
    GroundBlock block;
    GameObject& piece = c.grass ? static_cast<GameObject&>(ground) : block;
    piece.SetOrientation(c.orientation);
    EXPECT_EQ(piece.Contains(c.x, c.y), c.inside)
        << (c.grass ? "ground " : "block ") << c.orientation << " at " << c.x << "," << c.y;
  }
}

TEST(GroundTest, SurfaceNormals) {
  struct Case {
    bool grass;
    int orientation;
    int x, y;
    Vec2 expected;
  } cases[] = {
      {true, 0, 24, 14, Vec2(Fixed(0), Fixed(-1))},  // down to 4 under the grass line
      {true, 0, 24, 20, Vec2(Fixed(0), Fixed(1))},
      {true, 0, 2, 16, Vec2(Fixed(-1), Fixed(0))},
      {true, 0, 46, 16, Vec2(Fixed(1), Fixed(0))},
      {false, 1, 24, 12, Raw(106, -232)},  // the falling top face
      {false, 1, 24, 32, Raw(-106, 232)},
      {false, 2, 24, 12, Raw(-106, -232)},
      {false, 2, 24, 32, Raw(106, 232)},
      {false, 1, 2, 18, Vec2(Fixed(-1), Fixed(0))},  // left end, upper half
      {true, 1, 24, 20, Raw(106, -232)},             // grass slope faces use the full height
  };
  for (const Case& c : cases) {
    Ground ground;
    GroundBlock block;
    GameObject& piece = c.grass ? static_cast<GameObject&>(ground) : block;
    piece.SetOrientation(c.orientation);
    EXPECT_EQ(piece.GetNormal(Fixed(c.x), Fixed(c.y)), c.expected)
        << (c.grass ? "ground " : "block ") << c.orientation << " at " << c.x << "," << c.y;
  }
  // A flat block keeps the box rules, corners included.
  GroundBlock flat;
  EXPECT_EQ(flat.GetNormal(Fixed(0), Fixed(0)), Raw(-73, -245));
}

TEST(GroundTest, ForcesAreIgnored) {
  World world;
  world.SetUpNew();
  GroundBlock* block = test::Put(world, std::make_unique<GroundBlock>());
  block->SetPosition(Fixed(10), Fixed(10));
  block->AddForce(nullptr, Vec2(Fixed(50), Fixed(50)));
  EXPECT_EQ(block->GetForce(), Vec2());
  for (int i = 0; i < 10; ++i) world.StepPhysics();
  EXPECT_EQ(block->velocity, Vec2());
  EXPECT_EQ(block->box, BoxAt(10, 10, 48, 22));
}

TEST(GroundTest, BlastRemovesPiecesStrictlyInsideTheRadius) {
  // A 26-wide bomb reaches 39 units from its centre; the piece's centre is
  // at (24, 11).
  struct Case {
    int dx, dy;
    int event;
    bool removed;
  } cases[] = {{38, 0, kEventExplosion, true},   {39, 0, kEventExplosion, false},
               {0, -38, kEventExplosion, true},  {27, 27, kEventExplosion, true},
               {28, 28, kEventExplosion, false}, {38, 0, kEventExplosion | 1, false},
               {0, 0, kEventCut, false}};
  for (const Case& c : cases) {
    Ground piece;
    Probe bomb(BoxAt(24 + c.dx - 13, 11 + c.dy - 13, 26, 26));
    piece.OnEvent(c.event, &bomb, nullptr);
    EXPECT_EQ(piece.IsRemoved(), c.removed) << c.dx << "," << c.dy << " event " << c.event;
  }
  GroundBlock block;
  block.OnEvent(kEventExplosion, nullptr, nullptr);
  EXPECT_FALSE(block.IsRemoved());
}

TEST(GroundTest, GrassStopsABallAtHalfHeight) {
  World world;
  world.SetUpNew();
  Ground* ground = test::Put(world, std::make_unique<Ground>());
  ground->SetPosition(Fixed(100), Fixed(300));
  TennisBall* ball = test::Put(world, std::make_unique<TennisBall>());
  ball->SetPosition(Fixed(116), Fixed(250));
  Fixed lowest = ball->box.Bottom();
  for (int tick = 0; tick < 300; ++tick) {
    world.StepPhysics();
    lowest = std::max(lowest, ball->box.Bottom());
  }
  EXPECT_GE(lowest, Fixed(311));
  EXPECT_LT(lowest, Fixed(313));
  EXPECT_LT(ball->box.Bottom(), Fixed(313));
}

}  // namespace
}  // namespace qv
