#include <gtest/gtest.h>

#include "sound/SoundInterface.h"
#include "support/RecordingSound.h"

namespace qv {
namespace {

TEST(SilentSoundTest, KeepsTheSlotRules) {
  SilentSound sound;
  for (int i = 0; i < kSampleSlotCount; ++i) EXPECT_EQ(sound.LoadSample("x.wav"), i);
  EXPECT_EQ(sound.LoadSample("x.wav"), kNoSample);
  EXPECT_EQ(sound.PlaySample(kNoSample), -1);
  EXPECT_EQ(sound.PlaySample(20), -1);
  EXPECT_EQ(sound.PlaySample(5), 1);
  sound.FreeSample(-1);
  sound.FreeSample(20);
  sound.FreeSample(5);
  EXPECT_EQ(sound.PlaySample(5), -1);
  EXPECT_EQ(sound.LoadSample("y.wav"), 5);
}

TEST(SilentSoundTest, OneProgramWideServiceIsSwappable) {
  SoundInterface* silent = &Sound();
  {
    test::ScopedRecordingSound recording;
    EXPECT_EQ(&Sound(), &*recording);
    Sound().PlaySample(3);
    EXPECT_EQ(recording->plays.size(), 1u);
  }
  EXPECT_EQ(&Sound(), silent);
}

}  // namespace
}  // namespace qv
