#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "parts/Balloon.h"
#include "parts/Bucket.h"
#include "parts/Bullet.h"
#include "parts/PartScene.h"
#include "physics/Ball.h"
#include "physics/Ground.h"
#include "physics/Rope.h"

namespace qv {
namespace {

using test::InstalledFrames;
using test::Scene;

// A contact of ball with the bucket at height dy below its top.
void Touch(Bucket& bucket, GameObject& ball, int dy) {
  Vec2 p(bucket.box.x + 18, bucket.box.y + dy);
  bucket.OnEvent(kEventContact, &ball, &p);
}

TEST(Bucket, CatchesBallsOnlyByItsMouth) {
  for (int dy : {11, 12}) {
    Bucket bucket;
    bucket.SetPosition(Fixed(100), Fixed(100));
    TennisBall ball;
    Touch(bucket, ball, dy);
    EXPECT_EQ(bucket.BallCount(), dy == 11 ? 1 : 0) << "the top quarter ends at 11.5";
    EXPECT_EQ(ball.IsInBucket(), dy == 11);
  }
}

TEST(Bucket, TakesThreeTennisBallsOrAFootballFirstAndWeighsWhatItHolds) {
  Bucket bucket;
  TennisBall tennis[4];
  for (TennisBall& t : tennis) Touch(bucket, t, 2);
  EXPECT_EQ(bucket.BallCount(), 3);
  EXPECT_FALSE(tennis[3].IsInBucket()) << "a fourth is refused";
  EXPECT_EQ(bucket.GetMass(), Fixed(2) + tennis[0].GetMass() * 3);
  EXPECT_TRUE(bucket.IsTargetMet(kBucketGoalHoldBall));

  Bucket holdsOne;
  TennisBall first;
  Football late;
  Touch(holdsOne, first, 2);
  Touch(holdsOne, late, 2);
  EXPECT_FALSE(late.IsInBucket()) << "a football only goes into an empty bucket";

  Bucket empty;
  EXPECT_FALSE(empty.IsTargetMet(kBucketGoalHoldBall));
  Football foot;
  TennisBall after[3];
  Touch(empty, foot, 2);
  for (TennisBall& t : after) Touch(empty, t, 2);
  EXPECT_TRUE(foot.IsInBucket());
  EXPECT_TRUE(after[0].IsInBucket());
  EXPECT_TRUE(after[1].IsInBucket());
  EXPECT_FALSE(after[2].IsInBucket());
}

TEST(Bucket, DrawsHeldBallsOnTheirSeats) {
  Surface screen;
  screen.Create(240, 320);
  Bucket bucket;
  bucket.SetPosition(Fixed(100), Fixed(100));
  Football foot;
  TennisBall tennis[2];
  Touch(bucket, foot, 2);
  for (TennisBall& t : tennis) Touch(bucket, t, 2);
  bucket.Draw(screen);
  EXPECT_EQ(Vec2(foot.box.x, foot.box.y), Vec2(Fixed(104), Fixed(90)));
  EXPECT_EQ(Vec2(tennis[0].box.x, tennis[0].box.y), Vec2(Fixed(116), Fixed(104)));
  EXPECT_EQ(Vec2(tennis[1].box.x, tennis[1].box.y), Vec2(Fixed(111), Fixed(96)));
  EXPECT_TRUE(tennis[1].IsInBucket());
}

struct BucketScene {
  BucketScene() : frames(Bucket::Frames(), kBucketFrameCount, 18, 23) {}
  InstalledFrames frames;
  Scene scene;
};

TEST(Bucket, ABallDroppedIntoTheMouthStaysWhileOneAtTheSideBouncesOff) {
  BucketScene s;
  Bucket* bucket = s.scene.Add<Bucket>(100, 300);
  bucket->hasGravity = false;
  TennisBall* dropped = s.scene.Add<TennisBall>(110, 250);
  TennisBall* thrown = s.scene.Add<TennisBall>(70, 325);
  thrown->hasGravity = false;
  thrown->velocity = Vec2(Fixed(20), Fixed(0));
  s.scene.SubSteps(100);
  EXPECT_TRUE(dropped->IsInBucket());
  EXPECT_FALSE(thrown->IsInBucket());
  EXPECT_LT(thrown->velocity.x, Fixed(0));
  EXPECT_EQ(bucket->BallCount(), 1);
}

TEST(Bucket, FallToTheObjectNeedsAFallOfTwentyUnitsOntoSomethingButABall) {
  for (int height : {0, 50}) {
    BucketScene s;
    s.scene.Add<GroundBlock>(100, 300);
    Bucket* bucket = s.scene.Add<Bucket>(106, 254 - height);
    s.scene.SubSteps(150);
    EXPECT_EQ(bucket->IsTargetMet(kBucketGoalFallToObject), height > 0) << "from " << height;
  }
  Bucket bucket;
  bucket.SetPosition(Fixed(100), Fixed(100));
  bucket.ApplyForces(kTimeStep);  // the run starts here
  bucket.SetPosition(Fixed(100), Fixed(130));
  TennisBall ball;
  Touch(bucket, ball, 30);
  EXPECT_FALSE(bucket.IsTargetMet(kBucketGoalFallToObject)) << "a ball is not the object";
  GroundBlock floor;
  Touch(bucket, floor, 40);
  EXPECT_TRUE(bucket.IsTargetMet(kBucketGoalFallToObject));
}

TEST(Bucket, LeavesTheScreenOnlyWhenItsTopIsBelowIt) {
  Bucket bucket;
  bucket.SetPosition(Fixed(100), Fixed(640));
  EXPECT_FALSE(bucket.IsTargetMet(kBucketGoalLeaveScreen));
  bucket.SetPosition(Fixed(100), Fixed(642));
  EXPECT_TRUE(bucket.IsTargetMet(kBucketGoalLeaveScreen));
}

TEST(Balloon, LiftsSlightlyMoreThanItsWeightAndFliesOffAboveTheScreen) {
  Scene scene;
  Balloon* balloon = scene.Add<Balloon>(100, 20);
  balloon->ApplyForces(kTimeStep);
  EXPECT_EQ(balloon->force, Vec2(Fixed(0), Fixed(-250)));
  scene.SubSteps(100);
  EXPECT_LT(balloon->box.y, Fixed(20));
  balloon->SetPosition(Fixed(100), Fixed(-40));
  EXPECT_FALSE(balloon->IsTargetMet(kBalloonGoalFlyOff));
  balloon->SetPosition(Fixed(100), Fixed(-41));
  EXPECT_TRUE(balloon->IsTargetMet(kBalloonGoalFlyOff));
}

TEST(Balloon, SwaysThroughItsFramesAndBack) {
  Surface screen;
  screen.Create(240, 320);
  Balloon balloon;
  for (int i = 0; i < 51; ++i) balloon.Draw(screen);
  EXPECT_EQ(balloon.frame.ToInt(), 9);
  EXPECT_EQ(balloon.animDirection, 1);
  balloon.Draw(screen);
  EXPECT_EQ(balloon.animDirection, -1);
  for (int i = 0; i < 47; ++i) balloon.Draw(screen);
  EXPECT_EQ(balloon.frame, Fixed(0));
  EXPECT_EQ(balloon.animDirection, 1);
}

TEST(Balloon, TouchAnObjectOnceItHadAContact) {
  Balloon balloon;
  EXPECT_FALSE(balloon.IsTargetMet(kBalloonGoalTouch));
  Vec2 p(Fixed(10), Fixed(10));
  balloon.OnEvent(kEventContact, nullptr, &p);
  EXPECT_TRUE(balloon.IsTargetMet(kBalloonGoalTouch));
}

// Frame 0 is opaque below its top five pixel rows (ten units).
struct BalloonScene {
  BalloonScene() : frames(Balloon::Frames(), kBalloonFrameCount, 19, 20) {
    Surface* shape = Balloon::Frames().frames[0].get();
    for (int i = 0; i < 19 * 5; ++i) shape->Alpha()[i] = 0;
  }
  Bullet* Shoot(int centreY) {
    Bullet* bullet = scene.Add<Bullet>(40, centreY - 6);
    bullet->SetDirection(true);
    return bullet;
  }
  InstalledFrames frames;
  Scene scene;
};

TEST(Balloon, ABulletThroughItsShapePopsItAndFliesOn) {
  struct Case {
    int centreDy;
    bool pops;
  };
  for (Case c : {Case{20, true}, Case{4, false}, Case{-10, false}}) {
    BalloonScene s;
    Balloon* balloon = s.scene.Add<Balloon>(100, 300);
    balloon->hasGravity = false;
    Bullet* bullet = s.Shoot(300 + c.centreDy);
    for (int i = 0; i < 120; ++i) {
      balloon->SetPosition(Fixed(100), Fixed(300));  // hold it still
      s.scene.SubSteps(1);
    }
    EXPECT_EQ(balloon->removed, c.pops) << "bullet centre " << c.centreDy;
    EXPECT_EQ(balloon->IsTargetMet(kBalloonGoalPopped), c.pops);
    EXPECT_FALSE(bullet->removed);
    EXPECT_GT(bullet->box.x, Fixed(160));
  }
}

TEST(Balloon, APoppedBalloonLetsItsBucketFall) {
  BalloonScene s;
  Balloon* balloon = s.scene.Add<Balloon>(100, 300);
  Bucket* bucket = s.scene.Add<Bucket>(101, 400);
  auto r = std::make_unique<Rope>();
  r->AddEnd(balloon, 0);
  r->AddEnd(bucket, 0);
  r->OnPlaced(0);
  Rope* rope = s.scene.Put(std::move(r));
  s.scene.SubSteps(60);
  EXPECT_LT(bucket->velocity.y, Fixed(0)) << "carried up";
  s.Shoot(balloon->box.y.ToInt() + 20);
  s.scene.SubSteps(60);
  ASSERT_TRUE(balloon->removed);
  EXPECT_TRUE(rope->IsSlack());
  EXPECT_GT(bucket->velocity.y, Fixed(0));
}

}  // namespace
}  // namespace qv
