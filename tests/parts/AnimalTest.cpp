#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "parts/Carrot.h"
#include "parts/Ostrich.h"
#include "parts/Rabbit.h"
#include "physics/World.h"
#include "support/RopeFixtures.h"

namespace qv {
namespace {

using test::AddTo;
using test::HookBody;
using test::UnitBox;

// Run frames are 28..30 pixels high, eating frames 12..15 are 22..25.
int RabbitFrameHeight(int i) {
  return (i >= 12 && i <= 15) ? 10 + i : 28 + i % 3;
}

Rabbit* RabbitAt(World& w, int x, int y) {
  auto* rabbit = AddTo<Rabbit>(w);
  rabbit->LoadImages();
  test::ShapeFrames(rabbit->GetImages(), 20, RabbitFrameHeight);
  rabbit->SetPosition(Fixed(x), Fixed(y));
  rabbit->prevBox = rabbit->box;
  return rabbit;
}

Carrot* CarrotAt(World& w, int x, int y) {
  auto* carrot = AddTo<Carrot>(w);
  carrot->SetPosition(Fixed(x), Fixed(y));
  return carrot;
}

Vec2 kPoint;

TEST(AnimalTest, RabbitRunsTowardTheNearestCarrotLevelWithIt) {
  struct Case {
    int first, second;  // carrot x positions; the rabbit stands at 200..240
    int facing;
  } cases[] = {{100, 330, 0}, {330, 60, 1}, {110, 310, 1}, {310, 110, 0}, {60, 0, 0}};
  for (const Case& c : cases) {
    World w;
    Rabbit* rabbit = RabbitAt(w, 200, 100);
    CarrotAt(w, c.first, 150);
    if (c.second != 0) CarrotAt(w, c.second, 150);
    rabbit->ApplyForces(kTimeStep);
    EXPECT_TRUE(rabbit->running);
    EXPECT_EQ(rabbit->GetOrientation(), c.facing) << c.first << " " << c.second;
    EXPECT_EQ(rabbit->velocity.x, Fixed(c.facing == 1 ? 8 : -8));
    EXPECT_EQ(rabbit->runTimer, kRabbitRunTime);
    EXPECT_EQ(rabbit->box.h, Fixed(2 * RabbitFrameHeight(0)));
  }
}

TEST(AnimalTest, CarrotOutOfLineOrEatenIsNotSeen) {
  for (int carrotY : {80, 170}) {  // centres 84 (above the head) and 174
    World w;
    Rabbit* rabbit = RabbitAt(w, 200, 100);
    CarrotAt(w, 100, carrotY);
    rabbit->ApplyForces(kTimeStep);
    EXPECT_FALSE(rabbit->running) << carrotY;
  }
  // An eaten carrot stays in the list, removed; the rabbit must not keep
  // running (and hopping) toward it.
  World w;
  Rabbit* rabbit = RabbitAt(w, 200, 100);
  CarrotAt(w, 100, 150)->removed = true;
  rabbit->ApplyForces(kTimeStep);
  EXPECT_FALSE(rabbit->running);
}

TEST(AnimalTest, RunEndsAtACycleStartAfterTheTimer) {
  World w;
  Rabbit* rabbit = RabbitAt(w, 200, 100);
  Carrot* carrot = CarrotAt(w, 100, 150);
  rabbit->ApplyForces(kTimeStep);
  carrot->removed = true;
  // The timer runs out at the 201st sub-step; the frame (0.25 a step through
  // a cycle of 44) is next at a cycle start at the 220th.
  int stopped = 0;
  for (int step = 1; step <= 300 && stopped == 0; ++step) {
    rabbit->ApplyForces(kTimeStep);
    if (!rabbit->running) stopped = step;
  }
  EXPECT_EQ(stopped, 220);
  EXPECT_EQ(rabbit->frame, Fixed());
  EXPECT_EQ(rabbit->runTimer, 0);
}

struct WallScene {
  World w;
  Rabbit* rabbit;
  HookBody* wall;
  explicit WallScene(int wallTop) {
    rabbit = RabbitAt(w, 200, 100);  // box 200..240 x 100..160
    rabbit->running = true;
    rabbit->SetOrientation(1);
    rabbit->runDirection = 1;
    rabbit->runTimer = kRabbitRunTime;
    wall = AddTo<HookBody>(w, UnitBox(236, wallTop, 20, 200), true);
  }
};

TEST(AnimalTest, RunningRabbitTurnsAwayFromAWallAboveItsFeet) {
  WallScene s(50);
  s.rabbit->OnEvent(kEventContact, s.wall, &kPoint);
  EXPECT_EQ(s.rabbit->GetOrientation(), 0);
  EXPECT_EQ(s.rabbit->box.y, Fixed(98));  // the hop
  // The turn lasts: the next step keeps it, and touching the same wall again
  // does not turn the rabbit back into it.
  s.rabbit->ApplyForces(kTimeStep);
  EXPECT_EQ(s.rabbit->GetOrientation(), 0);
  EXPECT_EQ(s.rabbit->velocity.x, Fixed(-8));
  s.rabbit->OnEvent(kEventContact, s.wall, &kPoint);
  EXPECT_EQ(s.rabbit->GetOrientation(), 0);

  WallScene feet(154);  // overlaps only the lowest 6 units
  feet.rabbit->OnEvent(kEventContact, feet.wall, &kPoint);
  EXPECT_EQ(feet.rabbit->GetOrientation(), 1);
  EXPECT_EQ(feet.rabbit->box.y, Fixed(98));
}

TEST(AnimalTest, StandingRabbitIsNotPushedButRidesATrack) {
  World w;
  Rabbit* rabbit = RabbitAt(w, 200, 100);
  HookBody* ball = AddTo<HookBody>(w, UnitBox(180, 120, 20, 20), false, kKindTennisBall);
  HookBody* track = AddTo<HookBody>(w, UnitBox(190, 160, 60, 20), true, kKindTrack);
  rabbit->velocity = Vec2(Fixed(-10), Fixed());
  rabbit->Integrate(kTimeStep);
  Box moved = rabbit->box;
  rabbit->OnEvent(kEventContact, ball, &kPoint);
  EXPECT_EQ(rabbit->box, rabbit->prevBox);
  rabbit->Integrate(kTimeStep);
  EXPECT_EQ(rabbit->box.x, Fixed(200)) << "back where it stood, and held there";
  rabbit->OnEvent(kEventContact, track, &kPoint);
  rabbit->Integrate(kTimeStep);
  EXPECT_LT(rabbit->box.x, Fixed(200));
  EXPECT_NE(moved, Box());
}

TEST(AnimalTest, EatingLiftsTheRabbitAndFollowsTheEatingFrames) {
  World w;
  Rabbit* rabbit = RabbitAt(w, 200, 100);
  Carrot* carrot = CarrotAt(w, 190, 150);
  rabbit->running = true;
  rabbit->frame = Fixed(4);  // 29 pixels high
  rabbit->velocity = Vec2(Fixed(8), Fixed(3));
  carrot->OnEvent(kEventContact, rabbit, &kPoint);
  EXPECT_TRUE(rabbit->eating && !rabbit->running);
  EXPECT_EQ(rabbit->carrot, carrot);
  EXPECT_EQ(rabbit->velocity, Vec2());
  EXPECT_EQ(rabbit->box.y, Fixed(98));  // 100 - 2 x (30 - 29)
  EXPECT_TRUE(carrot->removed && carrot->IsTargetMet(0));
  EXPECT_TRUE(rabbit->IsTargetMet(kRabbitGoalEat));
  rabbit->ApplyForces(kTimeStep);
  EXPECT_EQ(rabbit->frame, Fixed(12) + Fixed(0.15));
  EXPECT_EQ(rabbit->box.h, Fixed(44));
  for (int i = 0; i < 30; ++i) rabbit->ApplyForces(kTimeStep);
  EXPECT_GE(rabbit->frame, Fixed(12));
  EXPECT_LT(rabbit->frame, Fixed(16));
  // Eaten and standing: contacts no longer make it hop.
  Fixed y = rabbit->box.y;
  rabbit->OnEvent(kEventContact, carrot, &kPoint);
  EXPECT_EQ(rabbit->box.y, rabbit->prevBox.y);
  EXPECT_NE(y, Fixed(-2));
}

TEST(AnimalTest, FoxCatchesTheRabbitAndTheScreenEdgeCountsAsEscape) {
  World w;
  Rabbit* rabbit = RabbitAt(w, 200, 100);
  HookBody* fox = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10), false, kKindFox);
  Surface screen(0, 16);
  screen.Create(240, 320);
  Surface* previous = BackBuffer();
  SetBackBuffer(&screen);
  EXPECT_FALSE(rabbit->IsTargetMet(kRabbitGoalRunAway));
  rabbit->box.y = Fixed(642);
  EXPECT_TRUE(rabbit->IsTargetMet(kRabbitGoalRunAway));
  SetBackBuffer(previous);
  rabbit->OnEvent(kEventContact, fox, &kPoint);
  EXPECT_TRUE(rabbit->IsRemoved());
}

TEST(AnimalTest, OstrichHidesItsHeadOnGrassAndCalmsElsewhere) {
  for (bool grass : {true, false}) {
    World w;
    Ostrich* ostrich = AddTo<Ostrich>(w);
    HookBody* ground = AddTo<HookBody>(w, UnitBox(0, 70, 100, 20), true, kKindGround);
    HookBody* ball = AddTo<HookBody>(w, UnitBox(0, 0, 10, 10), false, kKindFootball);
    if (grass) ostrich->OnEvent(kEventContact, ground, &kPoint);
    ostrich->ApplyForces(kTimeStep);
    EXPECT_EQ(ostrich->frame, Fixed()) << "calm";
    ostrich->OnEvent(kEventContact, ball, &kPoint);
    EXPECT_TRUE(ostrich->IsScared());
    int steps = grass ? 19 : 37;
    for (int i = 0; i < steps; ++i) ostrich->ApplyForces(kTimeStep);
    EXPECT_EQ(ostrich->frame, Fixed(steps));
    EXPECT_EQ(ostrich->IsTargetMet(kOstrichGoalHideHead), grass);
    ostrich->ApplyForces(kTimeStep);
    EXPECT_EQ(ostrich->frame, grass ? Fixed(19) : Fixed());
    EXPECT_EQ(ostrich->IsScared(), grass);
  }
}

}  // namespace
}  // namespace qv
