#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "parts/Ostrich.h"
#include "parts/Pinion.h"
#include "parts/SquirrelCage.h"
#include "parts/Track.h"
#include "physics/Ball.h"
#include "physics/LoopRope.h"
#include "physics/World.h"
#include "support/RopeFixtures.h"

namespace qv {
namespace {

using test::AddTo;
using test::HookBody;
using test::UnitBox;

Pinion* PinionAt(World& w, int x, int y) {
  auto* p = AddTo<Pinion>(w);
  p->SetPosition(Fixed(x), Fixed(y));
  return p;
}

LoopRope* Belt(World& w, GameObject* a, GameObject* b) {
  LoopRope* belt = AddTo<LoopRope>(w);
  EXPECT_TRUE(belt->AddEnd(a, 0));
  EXPECT_TRUE(belt->AddEnd(b, 0));
  return belt;
}

Vec2 kPoint;

TEST(DriveTrainTest, CageDrivesBeltedAndMeshingPinions) {
  World w;
  auto* cage = AddTo<SquirrelCage>(w);
  cage->running = true;
  Pinion* belted = PinionAt(w, 200, 0);
  Pinion* meshing = PinionAt(w, 228, 10);  // centres 28 and 10 apart: half 14 and 5
  Pinion* far = PinionAt(w, 400, 300);
  Belt(w, cage, belted);
  Belt(w, far, meshing);  // either order of ends
  w.SubStep(kTimeStep);
  EXPECT_EQ(cage->GetSpin(), 1);
  EXPECT_EQ(belted->direction, 1);
  EXPECT_EQ(meshing->direction, 2);
  EXPECT_EQ(far->direction, 2);
  EXPECT_TRUE(far->spinning && far->IsTargetMet(0));
  EXPECT_EQ(belted->frame, Fixed(0.2));
  EXPECT_EQ(meshing->frame, Fixed(12.98));
  // "be spinning" lasts only for the sub-step that drove it.
  far->ClearForces();
  EXPECT_FALSE(far->IsTargetMet(0));
}

TEST(DriveTrainTest, PinionsTooFarApartOnlyMarkEachOtherSpinning) {
  World w;
  Pinion* driver = PinionAt(w, 0, 0);
  driver->spinning = true;
  driver->direction = 1;
  Pinion* other = PinionAt(w, 32, 0);  // half the distance: 16
  other->OnEvent(kEventDrive, driver, driver);
  EXPECT_TRUE(other->spinning);
  EXPECT_EQ(other->direction, 0);
  EXPECT_EQ(other->frame, Fixed());
  Pinion* near = PinionAt(w, 0, 30);  // half 15: meshes
  near->OnEvent(kEventDrive, driver, driver);
  EXPECT_EQ(near->direction, 2);
}

TEST(DriveTrainTest, WhatStartsACage) {
  World w;
  Ostrich* calm = AddTo<Ostrich>(w);
  Ostrich* scared = AddTo<Ostrich>(w);
  scared->scared = true;
  struct Case {
    GameObject* toucher;
    bool starts;
  } cases[] = {{AddTo<HookBody>(w, UnitBox(0, 0, 10, 10), false, kKindBomb), false},
               {calm, false},
               {AddTo<TennisBall>(w), true},
               {scared, true}};
  for (const Case& c : cases) {
    SquirrelCage cage;
    cage.OnEvent(kEventContact, c.toucher, &kPoint);
    EXPECT_EQ(cage.running, c.starts) << c.toucher->GetKind();
    EXPECT_EQ(cage.IsTargetMet(0), c.starts);
  }
  EXPECT_FALSE(calm->IsTargetMet(kOstrichGoalStartCage));
  EXPECT_TRUE(scared->IsTargetMet(kOstrichGoalStartCage));
}

TEST(DriveTrainTest, CageSpinFollowsItsOrientationAndAnimatesPerTick) {
  SquirrelCage cage;
  EXPECT_EQ(cage.GetSpin(), 0);
  cage.running = true;
  EXPECT_EQ(cage.GetSpin(), 1);
  cage.SetOrientation(1);
  EXPECT_EQ(cage.GetSpin(), 2);
  Surface s(0, 16);
  for (int tick = 1; tick <= 12; ++tick) {
    cage.Draw(s);
    EXPECT_EQ(cage.frame, Fixed(tick % 12)) << "frame 12 is never shown";
  }
  // The axle hook mirrors with the cage.
  cage.SetPosition(Fixed(100), Fixed(0));
  Vec2 left, right;
  cage.GetHookPoint(0, &right);
  cage.SetOrientation(0);
  cage.GetHookPoint(0, &left);
  EXPECT_EQ(left, Vec2(Fixed(148), Fixed(14)));
  EXPECT_EQ(right, Vec2(Fixed(116), Fixed(14)));  // column 33 - 24 - 1
}

TEST(DriveTrainTest, TrackPushesAlongItsSurface) {
  struct Case {
    int spin;
    int pointY;
    int pushX;
  } cases[] = {{1, 105, 162}, {2, 105, -162}, {1, 115, -54}, {2, 115, 54}};
  for (const Case& c : cases) {
    World w;
    auto* track = AddTo<Track>(w);
    track->SetPosition(Fixed(100), Fixed(100));  // middle line y = 111
    HookBody* wheel = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10), true);
    wheel->spin = c.spin;
    LoopRope* belt = AddTo<LoopRope>(w);
    HookBody* body = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10));
    Vec2 p(Fixed(120), Fixed(c.pointY));
    track->OnEvent(kEventContact, body, &p);
    EXPECT_EQ(body->force, Vec2()) << "still until driven";
    track->OnEvent(kEventDrive, wheel, wheel);  // not from a belt: ignored
    EXPECT_FALSE(track->moving);
    track->OnEvent(kEventDrive, belt, wheel);
    EXPECT_TRUE(track->moving && track->IsTargetMet(0));
    track->OnEvent(kEventContact, body, &p);
    EXPECT_EQ(body->force, Vec2(Fixed(c.pushX), Fixed())) << c.spin << " " << c.pointY;
  }
}

TEST(DriveTrainTest, TrackShowsOnlyItsFirstFourFrames) {
  World w;
  auto* track = AddTo<Track>(w);
  LoopRope* belt = AddTo<LoopRope>(w);
  HookBody* wheel = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10), true);
  wheel->spin = 2;
  track->OnEvent(kEventDrive, belt, wheel);
  EXPECT_EQ(track->frame, Fixed(3.98));
  wheel->spin = 1;
  for (int i = 0; i < 20; ++i) track->OnEvent(kEventDrive, belt, wheel);
  EXPECT_LT(track->frame, Fixed(4));
  EXPECT_EQ(track->direction, 1);
}

TEST(DriveTrainTest, SpinningPinionShovesTowardPlusX) {
  World w;
  Pinion* pinion = PinionAt(w, 0, 0);
  HookBody* body = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10));
  HookBody* block = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10), true);
  pinion->OnEvent(kEventContact, body, &kPoint);
  EXPECT_EQ(body->force, Vec2());
  pinion->spinning = true;
  pinion->direction = 2;
  pinion->OnEvent(kEventContact, body, &kPoint);
  pinion->OnEvent(kEventContact, block, &kPoint);
  EXPECT_EQ(body->force, Vec2(Fixed(54), Fixed()));  // 27 x mass 2
  EXPECT_EQ(block->force, Vec2());
}

TEST(DriveTrainTest, PinionIsARoundWheel) {
  Pinion p;
  p.SetPosition(Fixed(100), Fixed(100));
  EXPECT_TRUE(p.Contains(114, 114));
  EXPECT_TRUE(p.Contains(100, 114));   // on the circle
  EXPECT_FALSE(p.Contains(101, 101));  // box corner, outside the circle
  EXPECT_EQ(p.GetNormal(Fixed(128), Fixed(114)), Vec2(Fixed(1), Fixed()));
}

}  // namespace
}  // namespace qv
