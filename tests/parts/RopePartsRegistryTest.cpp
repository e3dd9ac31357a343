#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parts/PartConventions.h"
#include "physics/ObjectFactory.h"
#include "sound/SoundInterface.h"

namespace qv {
namespace {

// Remembers which sample files the parts ask for.
class SampleLog : public SilentSound {
 public:
  int LoadSample(const char* path) override {
    loads.push_back(path != nullptr ? path : "");
    return SilentSound::LoadSample(path);
  }
  std::vector<std::string> loads;
};

// Separators may still be the game's backslashes here; compare with slashes.
bool EndsWith(std::string s, const std::string& tail) {
  for (char& c : s) c = c == '\\' ? '/' : c;
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(RopePartsRegistryTest, FactoryMakesEveryClassWithItsInitialValues) {
  struct Case {
    int kind;
    const char* name;
    int w, h;
    bool isStatic, collidable;
    int mass, orientations, frames;
    std::vector<std::string> targets;
    const char* sample;
  } cases[] = {
      {kKindRope, "Rope", 4, 4, false, false, 2, 1, 0, {}, nullptr},
      {kKindRopeBlock, "Rope block", 26, 30, true, true, 2, 1, 5, {}, nullptr},
      {kKindLoopRope, "Loop rope", 4, 4, false, false, 2, 1, 0, {}, nullptr},
      {kKindSquirrelCage,
       "Squirrel cage",
       66,
       48,
       true,
       true,
       100,
       2,
       13,
       {"be running"},
       "Wav/dedodedo.wav"},
      {kKindPinion, "Pinion", 28, 28, true, true, 2, 1, 13, {"be spinning"}, nullptr},
      {kKindTrack, "Track", 44, 22, true, true, 2, 1, 16, {"get moving"}, nullptr},
      {kKindRabbit,
       "Rabbit",
       40,
       60,
       false,
       true,
       2,
       2,
       17,
       {"eat the Carrot", "run away from the ememy"},
       "Wav/rabbit1.wav"},
      {kKindCarrot, "Carrot", 20, 8, false, true, 2, 2, 1, {"be eaten with a Rabbit"}, nullptr},
      {kKindOstrich,
       "Ostrich",
       70,
       70,
       false,
       true,
       2,
       2,
       39,
       {"start up the Squirre Cage", "hide its head"},
       nullptr},
  };
  ObjectFactory factory;
  for (const Case& c : cases) {
    SampleLog log;
    SoundInterface* previous = SetSound(&log);
    {
      std::unique_ptr<GameObject> o = factory.Create(c.kind);
      ASSERT_NE(o, nullptr) << c.kind;
      ASSERT_TRUE(o->LoadImages());
      EXPECT_EQ(o->GetKind(), c.kind);
      EXPECT_STREQ(o->GetName(), c.name);
      EXPECT_EQ(o->box, Box(Fixed(), Fixed(), Fixed(c.w), Fixed(c.h))) << c.name;
      EXPECT_EQ(o->IsStatic(), c.isStatic) << c.name;
      EXPECT_EQ(o->IsCollidable(), c.collidable) << c.name;
      EXPECT_EQ(o->GetMass(), Fixed(c.mass)) << c.name;
      EXPECT_EQ(o->GetOrientationCount(), c.orientations) << c.name;
      const FrameSet* frames = o->GetImages();
      EXPECT_EQ(frames != nullptr ? frames->frameCount : 0, c.frames) << c.name;
      ASSERT_EQ(o->GetTargetCount(), static_cast<int>(c.targets.size())) << c.name;
      for (std::size_t i = 0; i < c.targets.size(); ++i) {
        EXPECT_EQ(o->GetTargetName(static_cast<int>(i)), c.targets[i]);
      }
      if (!c.targets.empty()) {
        EXPECT_STREQ(o->GetTargetName(static_cast<int>(c.targets.size())), "NO TARGETS");
      }
      if (c.sample != nullptr) {
        ASSERT_EQ(log.loads.size(), 1u) << c.name;
        EXPECT_TRUE(EndsWith(log.loads[0], c.sample)) << log.loads[0];
      } else {
        EXPECT_TRUE(log.loads.empty()) << c.name;
      }
    }
    SetSound(previous);
  }
  // Knots exist only as cut ends: the factory never makes them.
  EXPECT_EQ(factory.Create(kKindRopeKnot), nullptr);
}

}  // namespace
}  // namespace qv
