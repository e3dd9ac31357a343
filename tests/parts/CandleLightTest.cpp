#include <gtest/gtest.h>

#include <set>

#include "parts/Bomb.h"
#include "parts/Bullet.h"
#include "parts/Candle.h"
#include "parts/Flashlight.h"
#include "parts/Magnifier.h"
#include "parts/PartScene.h"
#include "parts/Scissors.h"
#include "physics/Ball.h"
#include "physics/Rope.h"

namespace qv {
namespace {

using test::EventLog;
using test::InstalledFrames;
using test::Scene;

TEST(Candle, ShowsTheUnlitFrameUntilTheFlameTakesThenCyclesTheFlameFrames) {
  Candle candle;
  candle.burning = true;
  for (int i = 1; i <= 19; ++i) {
    candle.ApplyForces(kTimeStep);
    ASSERT_EQ(candle.frame.ToInt(), 0) << "sub-step " << i;
  }
  candle.ApplyForces(kTimeStep);
  EXPECT_EQ(candle.frame.ToInt(), 1);
  std::set<int> shown;
  for (int i = 0; i < 300; ++i) {
    candle.ApplyForces(kTimeStep);
    shown.insert(candle.frame.ToInt());
  }
  EXPECT_EQ(shown, (std::set<int>{1, 2, 3}));
}

TEST(Candle, AnUnlitCandleDoesNothing) {
  Scene scene;
  Candle* candle = scene.Add<Candle>(100, 100);
  EventLog* log = scene.Put(std::make_unique<EventLog>());
  candle->ApplyForces(kTimeStep);
  EXPECT_TRUE(log->entries.empty());
  EXPECT_EQ(candle->frame, Fixed(0));
}

TEST(Candle, IsLitByAnotherFlameButNeverByItsOwn) {
  Candle candle;
  Box own = candle.FlameBox();
  candle.OnEvent(kEventIgniteAndCut, &candle, &own);
  EXPECT_FALSE(candle.burning);
  Magnifier lens;
  candle.OnEvent(kEventIgniteAndCut, &lens, &own);
  EXPECT_TRUE(candle.burning);
  EXPECT_TRUE(candle.IsTargetMet(kCandleGoalBurn));
}

TEST(Candle, TwoCandlesSideBySideLightEachOtherOnlyWhenFlameAndWickMeet) {
  for (int gap : {10, 11}) {
    for (bool firstBurns : {true, false}) {
      Scene scene;
      Candle* a = scene.Add<Candle>(100, 100);
      Candle* b = scene.Add<Candle>(100 + gap, 100);
      Candle* lit = firstBurns ? a : b;
      Candle* other = firstBurns ? b : a;
      lit->burning = true;
      lit->ApplyForces(kTimeStep);
      EXPECT_EQ(other->burning, gap == 10) << "gap " << gap;
    }
  }
}

TEST(Candle, ABulletLightsItWithinSevenHalfUnitsOfItsCentreLine) {
  struct Case {
    int offset;
    bool lights;
  };
  for (Case c :
       {Case{0, true}, Case{14, true}, Case{-14, true}, Case{16, false}, Case{-16, false}}) {
    Scene scene;
    Candle* candle = scene.Add<Candle>(200, 300);
    candle->hasGravity = false;
    auto bullet = std::make_unique<Bullet>();
    bullet->LoadImages();
    bullet->SetDirection(true);
    // Bullet centre (x + 7, y + 6) against the candle centre (215, 320).
    bullet->SetPosition(Fixed(150), Fixed(314 + c.offset));
    scene.Put(std::move(bullet));
    scene.SubSteps(100);
    EXPECT_EQ(candle->burning, c.lights) << "offset " << c.offset;
  }
}

TEST(Candle, ABlastLightsItOnlyStrictlyInsideOneAndAHalfBombWidths) {
  struct Case {
    int dx, dy;
    bool lights;
  };
  for (Case c : {Case{38, 0, true}, Case{39, 0, false}, Case{0, -38, true}, Case{27, 27, true},
                 Case{28, 28, false}}) {
    Candle candle;
    candle.SetPosition(Fixed(200), Fixed(200));  // centre (215, 220)
    Bomb bomb;
    bomb.SetPosition(Fixed(215 + c.dx - 13), Fixed(220 + c.dy - 13));
    candle.OnEvent(kEventExplosion, &bomb, nullptr);
    EXPECT_EQ(candle.burning, c.lights) << c.dx << "," << c.dy;
  }
  Candle candle;
  Bomb bomb;
  bomb.SetPosition(Fixed(0), Fixed(0));
  candle.SetPosition(Fixed(0), Fixed(0));
  candle.OnEvent(kEventExplosion | 1, &bomb, nullptr);
  EXPECT_FALSE(candle.burning) << "only the exact explosion code counts";
}

// The fuse of an unturned bomb lies at its top-right corner (x + 26, y);
// placed there it sits inside the flame of a candle at (100, 100).
TEST(Candle, SetFireToABombOnlyWhenItsOwnFlameLitTheFuse) {
  Scene scene;
  Candle* candle = scene.Add<Candle>(100, 100);
  Bomb* bomb = scene.Add<Bomb>(100 + 15 - 26, 100 - 5);
  EXPECT_FALSE(candle->IsTargetMet(kCandleGoalLightBomb));
  Magnifier lens;
  Box flame = candle->FlameBox();
  bomb->OnEvent(kEventIgniteAndCut, &lens, &flame);
  ASSERT_EQ(bomb->state, BombState::Burning);
  candle->burning = true;
  candle->ApplyForces(kTimeStep);
  EXPECT_FALSE(candle->IsTargetMet(kCandleGoalLightBomb)) << "the lens lit it first";

  bomb->state = BombState::Idle;
  candle->ApplyForces(kTimeStep);
  EXPECT_EQ(bomb->state, BombState::Burning);
  EXPECT_TRUE(candle->IsTargetMet(kCandleGoalLightBomb));
}

struct RopeOverCandle {
  explicit RopeOverCandle(Scene& scene) {
    candle = scene.Add<Candle>(100, 100);
    // Knots far from the flame; the rope crosses the flame's middle line.
    auto* top = scene.Add<RopeKnot>(100 - 33, 100 - 43);
    auto* bottom = scene.Add<RopeKnot>(100 + 57, 100 + 37);
    auto r = std::make_unique<Rope>();
    r->AddEnd(top, 0);
    r->AddEnd(bottom, 0);
    r->OnPlaced(0);
    rope = scene.Put(std::move(r));
  }
  Candle* candle;
  Rope* rope;
};

TEST(Candle, BurnThroughARopeOnceItsFlameCutOne) {
  Scene scene;
  RopeOverCandle setup(scene);
  Candle* candle = setup.candle;
  candle->burning = true;
  for (int i = 0; i < 154; ++i) candle->ApplyForces(kTimeStep);
  EXPECT_FALSE(candle->IsTargetMet(kCandleGoalBurnRope));
  int before = scene.world.Count();
  candle->ApplyForces(kTimeStep);
  EXPECT_GT(scene.world.Count(), before) << "the 155th event cuts";
  EXPECT_TRUE(candle->IsTargetMet(kCandleGoalBurnRope));
}

TEST(Candle, ARopeCutByOthersDoesNotCountForTheCandle) {
  Scene scene;
  RopeOverCandle setup(scene);
  Scissors blades;
  Box across(Fixed(90), Fixed(90), Fixed(40), Fixed(20));
  int before = scene.world.Count();
  setup.rope->OnEvent(kEventCut, &blades, &across);
  ASSERT_GT(scene.world.Count(), before);
  setup.candle->burning = true;
  setup.candle->ApplyForces(kTimeStep);
  EXPECT_FALSE(setup.candle->IsTargetMet(kCandleGoalBurnRope));
}

TEST(Flashlight, OnlyABlowToItsMiddleHalfSwitchesItOnForGood) {
  struct Case {
    int x;
    bool on;
  };
  for (Case c : {Case{0, false}, Case{15, false}, Case{16, true}, Case{30, true}, Case{44, true},
                 Case{45, false}, Case{60, false}}) {
    Flashlight lamp;
    lamp.SetPosition(Fixed(100), Fixed(200));
    Vec2 p(Fixed(100 + c.x), Fixed(260));  // the height does not matter
    lamp.OnEvent(kEventContact, nullptr, &p);
    EXPECT_EQ(lamp.on, c.on) << "x " << c.x;
    EXPECT_EQ(lamp.IsTargetMet(kFlashlightGoalOn), c.on);
  }
}

TEST(Flashlight, ShinesEverySubStepOnlyWhileOn) {
  Scene scene;
  Flashlight* lamp = scene.Add<Flashlight>(100, 100);
  EventLog* log = scene.Put(std::make_unique<EventLog>());
  lamp->ApplyForces(kTimeStep);
  EXPECT_TRUE(log->entries.empty());
  lamp->on = true;
  lamp->ApplyForces(kTimeStep);
  lamp->ApplyForces(kTimeStep);
  ASSERT_EQ(log->Count(kEventLight), 2);
  EXPECT_EQ(log->entries[0].sender, lamp);
}

// The catch band of a magnifier at (200, 100): x 180..244, y 110..134, for
// the middle of the lamp's front edge.
TEST(Magnifier, IsLitOnlyByALampWhoseFrontEdgeLiesInItsCatchBand) {
  struct Case {
    int frontX, frontY, facing;
    bool lit;
  };
  for (Case c : {Case{180, 110, 0, true}, Case{179, 110, 0, false}, Case{244, 134, 0, true},
                 Case{245, 120, 0, false}, Case{200, 109, 0, false}, Case{200, 135, 0, false},
                 Case{180, 120, 1, true}, Case{250, 120, 1, false}}) {
    Magnifier lens;
    lens.SetPosition(Fixed(200), Fixed(100));
    Flashlight lamp;
    lamp.orientation = c.facing;
    lamp.SetPosition(Fixed(c.facing == 1 ? c.frontX - 60 : c.frontX), Fixed(c.frontY - 16));
    lens.OnEvent(kEventLight, &lamp, &lamp);
    EXPECT_EQ(lens.lit, c.lit) << c.frontX << "," << c.frontY << " facing " << c.facing;
    if (c.lit) {
      EXPECT_EQ(lens.beamLeft, 1 - c.facing);
    }
  }
}

TEST(Magnifier, ALitLensKeepsIgnitingAfterItsLampIsGone) {
  InstalledFrames lensFrames(Magnifier::Frames(), kMagnifierFrameCount, 12, 32);
  lensFrames.Resize(kMagnifierSpotFrame, 16, 20);
  Scene scene;
  Flashlight* lamp = scene.Add<Flashlight>(200, 104);  // front edge (200, 120)
  Magnifier* lens = scene.Add<Magnifier>(200, 100);
  // The hot spot left of the lens: (182, 112), 32 x 32.
  Candle* candle = scene.Add<Candle>(183, 120);
  lamp->on = true;
  lamp->ApplyForces(kTimeStep);
  ASSERT_TRUE(lens->lit);
  EXPECT_EQ(lens->HotBox(), Box(Fixed(182), Fixed(112), Fixed(32), Fixed(32)));
  scene.world.Remove(lamp);
  EXPECT_FALSE(candle->burning);
  lens->ApplyForces(kTimeStep);
  EXPECT_TRUE(candle->burning);
}

// The whole road from a blow to fire: a falling ball switches the lamp on, the
// lamp lights the lens, the lens's hot spot lights a candle.
TEST(Magnifier, ABallStrikingALampInTheMiddleEndsInACandleFlame) {
  InstalledFrames lampFrames(Flashlight::Frames(), kFlashlightFrameCount, 30, 16);
  InstalledFrames lensFrames(Magnifier::Frames(), kMagnifierFrameCount, 12, 32);
  lensFrames.Resize(kMagnifierSpotFrame, 16, 20);
  Scene scene;
  Flashlight* lamp = scene.Add<Flashlight>(100, 200);  // front edge (100, 216)
  Magnifier* lens = scene.Add<Magnifier>(70, 190);
  Candle* candle = scene.Add<Candle>(36, 215);  // wick in the hot spot
  candle->hasGravity = false;
  scene.Add<TennisBall>(122, 150);
  scene.SubSteps(60);
  EXPECT_TRUE(lamp->on);
  EXPECT_TRUE(lens->lit);
  EXPECT_EQ(lens->beamLeft, 1);
  EXPECT_TRUE(candle->burning);
}

}  // namespace
}  // namespace qv
