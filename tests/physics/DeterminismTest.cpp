#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "physics/StateHash.h"
#include "physics/World.h"
#include "platform/Display.h"
#include "support/BallScene.h"

namespace qv {
namespace {

// The recorded state of the ball scene after 2000 ticks. Any change to the
// simulation's arithmetic shows here; change the value only on purpose.
constexpr std::uint64_t kBallSceneHashAt2000 = 0x546cc8407350f8c2;

TEST(Determinism, BallsOnFloorsAndSlopesAfter2000Ticks) {
  World world;
  test::BuildBallScene(world);
  Surface screen(kFormatDirect565, 16);
  screen.Create(240, 320);
  const std::uint64_t start = StateHash(world);
  for (int tick = 0; tick < 2000; ++tick) world.StepWorld(screen, true, 3);
  const std::uint64_t hash = StateHash(world);
  EXPECT_NE(hash, start);
  EXPECT_EQ(hash, kBallSceneHashAt2000) << std::hex << "0x" << hash;
}

TEST(Determinism, HashSeesEveryRecordedField) {
  World world;
  test::BuildBallScene(world);
  const std::uint64_t base = StateHash(world);
  auto changed = [&](auto change) {
    World other;
    test::BuildBallScene(other);
    change(*other.At(other.Count() - 1));
    return StateHash(other) != base;
  };
  EXPECT_EQ(StateHash(world), base);
  EXPECT_TRUE(changed([](GameObject& o) { o.box.w += Fixed::FromRaw(1); }));
  EXPECT_TRUE(changed([](GameObject& o) { o.velocity.y += Fixed::FromRaw(1); }));
  EXPECT_TRUE(changed([](GameObject& o) { o.flags |= kFlagStatic; }));
  EXPECT_TRUE(changed([](GameObject& o) { o.removed = true; }));
}

}  // namespace
}  // namespace qv
