#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "physics/Ball.h"
#include "physics/ForceFields.h"
#include "physics/World.h"
#include "platform/Display.h"
#include "support/PhysicsFixtures.h"

namespace qv {
namespace {

using test::BoxAt;
using test::Make;
using test::Probe;

// Counts what the step does to it.
class Counter : public Probe {
 public:
  using Probe::Probe;
  void ClearForces() override {
    ++clears;
    Probe::ClearForces();
  }
  void ApplyForces(Fixed) override { ++applies; }
  void Integrate(Fixed dt) override {
    ++integrates;
    Probe::Integrate(dt);
  }
  void Draw(Surface&) override { ++draws; }
  int clears = 0, applies = 0, integrates = 0, draws = 0;
};

TEST(WorldTest, AddRefusesNullAndTheHundredAndFirst) {
  World world;
  EXPECT_FALSE(world.Add(nullptr));
  for (int i = 0; i < kWorldCapacity; ++i) {
    ASSERT_TRUE(world.Add(std::make_unique<GameObject>())) << i;
  }
  EXPECT_TRUE(world.IsFull());
  EXPECT_FALSE(world.Add(std::make_unique<GameObject>()));
  EXPECT_EQ(world.Count(), kWorldCapacity);
  EXPECT_EQ(world.At(kWorldCapacity), nullptr);
  EXPECT_EQ(world.At(0)->GetWorld(), &world);
}

TEST(WorldTest, RemovalClosesTheGap) {
  World world;
  GameObject* a = Make<GameObject>(world);
  GameObject* b = Make<GameObject>(world);
  GameObject* c = Make<GameObject>(world);
  world.RemoveAt(5);
  world.RemoveAt(-1);
  EXPECT_EQ(world.Count(), 3);
  world.Remove(b);
  ASSERT_EQ(world.Count(), 2);
  EXPECT_EQ(world.At(0), a);
  EXPECT_EQ(world.At(1), c);
  GameObject stranger;
  world.Remove(&stranger);
  EXPECT_EQ(world.Count(), 2);
  world.Clear();
  EXPECT_EQ(world.Count(), 0);
}

TEST(WorldTest, NewWorldHoldsTheFieldsInOrder) {
  World world;
  Make<GameObject>(world);
  world.SetUpNew();
  ASSERT_EQ(world.Count(), 3);
  EXPECT_EQ(world.At(kGravityFieldIndex)->GetKind(), kKindGravityField);
  EXPECT_EQ(world.At(kDragFieldIndex)->GetKind(), kKindDragField);
  EXPECT_EQ(world.At(kSupportFieldIndex)->GetKind(), kKindSupportField);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(world.At(i)->IsField());
    EXPECT_FALSE(world.At(i)->IsCollidable());
  }
}

TEST(WorldTest, ContactPoints) {
  World world;
  Probe* a = Make<Probe>(world, BoxAt(0, 0, 20, 20));
  Probe* b = Make<Probe>(world, BoxAt(10, 16, 20, 20));
  Vec2 p;
  ASSERT_TRUE(world.FindContactPoint(*a, *b, &p));
  EXPECT_EQ(p, Vec2(Fixed(15), Fixed(18)));
  // Sharing only an edge is no contact.
  b->box = BoxAt(20, 0, 20, 20);
  EXPECT_TRUE(world.BoxesOverlap(*a, *b));
  EXPECT_FALSE(world.FindContactPoint(*a, *b, &p));
  // Two balls whose boxes overlap only at the corners do not touch.
  auto ball = std::make_unique<TennisBall>();
  auto other = std::make_unique<TennisBall>();
  ball->SetBox(BoxAt(0, 0, 0, 0));
  other->SetBox(BoxAt(13, 13, 0, 0));
  EXPECT_FALSE(world.FindContactPoint(*ball, *other, &p));
}

TEST(WorldTest, ContactPointScansAwkwardOverlaps) {
  // The centre of the overlap lies in the ball's corner, outside the circle:
  // the grid scan finds the common part instead.
  World world;
  auto ball = std::make_unique<Football>();
  ball->SetBox(BoxAt(0, 0, 0, 0));
  Probe block(BoxAt(24, 24, 40, 40));
  Vec2 p;
  ASSERT_TRUE(world.FindContactPoint(*ball, block, &p));
  EXPECT_TRUE(ball->Contains(p.x.ToInt(), p.y.ToInt()));
  EXPECT_TRUE(block.Contains(p.x.ToInt(), p.y.ToInt()));
  // Huge boxes from a damaged file finish in bounded time.
  Probe huge(Box(Fixed::FromRaw(-2000000000), Fixed::FromRaw(-2000000000),
                 Fixed::FromRaw(2100000000), Fixed::FromRaw(2100000000)));
  world.FindContactPoint(*ball, huge, &p);
}

TEST(WorldTest, DetectContactsSkipsStaticPairsAndNonColliders) {
  World world;
  Make<Probe>(world, BoxAt(0, 0, 20, 20), true);
  Make<Probe>(world, BoxAt(10, 10, 20, 20), true);
  Probe* body = Make<Probe>(world, BoxAt(5, 5, 20, 20));
  Probe* ghost = Make<Probe>(world, BoxAt(5, 5, 20, 20));
  ghost->flags &= ~kFlagCollidable;
  world.DetectContacts();
  EXPECT_FALSE(world.InContact(0, 1));
  EXPECT_TRUE(world.InContact(0, 2));
  EXPECT_TRUE(world.InContact(2, 1));
  EXPECT_FALSE(world.InContact(2, 3));
  body->Remove();
  world.DetectContacts();
  EXPECT_FALSE(world.InContact(0, 2));
}

TEST(WorldTest, BallOnFloorIsMirroredByItsOwnBounce) {
  World world;
  Probe* floor = Make<Probe>(world, BoxAt(0, 100, 200, 20), true);
  TennisBall* ball = test::Put(world, std::make_unique<TennisBall>());
  ball->SetBox(BoxAt(50, 86, 0, 0));
  ball->velocity = Vec2(Fixed(0), Fixed(10));
  ball->bounce = Fixed(0.5);
  world.DetectContacts();
  world.ResolveContacts();
  EXPECT_EQ(ball->velocity, Vec2(Fixed(0), Fixed(-5)));
  EXPECT_TRUE(ball->bounced);
  EXPECT_EQ(ball->prevBox, ball->box);
  EXPECT_EQ(floor->velocity, Vec2());
  ASSERT_EQ(floor->events.size(), 1u);
  EXPECT_EQ(floor->events[0].code, kEventContact);
  EXPECT_EQ(floor->events[0].other, ball);
}

TEST(WorldTest, BodyLeavingAStaticSurfaceIsLeftAlone) {
  // The body comes first: the rule looks at the first one's motion against
  // the static second one's surface.
  World world;
  Probe* body = Make<Probe>(world, BoxAt(50, 90, 20, 20));
  Probe* floor = Make<Probe>(world, BoxAt(0, 100, 200, 20), true);
  body->velocity = Vec2(Fixed(3), Fixed(-4));
  world.DetectContacts();
  world.ResolveContacts();
  EXPECT_EQ(body->velocity, Vec2(Fixed(3), Fixed(-4)));
  EXPECT_FALSE(body->bounced);
  EXPECT_TRUE(body->events.empty());
  EXPECT_TRUE(floor->events.empty());
}

TEST(WorldTest, SeveralContactsAverageWithTruncation) {
  // A body falling into the corner between a floor (top face) and a wall
  // (side face): its two pair results are averaged.
  World world;
  Probe* left = Make<Probe>(world, BoxAt(0, 100, 50, 20), true);
  Probe* right = Make<Probe>(world, BoxAt(55, 80, 40, 40), true);
  Probe* body = Make<Probe>(world, BoxAt(40, 86, 20, 20));
  body->velocity = Vec2(Fixed::FromRaw(771), Fixed::FromRaw(2561));
  body->bounce = Fixed(1.0);

  // The two pair results, computed one at a time from the same start.
  auto single = [&](Probe* block) {
    World alone;
    Probe* b = Make<Probe>(alone, block->box, true);
    Probe* m = Make<Probe>(alone, body->box);
    m->velocity = body->velocity;
    m->bounce = body->bounce;
    Vec2 p;
    alone.FindContactPoint(*b, *m, &p);
    alone.ResolvePair(*b, *m, p);
    return m->velocity;
  };
  const Vec2 r1 = single(left);
  const Vec2 r2 = single(right);
  world.DetectContacts();
  world.ResolveContacts();
  EXPECT_EQ(body->velocity.x.Raw(), (r1.x.Raw() + r2.x.Raw()) / 2);
  EXPECT_EQ(body->velocity.y.Raw(), (r1.y.Raw() + r2.y.Raw()) / 2);
  EXPECT_NE(r1, r2);
}

TEST(WorldTest, RestingBodyStruckKeepsZeroSpeed) {
  World world;
  Probe* rest = Make<Probe>(world, BoxAt(50, 50, 20, 20));
  Probe* striker = Make<Probe>(world, BoxAt(35, 50, 20, 20));
  striker->velocity = Vec2(Fixed(10), Fixed(0));
  world.DetectContacts();
  world.ResolveContacts();
  EXPECT_EQ(rest->velocity, Vec2());
  EXPECT_TRUE(rest->bounced);
  ASSERT_EQ(rest->events.size(), 1u);
  EXPECT_EQ(rest->events[0].other, striker);
}

TEST(WorldTest, RemovedObjectsSitOutTheStepButHearBroadcasts) {
  World world;
  world.SetUpNew();
  Counter* live = Make<Counter>(world, BoxAt(0, 0, 10, 10));
  Counter* gone = Make<Counter>(world, BoxAt(200, 0, 10, 10), true);
  gone->Remove();
  Surface screen(kFormatDirect565, 16);
  screen.Create(240, 320);
  world.StepWorld(screen, false);
  EXPECT_EQ(live->clears, 3);
  EXPECT_EQ(live->applies, 3);
  EXPECT_EQ(live->integrates, 3);
  EXPECT_EQ(live->draws, 1);
  EXPECT_EQ(gone->clears + gone->applies + gone->integrates + gone->draws, 0);
  EXPECT_EQ(world.StaticObjectAt(Fixed(205), Fixed(5)), gone);
  EXPECT_EQ(world.StaticObjectAt(Fixed(5), Fixed(5)), nullptr);

  world.BroadcastEvent(kEventExplosion, live, nullptr);
  EXPECT_TRUE(live->events.empty());
  ASSERT_EQ(gone->events.size(), 1u);
  world.BroadcastEventExcept(kEventCut, nullptr, gone, nullptr);
  EXPECT_EQ(live->events.size(), 1u);
  EXPECT_EQ(gone->events.size(), 1u);
}

TEST(WorldTest, BackgroundFollowsTheLevelWhenRunning) {
  struct Case {
    bool running;
    int level;
    std::uint8_t r, g, b;
  } cases[] = {{false, 6, 128, 128, 255},
               {true, 4, 128, 128, 255},
               {true, 5, 120, 187, 102},
               {true, 6, 244, 211, 148},
               {true, 7, 134, 211, 177}};
  for (const Case& c : cases) {
    std::uint8_t r, g, b;
    BackgroundColour(c.running, c.level, &r, &g, &b);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(g, c.g);
    EXPECT_EQ(b, c.b);
  }
  World world;
  Surface screen(kFormatDirect888, 24);
  screen.Create(4, 4);
  world.StepWorld(screen, true, 6);
  std::uint8_t r, g, b;
  screen.ReadPixel(2, 2, &r, &g, &b);
  EXPECT_EQ(r, 244);
  EXPECT_EQ(g, 211);
  EXPECT_EQ(b, 148);
}

TEST(WorldTest, FieldsActAfterTheParts) {
  // A part that pushes down in ApplyForces gets support on the same sub-step.
  class Pusher : public Probe {
   public:
    using Probe::Probe;
    void ApplyForces(Fixed) override { AddForce(this, Vec2(Fixed(0), Fixed(30))); }
  };
  World world;
  world.SetUpNew();
  world.At(kGravityFieldIndex)->Remove();
  world.At(kDragFieldIndex)->Remove();
  Make<Probe>(world, BoxAt(0, 100, 100, 20), true);
  Pusher* p = Make<Pusher>(world, BoxAt(40, 85, 20, 20));
  world.StepPhysics();
  EXPECT_EQ(p->velocity, Vec2());
  EXPECT_EQ(p->box, BoxAt(40, 85, 20, 20));
}

}  // namespace
}  // namespace qv
