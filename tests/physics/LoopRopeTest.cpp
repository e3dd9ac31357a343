#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "parts/SquirrelCage.h"
#include "physics/LoopRope.h"
#include "physics/World.h"
#include "support/RopeFixtures.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

using test::AddTo;
using test::HookBody;
using test::UnitBox;

HookBody* WheelAt(World& w, int x, int y, int spin = 0) {
  HookBody* wheel = AddTo<HookBody>(w, UnitBox(x, y, 10, 10), true, kNoKind, kRopeModeWheel);
  wheel->canDrive = spin != 0;
  wheel->spin = spin;
  return wheel;
}

LoopRope* Belt(World& w, GameObject* a, GameObject* b) {
  LoopRope* belt = AddTo<LoopRope>(w);
  EXPECT_TRUE(belt->AddEnd(a, 0));
  if (b != nullptr) {
    EXPECT_TRUE(belt->AddEnd(b, 0));
  }
  return belt;
}

bool Lit(const Surface& s, int x, int y) {
  std::uint8_t r, g, b;
  s.ReadPixel(x, y, &r, &g, &b);
  return r < 100;  // drawn black on white
}

TEST(LoopRopeTest, OneEndDrawsAndDrivesNothing) {
  World w;
  HookBody* wheel = WheelAt(w, 0, 0, 1);
  LoopRope* belt = Belt(w, wheel, nullptr);
  EXPECT_FALSE(belt->AddEnd(wheel, 1));
  EXPECT_FALSE(belt->IsComplete());
  belt->ApplyForces(kTimeStep);
  EXPECT_TRUE(wheel->events.empty());
  EXPECT_FALSE(belt->driven);
  EXPECT_FALSE(belt->Contains(5, 5));
  Surface s(0, 16);
  ASSERT_TRUE(s.Create(50, 50));
  s.Clear(255, 255, 255);
  belt->Draw(s);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) ASSERT_FALSE(Lit(s, x, y));
  }
}

TEST(LoopRopeTest, RunningCageDrivesItsWheelEverySubStep) {
  World w;
  auto* cage = AddTo<SquirrelCage>(w);
  cage->running = true;
  HookBody* wheel = WheelAt(w, 200, 0);
  Belt(w, cage, wheel);
  w.StepPhysics();
  ASSERT_EQ(wheel->CountEvents(kEventDrive), kSubSteps);
  for (const HookBody::Event& e : wheel->events) EXPECT_EQ(e.driver, cage);
}

TEST(LoopRopeTest, FirstTurningEndDrivesTheOther) {
  struct Case {
    int firstSpin, secondSpin;
    int firstDrives, secondDrives;
  } cases[] = {{1, 2, 0, 1}, {0, 2, 1, 0}, {2, 0, 0, 1}, {0, 0, 0, 0}};
  for (const Case& c : cases) {
    World w;
    HookBody* first = WheelAt(w, 0, 0, c.firstSpin);
    HookBody* second = WheelAt(w, 100, 0, c.secondSpin);
    LoopRope* belt = Belt(w, first, second);
    belt->ApplyForces(kTimeStep);
    EXPECT_EQ(first->CountEvents(kEventDrive), c.firstDrives);
    EXPECT_EQ(second->CountEvents(kEventDrive), c.secondDrives);
  }
  // A wheel that turns but cannot drive is no source.
  World w;
  HookBody* first = WheelAt(w, 0, 0, 1);
  first->canDrive = false;
  HookBody* second = WheelAt(w, 100, 0);
  Belt(w, first, second)->ApplyForces(kTimeStep);
  EXPECT_TRUE(second->events.empty());
}

TEST(LoopRopeTest, HeardDrivesPassOnOncePerSubStep) {
  World w;
  HookBody* source = WheelAt(w, 0, 0, 1);
  HookBody* target = WheelAt(w, 100, 0);
  LoopRope* belt = Belt(w, source, target);
  belt->ClearForces();
  belt->OnEvent(kEventDrive, source, source);
  belt->OnEvent(kEventDrive, source, source);
  belt->OnEvent(kEventContact, source, nullptr);
  EXPECT_EQ(target->CountEvents(kEventDrive), 1);
  belt->ApplyForces(kTimeStep);  // its own turn in the step still runs
  EXPECT_EQ(target->CountEvents(kEventDrive), 2);
  belt->ClearForces();
  belt->OnEvent(kEventDrive, source, source);
  EXPECT_EQ(target->CountEvents(kEventDrive), 3);
}

TEST(LoopRopeTest, DrawsTwoLinesThreePixelsEitherSideOfTheSpan) {
  World w;
  HookBody* a = WheelAt(w, 15, 95);   // hook (20, 100): pixel (10, 50)
  HookBody* b = WheelAt(w, 415, 95);  // pixel (210, 50)
  LoopRope* belt = Belt(w, a, b);
  Surface s(0, 16);
  ASSERT_TRUE(s.Create(240, 100));
  s.Clear(255, 255, 255);
  belt->Draw(s);
  EXPECT_TRUE(Lit(s, 110, 47));
  EXPECT_TRUE(Lit(s, 110, 53));
  EXPECT_FALSE(Lit(s, 110, 50));
  EXPECT_TRUE(belt->Contains(200, 100));
  EXPECT_FALSE(belt->Contains(200, 130));
}

TEST(LoopRopeTest, RecordHoldsAtMostTwoEnds) {
  World w;
  HookBody* a = WheelAt(w, 0, 0);
  HookBody* b = WheelAt(w, 100, 0);
  test::CollectingStream out;
  Belt(w, a, b)->Save(out);
  ASSERT_EQ(out.bytes.size(), 44u + 4u + 2u * kRopeEndRecordSize);
  for (std::uint8_t count : {2, 3}) {
    std::vector<std::uint8_t> bytes(out.bytes.begin() + 6, out.bytes.end());
    bytes[38] = count;
    if (count == 3) bytes.insert(bytes.end(), out.bytes.end() - 16, out.bytes.end());
    MemoryFile in;
    ASSERT_TRUE(in.OpenBytes(bytes.data(), static_cast<int>(bytes.size())));
    LoopRope loaded;
    EXPECT_EQ(loaded.Load(in), count == 2);
    EXPECT_EQ(loaded.EndCount(), count == 2 ? 2 : 0);
    if (count == 2) {
      EXPECT_EQ(loaded.End(1)->mode, kRopeModeWheel);
    }
  }
}

}  // namespace
}  // namespace qv
