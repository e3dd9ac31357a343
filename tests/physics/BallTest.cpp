#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/Surface.h"
#include "physics/Ball.h"
#include "physics/Ground.h"
#include "physics/World.h"
#include "platform/Display.h"
#include "support/PhysicsFixtures.h"

namespace qv {
namespace {

using test::BoxAt;
using test::Probe;

class FakeLever : public Probe {
 public:
  using Probe::Probe;
  int GetKind() const override { return kKindLever; }
};

TEST(BallTest, BallsKeepTheirWholeSpeed) {
  TennisBall tennis;
  Football football;
  EXPECT_EQ(tennis.GetBounce().Raw(), 256);
  EXPECT_EQ(tennis.GetMass(), Fixed(2));
  EXPECT_EQ(tennis.flags, kFlagCollidable);
  EXPECT_EQ(tennis.box, BoxAt(0, 0, 16, 16));
  EXPECT_EQ(football.box, BoxAt(0, 0, 32, 32));
  EXPECT_EQ(tennis.GetKind(), kKindTennisBall);
  EXPECT_EQ(football.GetKind(), kKindFootball);
  EXPECT_STREQ(tennis.GetName(), "Tennis ball");
  EXPECT_STREQ(football.GetName(), "Football");
  EXPECT_EQ(tennis.GetTargetCount(), 3);
  EXPECT_STREQ(tennis.GetTargetName(0), "hit the object");
  EXPECT_STREQ(tennis.GetTargetName(1), "get inside the bucket");
  EXPECT_STREQ(tennis.GetTargetName(2), "fall and leave the screen");
  EXPECT_STREQ(tennis.GetTargetName(3), "NO TARGETS");
  EXPECT_STREQ(tennis.GetTargetName(-1), "NO TARGETS");
  EXPECT_FALSE(tennis.IsTargetMet(3));
}

TEST(BallTest, RoundShape) {
  TennisBall ball;
  ball.SetPosition(Fixed(100), Fixed(200));
  struct Case {
    int x, y;
    bool inside;
  } cases[] = {{108, 208, true},  {100, 208, true},  {116, 208, true},  {108, 200, true},
               {100, 200, false}, {116, 216, false}, {102, 202, false}, {103, 203, true}};
  for (const Case& c : cases) EXPECT_EQ(ball.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
  // The normal points from the centre; the width serves both axes.
  Football wide;
  wide.box = BoxAt(0, 0, 32, 10);
  EXPECT_EQ(wide.GetNormal(Fixed(16), Fixed(40)), Vec2(Fixed(0), Fixed(1)));
}

TEST(BallTest, SpinFollowsHorizontalSpeedAndWraps) {
  Surface screen(kFormatDirect565, 16);
  screen.Create(240, 320);
  TennisBall ball;
  ball.LoadImages();
  ball.Draw(screen);
  EXPECT_EQ(ball.spinFrame, Fixed());
  ball.velocity.x = Fixed(10);
  ball.Draw(screen);
  EXPECT_EQ(ball.spinFrame.Raw(), 50);  // 0.1953125 per drawn tick
  ball.spinFrame = Fixed::FromRaw(9 * 256 - 10);
  ball.Draw(screen);
  EXPECT_EQ(ball.spinFrame, Fixed());
  ball.velocity.x = Fixed(-10);
  ball.Draw(screen);
  EXPECT_EQ(ball.spinFrame, Fixed(8));
  ball.SetInBucket(true);
  ball.Draw(screen);
  EXPECT_EQ(ball.spinFrame, Fixed(8));
}

TEST(BallTest, EnteringABucketOnce) {
  Probe bucket(BoxAt(50, 60, 36, 46));
  TennisBall ball;
  ball.velocity = Vec2(Fixed(3), Fixed(4));
  EXPECT_FALSE(ball.IsTargetMet(kBallGoalBucket));
  ball.EnterBucket(&bucket);
  ball.EnterBucket(&bucket);
  EXPECT_EQ(bucket.GetMass(), Fixed(4));
  EXPECT_TRUE(ball.IsInBucket());
  EXPECT_EQ(ball.bucket, &bucket);
  EXPECT_EQ(ball.box, BoxAt(55, 64, 16, 16));
  EXPECT_EQ(ball.velocity, Vec2());
  EXPECT_TRUE(ball.IsStatic());
  EXPECT_FALSE(ball.IsCollidable());
  EXPECT_TRUE(ball.IsTargetMet(kBallGoalBucket));
  ball.EnterBucket(nullptr);
}

TEST(BallTest, LeverKickOnlyWhenOverlapping) {
  TennisBall ball;
  ball.SetPosition(Fixed(100), Fixed(100));
  FakeLever lever(BoxAt(90, 110, 78, 36));
  Probe notLever(BoxAt(90, 110, 78, 36));
  FakeLever far(BoxAt(300, 110, 78, 36));
  Vec2 kick(Fixed(0), Fixed(40));
  ball.OnEvent(kEventLeverKick, &notLever, &kick);
  ball.OnEvent(kEventLeverKick, &far, &kick);
  ball.OnEvent(kEventCut, &lever, &kick);
  EXPECT_EQ(ball.velocity, Vec2());
  // Away from (129, 246), below the lever's middle: direction raw (-36, -253).
  ball.OnEvent(kEventLeverKick, &lever, &kick);
  EXPECT_EQ(ball.velocity, Vec2(Fixed::FromRaw(-2160), Fixed::FromRaw(-15180)));
}

TEST(BallTest, LeavingTheScreen) {
  Surface screen(kFormatDirect565, 16);
  screen.Create(240, 320);
  Surface* previous = BackBuffer();
  SetBackBuffer(&screen);
  TennisBall ball;
  ball.SetPosition(Fixed(10), Fixed(642));
  EXPECT_TRUE(ball.IsTargetMet(kBallGoalLeaveScreen));
  ball.SetPosition(Fixed(10), Fixed(640));
  EXPECT_FALSE(ball.IsTargetMet(kBallGoalLeaveScreen));
  SetBackBuffer(previous);
}

TEST(BallTest, HittingAnythingButFloorsMeetsGoalZero) {
  TennisBall ball;
  Ground ground;
  GroundBlock block;
  Vec2 p;
  ball.OnEvent(kEventContact, &ground, &p);
  ball.OnEvent(kEventContact, &block, &p);
  ball.OnEvent(kEventCut, nullptr, &p);
  EXPECT_FALSE(ball.IsTargetMet(kBallGoalHit));
  Football other;
  ball.OnEvent(kEventContact, &other, &p);
  EXPECT_TRUE(ball.IsTargetMet(kBallGoalHit));
  // Through the world step: two balls meeting in the air.
  World world;
  TennisBall* a = test::Put(world, std::make_unique<TennisBall>());
  TennisBall* b = test::Put(world, std::make_unique<TennisBall>());
  a->SetPosition(Fixed(0), Fixed(0));
  b->SetPosition(Fixed(14), Fixed(0));
  a->velocity.x = Fixed(5);
  world.StepPhysics();
  EXPECT_TRUE(a->HasHitObject());
  EXPECT_TRUE(b->HasHitObject());
}

TEST(BallTest, BounceKeepsTheHeight) {
  // Without drag a dropped ball comes back to where it started; with drag it
  // loses some height each time.
  for (bool drag : {false, true}) {
    World world;
    world.SetUpNew();
    if (!drag) world.At(kDragFieldIndex)->Remove();
    GroundBlock* floor = test::Put(world, std::make_unique<GroundBlock>());
    floor->SetPosition(Fixed(100), Fixed(400));
    TennisBall* ball = test::Put(world, std::make_unique<TennisBall>());
    ball->SetPosition(Fixed(116), Fixed(300));
    bool rising = false;
    Fixed apex = Fixed(1000);
    for (int tick = 0; tick < 600; ++tick) {
      world.StepPhysics();
      if (ball->velocity.y < 0) rising = true;
      if (rising) apex = std::min(apex, ball->box.y);
      if (rising && ball->velocity.y > 0) break;
    }
    ASSERT_TRUE(rising) << drag;
    if (drag) {
      EXPECT_GT(apex, Fixed(310));
      EXPECT_LT(apex, Fixed(360));
    } else {
      EXPECT_LE(apex, Fixed(302));
      EXPECT_GE(apex, Fixed(298));
    }
  }
}

}  // namespace
}  // namespace qv
