#include <gtest/gtest.h>

#include "parts/Bomb.h"
#include "parts/Bullet.h"
#include "parts/Candle.h"
#include "parts/Lever.h"
#include "parts/PartScene.h"

namespace qv {
namespace {

using test::CountingSound;
using test::EventLog;
using test::Scene;

TEST(Bomb, FuseBurnsFor154StepsBurstsOnTheNextAndIsGoneOnThe68thExplosionStep) {
  CountingSound sound;
  Scene scene;
  Bomb* bomb = scene.Add<Bomb>(100, 100);
  EventLog* log = scene.Put(std::make_unique<EventLog>());
  bomb->state = BombState::Burning;
  for (int i = 0; i < 153; ++i) bomb->ApplyForces(kTimeStep);
  EXPECT_EQ(bomb->state, BombState::Burning);
  bomb->ApplyForces(kTimeStep);
  EXPECT_EQ(bomb->state, BombState::Exploding);
  EXPECT_TRUE(log->entries.empty());
  EXPECT_TRUE(sound.plays.empty());

  bomb->ApplyForces(kTimeStep);  // the burst: first explosion step
  EXPECT_EQ(log->Count(kEventExplosion), 1);
  EXPECT_EQ(sound.plays.size(), 1u);
  EXPECT_FALSE(bomb->IsCollidable());
  EXPECT_TRUE(bomb->IsStatic());
  for (int i = 2; i < 68; ++i) bomb->ApplyForces(kTimeStep);
  EXPECT_FALSE(bomb->IsTargetMet(kBombGoalExploded));
  bomb->ApplyForces(kTimeStep);
  EXPECT_TRUE(bomb->removed);
  EXPECT_TRUE(bomb->IsTargetMet(kBombGoalExploded));
  EXPECT_EQ(log->Count(kEventExplosion), 1);
  EXPECT_EQ(sound.plays.size(), 1u);
}

TEST(Bomb, ABurstSetsOffANeighbourWithHalfAFuseOnlyWithinItsBlast) {
  for (int apart : {38, 40}) {
    Scene scene;
    Bomb* first = scene.Add<Bomb>(100, 100);
    Bomb* second = scene.Add<Bomb>(100 + apart, 100);
    first->state = BombState::Exploding;
    first->ApplyForces(kTimeStep);
    if (apart == 40) {
      EXPECT_EQ(second->state, BombState::Idle);
      continue;
    }
    ASSERT_EQ(second->state, BombState::Burning);
    for (int i = 0; i < 25; ++i) second->ApplyForces(kTimeStep);
    EXPECT_EQ(second->state, BombState::Burning);
    second->ApplyForces(kTimeStep);
    EXPECT_EQ(second->state, BombState::Exploding);
  }
}

TEST(Bomb, ABulletWithinHalfDistanceFifteenSetsItOffAndIsRemoved) {
  struct Case {
    int dx, dy;
    BombState before;
    bool setsOff;
  };
  for (Case c : {Case{30, 0, BombState::Burning, true}, Case{32, 0, BombState::Burning, false},
                 Case{20, 20, BombState::Idle, true}, Case{22, 22, BombState::Idle, false},
                 Case{0, -30, BombState::Idle, true}, Case{0, 0, BombState::Exploding, false}}) {
    Scene scene;
    Bomb* bomb = scene.Add<Bomb>(100, 100);  // centre (113, 113)
    EventLog* log = scene.Put(std::make_unique<EventLog>());
    Bullet* bullet = scene.Add<Bullet>(113 + c.dx - 7, 113 + c.dy - 6);
    bomb->state = c.before;
    bomb->frame = c.before == BombState::Exploding ? Fixed(4) : Fixed(1);
    bullet->ApplyForces(kTimeStep);
    EXPECT_EQ(bullet->removed, c.setsOff) << c.dx << "," << c.dy;
    EXPECT_EQ(bullet->IsTargetMet(kBulletGoalHit), c.setsOff);
    if (!c.setsOff) continue;
    EXPECT_EQ(bomb->state, BombState::Exploding);
    bomb->ApplyForces(kTimeStep);
    EXPECT_EQ(log->Count(kEventExplosion), 1) << "bursts at its next step";
  }
}

// Unturned, the fuse of a bomb at (100, 100) is (126, 100); turned, (98, 100).
TEST(Bomb, AFlameLightsTheFuseOnlyWithinTwentyUnitsOfIt) {
  struct Case {
    int facing, centreX, centreY;
    bool lights;
  };
  for (Case c : {Case{0, 106, 100, true}, Case{0, 105, 100, false}, Case{0, 147, 100, false},
                 Case{0, 126, 121, false}, Case{0, 126, 112, true}, Case{1, 98, 90, true},
                 Case{1, 126, 100, false}}) {
    Bomb bomb;
    bomb.orientation = c.facing;
    bomb.SetPosition(Fixed(100), Fixed(100));
    // Wide enough that the grown flame always reaches the fuse.
    Box flame(Fixed(c.centreX - 30), Fixed(c.centreY - 15), Fixed(60), Fixed(30));
    Candle candle;
    bomb.OnEvent(kEventIgniteAndCut, &candle, &flame);
    EXPECT_EQ(bomb.state == BombState::Burning, c.lights)
        << c.centreX << "," << c.centreY << " facing " << c.facing;
  }
}

TEST(Bomb, ALeverKickFlingsItAtSpeedFortyAlongTheLeversNormal) {
  struct Case {
    int x, y;
    Vec2 velocity;
  };
  // Lever at (100, 300) with its right end down: flat on the left half, a
  // slope on the right whose normal is raw (122, -224).
  for (Case c : {Case{110, 280, Vec2(Fixed(0), Fixed(-40))},
                 Case{150, 290, Vec2(Fixed::FromRaw(4880), Fixed::FromRaw(-8960))},
                 Case{110, 250, Vec2()}}) {
    Scene scene;
    Lever* lever = scene.Add<Lever>(100, 300);
    Bomb* bomb = scene.Add<Bomb>(c.x, c.y);
    Vec2 kick(Fixed(0), Fixed(40));
    bomb->OnEvent(kEventLeverKick, lever, &kick);
    EXPECT_EQ(bomb->velocity, c.velocity) << c.x << "," << c.y;
  }
  Scene scene;
  Bomb* bomb = scene.Add<Bomb>(110, 280);
  EventLog* notALever = scene.Put(std::make_unique<EventLog>());
  notALever->SetBox(Box(Fixed(100), Fixed(300), Fixed(78), Fixed(36)));
  Vec2 kick(Fixed(0), Fixed(40));
  bomb->OnEvent(kEventLeverKick, notALever, &kick);
  EXPECT_EQ(bomb->velocity, Vec2());
}

}  // namespace
}  // namespace qv
