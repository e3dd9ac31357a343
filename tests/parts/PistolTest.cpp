#include <gtest/gtest.h>

#include "parts/Bullet.h"
#include "parts/PartScene.h"
#include "parts/Pistol.h"
#include "physics/Rope.h"

namespace qv {
namespace {

using test::CountingSound;
using test::EventLog;
using test::Scene;

int CountKind(const World& world, int kind) {
  int n = 0;
  for (int i = 0; i < world.Count(); ++i) n += world.At(i)->GetKind() == kind ? 1 : 0;
  return n;
}

TEST(Pistol, FiresOneBulletPerRunInTheTwelfthFiringStep) {
  CountingSound sound;
  Scene scene;
  Pistol* pistol = scene.Add<Pistol>(100, 100);
  Vec2 pull(Fixed(0), Fixed(-3));
  pistol->OnEvent(kEventRopePull, nullptr, &pull);
  EXPECT_TRUE(pistol->firing);
  EXPECT_EQ(sound.plays.size(), 1u);
  for (int i = 0; i < 11; ++i) pistol->ApplyForces(kTimeStep);
  EXPECT_EQ(CountKind(scene.world, kKindBullet), 0);
  pistol->ApplyForces(kTimeStep);
  EXPECT_EQ(CountKind(scene.world, kKindBullet), 1);

  pistol->OnEvent(kEventRopePull, nullptr, &pull);  // during the shot
  for (int i = 12; i < 40; ++i) pistol->ApplyForces(kTimeStep);
  EXPECT_FALSE(pistol->fired);
  EXPECT_FALSE(pistol->IsTargetMet(kPistolGoalShoot));
  pistol->ApplyForces(kTimeStep);
  EXPECT_TRUE(pistol->fired);
  EXPECT_FALSE(pistol->firing);
  EXPECT_EQ(pistol->frame, Fixed(0));

  pistol->OnEvent(kEventRopePull, nullptr, &pull);  // after it
  for (int i = 0; i < 60; ++i) pistol->ApplyForces(kTimeStep);
  EXPECT_EQ(CountKind(scene.world, kKindBullet), 1);
  EXPECT_EQ(sound.plays.size(), 1u);
}

TEST(Pistol, TheBulletLeavesTheMuzzleOnTheSideThePistolFaces) {
  struct Case {
    int facing, x, vx;
  };
  for (Case c : {Case{0, 100, -20}, Case{1, 160, 20}}) {
    Scene scene;
    Pistol* pistol = scene.Add<Pistol>(100, 100);
    pistol->orientation = c.facing;
    pistol->firing = true;
    for (int i = 0; i < 12; ++i) pistol->ApplyForces(kTimeStep);
    auto* bullet = static_cast<Bullet*>(scene.world.At(scene.world.Count() - 1));
    ASSERT_EQ(bullet->GetKind(), kKindBullet);
    EXPECT_EQ(bullet->box, Box(Fixed(c.x), Fixed(108), Fixed(14), Fixed(12)));
    EXPECT_EQ(bullet->velocity, Vec2(Fixed(c.vx), Fixed(0)));
  }
}

TEST(Pistol, EveryShotCountsForBothGoalsEvenOneThatHitsNothing) {
  Scene scene;
  Pistol* pistol = scene.Add<Pistol>(100, 100);
  EXPECT_FALSE(pistol->IsTargetMet(kPistolGoalShootObject));
  pistol->firing = true;
  for (int i = 0; i < 41; ++i) pistol->ApplyForces(kTimeStep);
  EXPECT_TRUE(pistol->IsTargetMet(kPistolGoalShoot));
  EXPECT_TRUE(pistol->IsTargetMet(kPistolGoalShootObject));
}

TEST(Pistol, AFullWorldGetsNoBulletAndTheShotStillEnds) {
  Scene scene;
  Pistol* pistol = scene.Add<Pistol>(100, 100);
  while (!scene.world.IsFull()) scene.Put(std::make_unique<EventLog>());
  pistol->firing = true;
  for (int i = 0; i < 41; ++i) pistol->ApplyForces(kTimeStep);
  EXPECT_EQ(scene.world.Count(), kWorldCapacity);
  EXPECT_EQ(CountKind(scene.world, kKindBullet), 0);
  EXPECT_TRUE(pistol->fired);
  EXPECT_FALSE(pistol->loaded);
}

TEST(Pistol, TheTriggerHookSitsAtItsFramePixelMirroredWhenTurned) {
  Pistol pistol;
  pistol.SetPosition(Fixed(100), Fixed(100));
  Vec2 p;
  ASSERT_TRUE(pistol.GetHookPoint(0, &p));
  EXPECT_EQ(p, Vec2(Fixed(140), Fixed(116)));
  pistol.orientation = 1;
  ASSERT_TRUE(pistol.GetHookPoint(0, &p));
  EXPECT_EQ(p, Vec2(Fixed(118), Fixed(116)));
  EXPECT_FALSE(pistol.GetHookPoint(1, &p));
  RopeEnd end;
  EXPECT_FALSE(pistol.AttachRope(1, &end));
  EXPECT_TRUE(pistol.AttachRope(0, &end));
  EXPECT_EQ(end.mode, kRopeModeTie);
}

TEST(Bullet, FliesLevelAtRaw300PerSubStepAndOnPastTheScreen) {
  Scene scene;
  Bullet* bullet = scene.Add<Bullet>(470, 300);
  bullet->SetDirection(true);
  EventLog* log = scene.Put(std::make_unique<EventLog>());
  scene.SubSteps(1);
  EXPECT_EQ(bullet->box.x, Fixed(470) + Fixed::FromRaw(300));
  EXPECT_EQ(bullet->box.y, Fixed(300));
  ASSERT_EQ(log->Count(kEventBulletAndCut), 1);
  EXPECT_EQ(log->entries[0].area, Box(Fixed(470), Fixed(300), Fixed(14), Fixed(12)));
  scene.SubSteps(999);
  EXPECT_EQ(bullet->box.x, Fixed(470) + Fixed::FromRaw(300 * 1000));
  EXPECT_EQ(bullet->box.y, Fixed(300));
  EXPECT_EQ(bullet->velocity, Vec2(Fixed(20), Fixed(0)));
  EXPECT_FALSE(bullet->removed);
  EXPECT_FALSE(bullet->IsTargetMet(kBulletGoalHit));
  EXPECT_FALSE(bullet->IsCollidable());
}

}  // namespace
}  // namespace qv
