#include "sound/SoundSystem.h"

#include <gtest/gtest.h>

#include "sound/Mixer.h"
#include "sound/Module.h"
#include "sound/Sample.h"
#include "sound/SoundFixtures.h"
#include "sound/WavWriter.h"
#include "support/TempDir.h"
#include "util/Folders.h"

namespace qv {
namespace {

using test::FakeOutput;

class SoundSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record = std::make_shared<FakeOutput::Record>();
    ASSERT_TRUE(sound.StartupWith(std::make_unique<FakeOutput>(record)));
    wav = dir.File("beep.wav");
    ASSERT_TRUE(
        WriteFileBytes(wav.c_str(), MakePcmWav8(11025, 1, std::vector<std::uint8_t>(4000, 140))));
  }
  void TearDown() override { SetProgramFolderOverride(""); }

  test::TempDir dir;
  std::string wav;
  std::shared_ptr<FakeOutput::Record> record;
  SoundSystem sound;
};

TEST_F(SoundSystemTest, SlotsFillUpAndFreedSlotsAreReused) {
  for (int i = 0; i < kSampleSlotCount; ++i) EXPECT_EQ(sound.LoadSample(wav.c_str()), i);
  EXPECT_EQ(sound.LoadSample(wav.c_str()), -1);
  EXPECT_EQ(sound.PlaySample(-1), -1);
  EXPECT_EQ(sound.PlaySample(20), -1);
  sound.FreeSample(-1);
  sound.FreeSample(20);
  sound.FreeSample(7);  // never played
  EXPECT_EQ(sound.PlaySample(7), -1);
  EXPECT_EQ(sound.LoadSample(wav.c_str()), 7);
  EXPECT_EQ(sound.LoadSample(dir.File("missing.wav").c_str()), -1);
}

TEST_F(SoundSystemTest, PlayReportsOneEvenWhenNoVoiceIsFree) {
  const int slot = sound.LoadSample(wav.c_str());
  for (int i = 0; i < SoundSystem::kVoiceCount; ++i) EXPECT_EQ(sound.PlaySample(slot), 1);
  EXPECT_EQ(sound.PlaySample(slot), 1);
  EXPECT_EQ(sound.LastVoice(slot), -1);
}

TEST_F(SoundSystemTest, FreeingASampleStopsEveryVoiceThatPlaysIt) {
  const int slot = sound.LoadSample(wav.c_str());
  const int other = sound.LoadSample(wav.c_str());
  sound.PlaySample(slot);
  sound.PlaySample(slot);
  sound.PlaySample(other);
  sound.FreeSample(slot);
  Mixer* m = sound.GetMixer();
  int busy = 0;
  for (int h = 1; h <= SoundSystem::kVoiceCount; ++h) busy += m->IsChannelFree(h) ? 0 : 1;
  EXPECT_EQ(busy, 1);
}

TEST_F(SoundSystemTest, VolumePercentMapsToTheMasters) {
  const struct {
    int percent, master, reported;
  } cases[] = {{100, 64, 100}, {50, 32, 50}, {0, 0, 0}, {150, 64, 100}};
  for (const auto& c : cases) {
    sound.SetVolume(c.percent);
    EXPECT_EQ(sound.GetMixer()->GetVoiceVolume(), c.master) << c.percent;
    EXPECT_EQ(sound.GetMixer()->GetMusicVolume(), c.master) << c.percent;
    EXPECT_EQ(sound.GetVolume(), c.reported) << c.percent;
  }
  SoundSystem idle;
  EXPECT_EQ(idle.GetVolume(), 100);
}

TEST_F(SoundSystemTest, SoundOffPausesTheWholeOutput) {
  sound.SetSoundOn(false);
  EXPECT_TRUE(sound.GetMixer()->IsPaused());
  EXPECT_TRUE(record->paused);
  sound.SetSoundOn(true);
  EXPECT_FALSE(sound.GetMixer()->IsPaused());
}

TEST_F(SoundSystemTest, TheTuneStartsOnceAndStops) {
  // The forge's tune, in the data tree beside the test executable.
  EXPECT_EQ(sound.LoadMusic(), 1);
  sound.SetMusicOn(true);
  const int channel = sound.MusicChannel();
  EXPECT_EQ(channel, 0);
  sound.SetMusicOn(true);  // already playing: ignored, the handle is kept
  EXPECT_EQ(sound.MusicChannel(), channel);
  EXPECT_FALSE(sound.GetMixer()->IsChannelFree(channel));
  sound.SetMusicOn(false);
  EXPECT_TRUE(sound.GetMixer()->IsChannelFree(channel));
}

TEST_F(SoundSystemTest, MissingTuneLeavesMusicSilent) {
  SetProgramFolderOverride(dir.Path().c_str());
  EXPECT_EQ(sound.LoadMusic(), -1);
  sound.SetMusicOn(true);
  EXPECT_TRUE(sound.GetMixer()->IsChannelFree(0));
}

TEST(SoundSystemStartTest, NoDeviceMeansSilenceAndSafeCalls) {
  SoundSystem sound;
  auto record = std::make_shared<FakeOutput::Record>();
  EXPECT_FALSE(sound.StartupWith(std::make_unique<FakeOutput>(record, false)));
  EXPECT_EQ(sound.LoadMusic(), -1);
  sound.SetMusicOn(true);
  sound.SetSoundOn(false);
  sound.SetVolume(30);
  EXPECT_EQ(sound.GetVolume(), 100);
  EXPECT_EQ(sound.PlaySample(0), -1);
  sound.Shutdown();
}

TEST(SoundSystemStartTest, InstalledServiceIsTheProgramWideOne) {
  SoundInterface* before = &Sound();
  SoundInterface& installed = InstallSoundSystem();
  EXPECT_EQ(&Sound(), &installed);
  EXPECT_EQ(&installed, &TheSoundSystem());
  SetSound(before == &installed ? nullptr : before);
}

// Every shipped sample and the tune load from the data tree.
TEST(SoundDataTest, ShippedSoundsLoad) {
  for (const char* name :
       {"Trumpet.wav", "bangbang.wav", "laser.wav", "dedodedo.wav", "rabbit1.wav"}) {
    Sample s;
    EXPECT_TRUE(s.LoadWav((SoundsFolder() + "Wav\\" + name).CStr())) << name;
    EXPECT_GT(s.sampleCount, 1000) << name;
    EXPECT_TRUE(s.rate == 11025 || s.rate == 22050) << name;
  }
  Sample laser;
  ASSERT_TRUE(laser.LoadWav((SoundsFolder() + "Wav\\laser.wav").CStr()));
  EXPECT_EQ(laser.adpcm.formatTag, 2);  // the decoder is used by shipped data
}

TEST(SoundDataTest, TuneLastsAMinuteAndLoopsBackToItsStart) {
  Module tune;
  ASSERT_TRUE(tune.LoadMod("Sounds\\Mod\\3_fixed.mod"));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&tune.data[1080]), 4), "M.K.");
  tune.SetLoop(true);
  Mixer m;
  ASSERT_TRUE(m.OpenOffline(11025, 8, false, 1, 8));
  ASSERT_EQ(m.StartModule(tune), 0);
  auto* player = static_cast<MusicPlayer*>(m.ChannelByHandle(0));
  std::vector<std::uint8_t> buffer(11025);
  int seconds = 0;
  int lastOrder = 0;
  bool wrapped = false;
  while (seconds < 80 && !wrapped) {
    m.Render(buffer.data(), 11025);
    ++seconds;
    wrapped = player->Order() < lastOrder;
    lastOrder = player->Order();
  }
  EXPECT_TRUE(wrapped);
  EXPECT_GE(seconds, 60);
  EXPECT_EQ(player->Order(), 0);
  EXPECT_FALSE(m.IsChannelFree(0));
}

}  // namespace
}  // namespace qv
