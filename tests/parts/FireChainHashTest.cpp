#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "parts/Bomb.h"
#include "parts/Bucket.h"
#include "parts/Bullet.h"
#include "parts/Candle.h"
#include "parts/PartScene.h"
#include "parts/Pistol.h"
#include "physics/Ground.h"
#include "physics/Rope.h"
#include "physics/RopeBlock.h"
#include "physics/StateHash.h"

namespace qv {
namespace {

using test::InstalledFrames;
using test::Scene;

// A bucket hanging over a pulley pulls the pistol's trigger; the bullet sets
// off a bomb, whose blast sets off the bomb lying on it and lights a candle;
// the candle burns through a rope between two pulleys.
class FireChain {
 public:
  FireChain()
      : candleFrames(Candle::Frames(), kCandleFrameCount, 15, 20),
        bucketFrames(Bucket::Frames(), kBucketFrameCount, 18, 23),
        pistolFrames(Pistol::Frames(), kPistolFrameCount, 30, 18) {
    for (int x = 0; x < 480; x += 48) scene.Add<Ground>(x, 489);  // solid from y 500
    pulley = scene.Add<RopeBlock>(10, 300);
    bucket = scene.Add<Bucket>(5, 340);
    pistol = scene.Add<Pistol>(20, 466);
    pistol->orientation = 1;
    Tie({bucket, pulley, pistol});
    lower = scene.Add<Bomb>(250, 474);
    upper = scene.Add<Bomb>(250, 436);
    candle = scene.Add<Candle>(280, 460);
    Tie({scene.Add<RopeBlock>(242, 405), scene.Add<RopeBlock>(322, 485)});
  }

  void Tie(std::initializer_list<GameObject*> objects) {
    auto rope = std::make_unique<Rope>();
    for (GameObject* o : objects) rope->AddEnd(o, 0);
    rope->OnPlaced(0);
    scene.Put(std::move(rope));
  }

  InstalledFrames candleFrames;
  InstalledFrames bucketFrames;
  InstalledFrames pistolFrames;
  Scene scene;
  RopeBlock* pulley;
  Bucket* bucket;
  Pistol* pistol;
  Bomb* lower;
  Bomb* upper;
  Candle* candle;
};

// The recorded state after 200 ticks; change it only on purpose.
constexpr std::uint64_t kFireChainHashAt200 = 0x7492f8d9a80f3a18;

TEST(Determinism, PistolShotBombChainAndCandleBurningARopeAfter200Ticks) {
  FireChain chain;
  Surface screen;
  screen.Create(240, 320);
  for (int tick = 0; tick < 200; ++tick) chain.scene.world.StepWorld(screen, true, 1);
  EXPECT_TRUE(chain.pistol->fired);
  EXPECT_TRUE(chain.lower->removed);
  EXPECT_TRUE(chain.upper->removed);
  EXPECT_TRUE(chain.candle->burning);
  EXPECT_TRUE(chain.candle->IsTargetMet(kCandleGoalBurnRope));
  const std::uint64_t hash = StateHash(chain.scene.world);
  EXPECT_EQ(hash, kFireChainHashAt200) << std::hex << "0x" << hash;
}

}  // namespace
}  // namespace qv
