#include <gtest/gtest.h>

#include "physics/Ball.h"
#include "physics/ForceFields.h"
#include "physics/World.h"
#include "support/PhysicsFixtures.h"

namespace qv {
namespace {

using test::BoxAt;
using test::Make;
using test::Probe;

// A world with the three fields; each test runs them once by hand after
// setting the body's own force.
struct FieldWorld {
  FieldWorld() { world.SetUpNew(); }
  void RunFields() {
    for (int i = 0; i < world.Count(); ++i) world.At(i)->ClearForces();
    for (Probe* p : pushers) p->AddForce(nullptr, push);
    for (int i = 0; i < kFieldCount; ++i) world.At(i)->ApplyForces(kTimeStep);
  }
  World world;
  std::vector<Probe*> pushers;
  Vec2 push;
};

TEST(ForceFieldsTest, FootballInTheAir) {
  FieldWorld f;
  Football* ball = test::Put(f.world, std::make_unique<Football>());
  ball->velocity = Vec2(Fixed(10), Fixed(-3));
  f.RunFields();
  const Vec2 drag(Fixed::FromRaw((2560 * -52) >> 8), Fixed::FromRaw((-768 * -52) >> 8));
  EXPECT_EQ(ball->GetForce(), Vec2(drag.x, Fixed(18.0) + drag.y));
}

TEST(ForceFieldsTest, NoGravityStillGetsDragAndSupport) {
  FieldWorld f;
  Probe* body = Make<Probe>(f.world, BoxAt(40, 85, 20, 20));
  Make<Probe>(f.world, BoxAt(0, 100, 100, 20), true);
  body->hasGravity = false;
  body->velocity = Vec2(Fixed(1), Fixed(0));
  f.pushers.push_back(body);
  f.push = Vec2(Fixed(0), Fixed(5));
  f.RunFields();
  // Drag (-26 x 2.0 x 1.0 = raw -52); the floor answers with the length of
  // the whole force, raw 1281, against the push of raw 1280.
  EXPECT_EQ(body->GetForce(), Vec2(Fixed::FromRaw(-52), Fixed::FromRaw(-1)));
}

TEST(ForceFieldsTest, SupportOnlyUnderADownwardForceInTheLowerHalf) {
  struct Case {
    const char* name;
    Box body;
    Vec2 push;
    bool supported;
  } cases[] = {
      {"resting", BoxAt(40, 85, 20, 20), Vec2(Fixed(0), Fixed(20)), true},
      {"pulled up", BoxAt(40, 85, 20, 20), Vec2(Fixed(0), Fixed(-20)), false},
      {"hanging under", BoxAt(40, 115, 20, 20), Vec2(Fixed(0), Fixed(20)), false},
  };
  for (const Case& c : cases) {
    FieldWorld f;
    Make<Probe>(f.world, BoxAt(0, 100, 100, 20), true);
    Probe* body = Make<Probe>(f.world, c.body);
    body->hasGravity = false;
    f.pushers.push_back(body);
    f.push = c.push;
    f.RunFields();
    EXPECT_EQ(body->GetForce() == Vec2(), c.supported) << c.name;
  }
}

TEST(ForceFieldsTest, OnlyTheFirstPartnerSupports) {
  FieldWorld f;
  Probe* body = Make<Probe>(f.world, BoxAt(40, 85, 20, 20));
  Make<Probe>(f.world, BoxAt(0, 100, 100, 20), true);
  f.RunFields();
  EXPECT_EQ(body->GetForce().y, Fixed());  // 18 down, 18 up from the flat floor
  // A second floor under the first adds nothing more.
  FieldWorld g;
  Probe* b2 = Make<Probe>(g.world, BoxAt(40, 85, 20, 20));
  Make<Probe>(g.world, BoxAt(0, 100, 100, 20), true);
  Make<Probe>(g.world, BoxAt(0, 101, 100, 20), true);
  g.RunFields();
  EXPECT_EQ(b2->GetForce().y, Fixed());
}

TEST(ForceFieldsTest, StaticObjectsAndFieldsGetNothing) {
  FieldWorld f;
  Probe* block = Make<Probe>(f.world, BoxAt(0, 0, 20, 20), true);
  block->velocity = Vec2(Fixed(5), Fixed(5));
  f.RunFields();
  EXPECT_EQ(block->GetForce(), Vec2());
  for (int i = 0; i < kFieldCount; ++i) EXPECT_EQ(f.world.At(i)->GetForce(), Vec2());
}

}  // namespace
}  // namespace qv
