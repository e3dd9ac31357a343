#include <gtest/gtest.h>

#include <cstdint>

#include "gfx/Surface.h"
#include "parts/Carrot.h"
#include "parts/Pinion.h"
#include "parts/Rabbit.h"
#include "parts/SquirrelCage.h"
#include "parts/Track.h"
#include "physics/LoopRope.h"
#include "physics/Rope.h"
#include "physics/RopeBlock.h"
#include "physics/StateHash.h"
#include "physics/World.h"
#include "platform/Display.h"
#include "support/RopeFixtures.h"

namespace qv {
namespace {

using test::AddTo;
using test::HookBody;
using test::UnitBox;

template <typename T>
T* Placed(World& w, int x, int y, int frameWidth = 0, int frameHeight = 0) {
  T* o = AddTo<T>(w);
  o->LoadImages();
  if (frameWidth > 0)
    test::ShapeFrames(o->GetImages(), frameWidth, [=](int) { return frameHeight; });
  o->SetPosition(Fixed(x), Fixed(y));
  o->prevBox = o->box;
  return o;
}

struct Scene {
  World w;
  Rope* rope = nullptr;
  Pinion* pinion = nullptr;
  Rabbit* rabbit = nullptr;
  HookBody* rider = nullptr;

  Scene() {
    w.SetUpNew();
    AddTo<HookBody>(w, UnitBox(0, 560, 480, 40), true);  // the floor
    // A light and a heavy body over a pulley.
    auto* pulley = Placed<RopeBlock>(w, 200, 100, 13, 15);
    HookBody* light = AddTo<HookBody>(w, UnitBox(150, 250, 10, 10));
    light->mass = Fixed(1);
    HookBody* heavy = AddTo<HookBody>(w, UnitBox(270, 250, 10, 10));
    heavy->mass = Fixed(3);
    rope = AddTo<Rope>(w);
    rope->AddEnd(light, 0);
    rope->AddEnd(pulley, 0);
    rope->AddEnd(heavy, 0);
    // A running cage belted to a pinion, the pinion belted to a track with
    // a body riding on it.
    auto* cage = Placed<SquirrelCage>(w, 20, 400);
    cage->running = true;
    pinion = Placed<Pinion>(w, 120, 420);
    auto* track = Placed<Track>(w, 300, 420, 22, 11);
    LoopRope* belt = AddTo<LoopRope>(w);
    belt->AddEnd(cage, 0);
    belt->AddEnd(pinion, 0);
    LoopRope* toTrack = AddTo<LoopRope>(w);
    toTrack->AddEnd(pinion, 0);
    toTrack->AddEnd(track, 0);
    rider = AddTo<HookBody>(w, UnitBox(310, 405, 10, 16));
    // A rabbit that sees a carrot on the floor.
    rabbit = Placed<Rabbit>(w, 60, 499);
    test::ShapeFrames(rabbit->GetImages(), 20, [](int i) { return 28 + i % 3; });
    Placed<Carrot>(w, 300, 552, 10, 4);
    for (int i = 0; i < w.Count(); ++i) w.At(i)->OnPlaced(i);
  }
};

// The recorded state of the scene after 600 ticks. Any change to the
// simulation's arithmetic shows here; change the value only on purpose.
constexpr std::uint64_t kRopeSceneHashAt600 = 0xf0f5d61d88073564;

std::uint64_t RunScene(int ticks) {
  Scene s;
  Surface screen(kFormatDirect565, 16);
  screen.Create(240, 320);
  Fixed rest = s.rope->End(1)->restLength;
  Fixed riderX = s.rider->box.x;
  Fixed rabbitX = s.rabbit->box.x;
  for (int t = 0; t < ticks; ++t) s.w.StepWorld(screen, true, 1);
  EXPECT_GT(s.rope->End(1)->restLength, rest) << "rope slid toward the heavy end";
  EXPECT_NE(s.pinion->frame, Fixed()) << "the belt turned the pinion";
  EXPECT_GT(s.rider->box.x, riderX) << "the track carried its rider";
  EXPECT_GT(s.rabbit->box.x, rabbitX) << "the rabbit ran to the carrot";
  EXPECT_TRUE(s.rabbit->eating);
  return StateHash(s.w);
}

TEST(Determinism, RopeOverPulleyBeltDriveAndRunningRabbitAfter600Ticks) {
  const std::uint64_t hash = RunScene(600);
  EXPECT_EQ(hash, kRopeSceneHashAt600) << std::hex << "0x" << hash;
}

}  // namespace
}  // namespace qv
