#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parts/PartScene.h"
#include "physics/ObjectFactory.h"
#include "support/RecordingSound.h"

namespace qv {
namespace {

struct KindCase {
  int kind;
  const char* name;
  int w, h;
  bool isStatic;
  int orientations;
  int mass;
  int frames;
  std::vector<std::string> goals;
};

const KindCase kKinds[] = {
    {kKindMagnifier, "Magnifier", 24, 64, true, 1, 2, 2, {}},
    {kKindBucket,
     "Bucket",
     36,
     46,
     false,
     1,
     2,
     5,
     {"fall to the object", "hold a ball", "fall and leave the screen"}},
    {kKindLever, "Lever", 78, 36, true, 2, 2, 9, {"change its state"}},
    {kKindBalloon,
     "Balloon",
     38,
     40,
     false,
     1,
     25,
     10,
     {"touch an object", "be blown up by a bullet", "fly off"}},
    {kKindScissors, "Scissors", 56, 32, true, 2, 2, 4, {"cut the Rope"}},
    {kKindFlashlight, "Flashlight", 60, 32, true, 2, 2, 3, {"be turned on"}},
    {kKindCandle,
     "Candle",
     30,
     40,
     false,
     1,
     2,
     5,
     {"set fire to a bomb", "burn through a rope", "burst into flame"}},
    {kKindBomb, "Bomb", 26, 26, false, 2, 2, 14, {"be exploded"}},
    {kKindPistol, "Pistol", 60, 36, true, 2, 2, 9, {"shoot", "shoot an object"}},
};

TEST(PartKinds, TheFactoryMakesEachPartWithItsNameSizeFlagsAndGoals) {
  test::NoPictures noPictures;
  ObjectFactory factory;
  for (const KindCase& c : kKinds) {
    auto obj = factory.Create(c.kind);
    ASSERT_NE(obj, nullptr) << c.name;
    ASSERT_TRUE(obj->LoadImages());
    EXPECT_EQ(obj->GetKind(), c.kind);
    EXPECT_STREQ(obj->GetName(), c.name);
    EXPECT_EQ(obj->box, Box(Fixed(0), Fixed(0), Fixed(c.w), Fixed(c.h))) << c.name;
    EXPECT_EQ(obj->IsStatic(), c.isStatic) << c.name;
    EXPECT_TRUE(obj->IsCollidable()) << c.name;
    EXPECT_EQ(obj->GetOrientationCount(), c.orientations) << c.name;
    EXPECT_EQ(obj->GetMass(), Fixed(c.mass)) << c.name;
    ASSERT_EQ(obj->GetTargetCount(), static_cast<int>(c.goals.size())) << c.name;
    for (int i = 0; i < obj->GetTargetCount(); ++i) {
      EXPECT_EQ(obj->GetTargetName(i), c.goals[static_cast<std::size_t>(i)]);
    }
    if (c.kind != kKindFlashlight && !c.goals.empty()) {
      EXPECT_STREQ(obj->GetTargetName(obj->GetTargetCount()), "NO TARGETS") << c.name;
    }
    ASSERT_NE(obj->GetImages(), nullptr);
    EXPECT_EQ(obj->GetImages()->frameCount, c.frames) << c.name;
  }
  EXPECT_EQ(factory.Create(kKindBullet), nullptr) << "only the pistol makes bullets";
}

TEST(PartKinds, BombAndPistolLoadTheirSoundOnceForAllTheirObjects) {
  test::NoPictures noPictures;
  test::ScopedRecordingSound sound;
  ObjectFactory factory;
  {
    auto a = factory.Create(kKindBomb);
    auto b = factory.Create(kKindBomb);
    auto p = factory.Create(kKindPistol);
    a->LoadImages();
    b->LoadImages();
    p->LoadImages();
    ASSERT_EQ(sound->loads.size(), 2u);
    EXPECT_NE(sound->loads[0].find("bangbang.wav"), std::string::npos) << sound->loads[0];
    EXPECT_NE(sound->loads[1].find("laser.wav"), std::string::npos) << sound->loads[1];
  }
  EXPECT_EQ(sound->frees.size(), 2u);
}

}  // namespace
}  // namespace qv
