#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gfx/Surface.h"
#include "parts/PartConventions.h"
#include "physics/Ball.h"
#include "platform/Display.h"
#include "support/RecordingSound.h"
#include "support/TempDir.h"
#include "util/Folders.h"

namespace qv {
namespace {

// Points the program folder at an empty temp folder: no bitmap can load.
class EmptyDataFolder : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramFolderOverride((dir_.Path() + "/").c_str()); }
  void TearDown() override { SetProgramFolderOverride(""); }
  test::TempDir dir_;
};

using FrameSetTest = EmptyDataFolder;

TEST_F(FrameSetTest, SharedByTheClassAndReleasedWithTheLast) {
  auto first = std::make_unique<TennisBall>();
  auto second = std::make_unique<TennisBall>();
  const FrameSet& set = *first->GetImages();
  EXPECT_EQ(set.frameCount, 0);
  first->LoadImages();
  first->LoadImages();  // a second call takes no second share
  second->LoadImages();
  EXPECT_EQ(set.instanceCount, 2);
  EXPECT_EQ(set.frameCount, 9);
  EXPECT_EQ(second->GetImages(), &set);
  const Surface* frame0 = set.Frame(0);
  ASSERT_NE(frame0, nullptr);
  // Missing bitmaps: the frames exist but are empty and draw nothing.
  EXPECT_EQ(frame0->Width(), 0);
  Surface screen(kFormatDirect565, 16);
  screen.Create(240, 320);
  first->Draw(screen);

  auto never = std::make_unique<TennisBall>();
  never.reset();  // never loaded: takes nothing from the others
  EXPECT_EQ(set.frameCount, 9);
  first.reset();
  EXPECT_EQ(set.frameCount, 9);
  EXPECT_EQ(set.instanceCount, 1);
  second.reset();
  EXPECT_EQ(set.frameCount, 0);
  EXPECT_EQ(set.instanceCount, 0);
  EXPECT_EQ(set.Frame(0), nullptr);

  TennisBall again;
  again.LoadImages();
  EXPECT_EQ(again.GetImages()->frameCount, 9);
}

TEST_F(FrameSetTest, PlainLoadAndRelease) {
  FrameSet set;
  Fixed frame = Fixed(3);
  EXPECT_TRUE(LoadFrameSet(2, 1, "x\\f_%1d.bmp", "x\\A_f_%1d.bmp", &frame, set));
  EXPECT_EQ(frame, Fixed());
  EXPECT_EQ(set.frameCount, 2);
  EXPECT_EQ(set.Frame(2), nullptr);
  EXPECT_EQ(set.Frame(-1), nullptr);
  // A release without a matching load (count never raised) still frees.
  ReleaseFrameSet(set);
  EXPECT_EQ(set.frameCount, 0);
  ReleaseFrameSet(set);
  EXPECT_EQ(set.instanceCount, 0);
}

TEST(ClassSampleTest, LoadedOncePlayedAndFreedWithTheLastUser) {
  test::ScopedRecordingSound sound;
  ClassSample sample;
  {
    SampleShare a(sample);
    SampleShare b(sample);
    a.Load("Wav\\bangbang.wav");
    a.Load("Wav\\bangbang.wav");
    b.Load("Wav\\bangbang.wav");
    ASSERT_EQ(sound->loads.size(), 1u);
    EXPECT_NE(sound->loads[0].find("Sounds\\Wav\\bangbang.wav"), std::string::npos);
    EXPECT_EQ(sample.userCount, 2);
    b.Play();
    ASSERT_EQ(sound->plays.size(), 1u);
    EXPECT_EQ(sound->plays[0], sample.id);
  }
  ASSERT_EQ(sound->frees.size(), 1u);
  EXPECT_EQ(sample.userCount, 0);
  EXPECT_EQ(sample.id, kNoSample);
  // A sample that failed to load stays silent.
  PlayClassSample(sample);
  EXPECT_EQ(sound->plays.back(), kNoSample);
}

TEST(TargetProtocolTest, NamesPastTheListSayNoTargets) {
  const char* const names[] = {"be exploded"};
  EXPECT_STREQ(TargetNameOf(names, 1, 0), "be exploded");
  EXPECT_STREQ(TargetNameOf(names, 1, 1), "NO TARGETS");
  EXPECT_STREQ(TargetNameOf(names, 1, -1), "NO TARGETS");
  EXPECT_STREQ(TargetNameOf(nullptr, 0, 0), "NO TARGETS");
}

}  // namespace
}  // namespace qv
