#include <gtest/gtest.h>

#include "parts/Bomb.h"
#include "parts/Candle.h"
#include "parts/Lever.h"
#include "parts/PartScene.h"
#include "parts/Scissors.h"
#include "physics/Ball.h"
#include "physics/Rope.h"

namespace qv {
namespace {

using test::EventLog;
using test::InstalledFrames;
using test::Scene;

// A body with a chosen velocity, for the lever's speed test.
EventLog* Striker(Scene& scene, Fixed vy) {
  EventLog* s = scene.Put(std::make_unique<EventLog>());
  s->velocity = Vec2(Fixed(0), vy);
  return s;
}

TEST(Lever, AHardBlowKicksOnlyWhenItStartsTheLeverFromRest) {
  struct Case {
    int tilt, swing;
    int pointX;  // 0 left half, 1 right half
    Fixed vy;
    bool kicks;
  };
  const Case cases[] = {
      {0, 0, 1, Fixed(2), true},              // raised end struck hard
      {0, 0, 1, Fixed::FromRaw(511), false},  // 1.99 down is too soft
      {0, 0, 1, Fixed(-1.5), true},           // upward: integer part -2
      {0, 0, 1, Fixed(-1), false},            // upward 1.0: integer part -1
      {4, 1, 1, Fixed(5), false},             // already swinging
      {0, -1, 1, Fixed(5), true},             // left at its stop by a soft touch
      {8, 0, 1, Fixed(5), false},             // the lowered end cannot go lower
      {8, 0, 0, Fixed(5), true},              // its raised end can
  };
  for (const Case& c : cases) {
    Scene scene;
    Lever* lever = scene.Add<Lever>(100, 300);
    lever->tilt = Fixed(c.tilt);
    lever->swing = c.swing;
    EventLog* striker = Striker(scene, c.vy);
    EventLog* bystander = scene.Put(std::make_unique<EventLog>());
    Vec2 p(Fixed(c.pointX ? 160 : 110), Fixed(300));
    lever->OnEvent(kEventContact, striker, &p);
    EXPECT_EQ(bystander->Count(kEventLeverKick), c.kicks ? 1 : 0)
        << "tilt " << c.tilt << " swing " << c.swing << " vy " << c.vy.Raw();
    EXPECT_EQ(striker->Count(kEventLeverKick), 0) << "the striker is never kicked";
    EXPECT_EQ(lever->swing, c.pointX ? 1 : -1);
    EXPECT_EQ(lever->hitThisStep, c.kicks);
    if (c.kicks) {
      EXPECT_EQ(bystander->entries[0].kick, Vec2(Fixed(0), Fixed(40)));
    }
  }
}

TEST(Lever, ATouchOnTheLoweredHalfLeavesItWhereItIsButCountsAsAChange) {
  Scene scene;
  Lever* lever = scene.Add<Lever>(100, 300);
  lever->SetOrientation(1);  // left end down
  ASSERT_EQ(lever->tilt, Fixed(0));
  EXPECT_FALSE(lever->IsTargetMet(kLeverGoalChanged));
  EventLog* resting = Striker(scene, Fixed(0));
  Vec2 p(Fixed(110), Fixed(320));
  for (int i = 0; i < 5; ++i) {
    lever->ClearForces();
    lever->OnEvent(kEventContact, resting, &p);
    lever->ApplyForces(kTimeStep);
  }
  EXPECT_EQ(lever->tilt, Fixed(0));
  EXPECT_EQ(lever->swing, 0);
  EXPECT_TRUE(lever->IsTargetMet(kLeverGoalChanged));
  EXPECT_EQ(lever->GetOrientation(), 1);
}

TEST(Lever, HooksFollowTheTilt) {
  Lever lever;
  lever.SetPosition(Fixed(100), Fixed(300));
  Vec2 left, right;
  ASSERT_TRUE(lever.GetHookPoint(kLeverLeftHook, &left));
  ASSERT_TRUE(lever.GetHookPoint(kLeverRightHook, &right));
  EXPECT_EQ(left, Vec2(Fixed(106), Fixed(300)));
  EXPECT_EQ(right, Vec2(Fixed(172), Fixed(336)));
  lever.tilt = Fixed(0);
  lever.GetHookPoint(kLeverLeftHook, &left);
  lever.GetHookPoint(kLeverRightHook, &right);
  EXPECT_EQ(left, Vec2(Fixed(106), Fixed(336)));
  EXPECT_EQ(right, Vec2(Fixed(172), Fixed(300)));
  EXPECT_FALSE(lever.GetHookPoint(2, &left));
}

TEST(Lever, ARopeSwingsItOnlyByRaisingALoweredEndOrPullingARaisedOneDown) {
  struct Case {
    int tilt, hook, pullY, swing;
  };
  const Case cases[] = {
      {8, kLeverRightHook, 5, 0},  {8, kLeverRightHook, -5, -1}, {8, kLeverLeftHook, -5, 0},
      {8, kLeverLeftHook, 5, -1},  {0, kLeverRightHook, 5, 1},   {0, kLeverLeftHook, -5, 1},
      {0, kLeverRightHook, -5, 0},
  };
  for (const Case& c : cases) {
    Scene scene;
    Lever* lever = scene.Add<Lever>(100, 300);
    lever->tilt = Fixed(c.tilt);
    Bomb* lying = scene.Add<Bomb>(110, 280);
    auto* knot = scene.Add<RopeKnot>(200, 100);
    auto r = std::make_unique<Rope>();
    r->AddEnd(knot, 0);
    r->AddEnd(lever, c.hook);
    Rope* rope = scene.Put(std::move(r));
    Vec2 pull(Fixed(0), Fixed(c.pullY));
    lever->OnEvent(kEventRopePull, rope, &pull);
    EXPECT_EQ(lever->swing, c.swing) << "tilt " << c.tilt << " hook " << c.hook << " y " << c.pullY;
    EXPECT_EQ(lever->changed, c.swing != 0);
    EXPECT_EQ(lying->velocity == Vec2(), c.swing == 0) << "kicked with the swing";
  }
}

TEST(Lever, ASwingingLeverOrAStrangeRopeIgnoresAPull) {
  Scene scene;
  Lever* lever = scene.Add<Lever>(100, 300);
  auto* knot = scene.Add<RopeKnot>(200, 100);
  auto r = std::make_unique<Rope>();
  r->AddEnd(knot, 0);
  r->AddEnd(lever, kLeverRightHook);
  Rope* rope = scene.Put(std::move(r));
  Vec2 up(Fixed(0), Fixed(-5));
  lever->swing = 1;
  lever->OnEvent(kEventRopePull, rope, &up);
  EXPECT_EQ(lever->swing, 1);
  lever->swing = 0;
  Rope elsewhere;  // not in this lever's world
  elsewhere.AddEnd(lever, kLeverRightHook);
  lever->OnEvent(kEventRopePull, &elsewhere, &up);
  EXPECT_EQ(lever->swing, 0);
}

struct LeverScene {
  LeverScene() : leverFrames(Lever::Frames(), kLeverFrameCount, 39, 18) {}
  InstalledFrames leverFrames;
  Scene scene;
};

// The balls come before the lever in the list, as a player drops them onto a
// placed lever: a ball leaving the lever then breaks contact.
TEST(Lever, ABallDroppedOnTheRaisedEndSwingsItOverIn32SubStepsAndLaunchesTheBallOnItOnce) {
  LeverScene s;
  TennisBall* lying = s.scene.Add<TennisBall>(120, 284);
  s.scene.Add<TennisBall>(150, 230);
  Lever* lever = s.scene.Add<Lever>(100, 300);
  lever->SetOrientation(1);  // left end down, right end raised

  int hitAt = -1, launches = 0, doneAt = -1;
  for (int i = 0; i < 200; ++i) {
    Fixed vyBefore = lying->velocity.y;
    s.scene.SubSteps(1);
    if (hitAt < 0 && lever->swing > 0) hitAt = i;
    if (lying->velocity.y < vyBefore - Fixed(30)) ++launches;
    if (hitAt >= 0 && doneAt < 0 && lever->tilt == Fixed(8)) doneAt = i;
  }
  ASSERT_GE(hitAt, 0) << "the dropped ball reaches the raised end";
  EXPECT_EQ(doneAt - hitAt, 32);
  EXPECT_EQ(launches, 1) << "the ball lying on the lowered half is flung once";
  EXPECT_LT(lying->box.y, Fixed(250));
}

TEST(Scissors, OneTouchClosesThemInSevenSubStepsAndTheyCutOnce) {
  Scene scene;
  Scissors* scissors = scene.Add<Scissors>(100, 100);
  EventLog* log = scene.Put(std::make_unique<EventLog>());
  for (int i = 0; i < 3; ++i) scissors->ApplyForces(kTimeStep);
  EXPECT_EQ(scissors->progress, Fixed(0)) << "untouched they stay open";
  Vec2 p(Fixed(120), Fixed(110));
  scissors->OnEvent(kEventContact, nullptr, &p);
  for (int i = 0; i < 6; ++i) scissors->ApplyForces(kTimeStep);
  EXPECT_EQ(log->Count(kEventCut), 0);
  EXPECT_FALSE(scissors->IsTargetMet(kScissorsGoalCut));
  scissors->ApplyForces(kTimeStep);
  ASSERT_EQ(log->Count(kEventCut), 1);
  EXPECT_EQ(scissors->frame, Fixed(3));
  EXPECT_EQ(log->entries[0].area, Box(Fixed(128), Fixed(100), Fixed(28), Fixed(32)));
  scissors->OnEvent(kEventContact, nullptr, &p);
  for (int i = 0; i < 20; ++i) scissors->ApplyForces(kTimeStep);
  EXPECT_EQ(log->Count(kEventCut), 1);
  EXPECT_TRUE(scissors->IsTargetMet(kScissorsGoalCut));
}

TEST(Scissors, CutOnlyRopesAcrossTheBladeHalf) {
  for (int facing : {0, 1}) {
    Scene scene;
    Scissors* scissors = scene.Add<Scissors>(100, 100);
    scissors->orientation = facing;
    // Two upright ropes, one through each half of the scissors.
    Rope* ropes[2];
    GameObject* bottoms[2];
    for (int side = 0; side < 2; ++side) {
      int x = side == 0 ? 112 : 142;
      auto* top = scene.Add<RopeKnot>(x - 3, 40);
      auto* bottom = scene.Add<RopeKnot>(x - 3, 180);
      bottoms[side] = bottom;
      auto r = std::make_unique<Rope>();
      r->AddEnd(top, 0);
      r->AddEnd(bottom, 0);
      r->OnPlaced(0);
      ropes[side] = scene.Put(std::move(r));
    }
    Candle* candle = scene.Add<Candle>(130, 100);
    Bomb* bomb = scene.Add<Bomb>(104, 104);
    int before = scene.world.Count();
    scissors->progress = Fixed(3);
    scissors->ApplyForces(kTimeStep);
    ASSERT_EQ(scene.world.Count(), before + 3) << "one rope cut, facing " << facing;
    const int blade = facing == 1 ? 0 : 1;
    EXPECT_NE(ropes[blade]->End(1)->object, bottoms[blade]) << "ends at a new knot";
    EXPECT_EQ(ropes[1 - blade]->End(1)->object, bottoms[1 - blade]);
    EXPECT_FALSE(candle->burning);
    EXPECT_EQ(bomb->state, BombState::Idle);
  }
}

}  // namespace
}  // namespace qv
