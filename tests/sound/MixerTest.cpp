#include "sound/Mixer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "sound/SoundFixtures.h"

namespace qv {
namespace {

using test::FakeOutput;
using test::MakeSample16;
using test::MakeSample8;

class MixerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(mixer.OpenOffline(11025, 8, false, 1, 8)); }
  std::vector<std::uint8_t> Render(int frames) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(frames));
    mixer.Render(out.data(), frames);
    return out;
  }
  Mixer mixer;
};

TEST_F(MixerTest, FullVolumeVoiceSpansTheEightBitRange) {
  const std::vector<std::uint8_t> ramp = {0, 1, 64, 127, 128, 129, 192, 254, 255};
  Sample s = MakeSample8(ramp);
  EXPECT_EQ(mixer.PlayOnVoice(s), 1);  // handle 0 is the music player
  EXPECT_EQ(Render(static_cast<int>(ramp.size())), ramp);
}

TEST_F(MixerTest, TwoLoudVoicesClipAtTheLimits) {
  Sample high = MakeSample8({255, 200, 0, 60});
  mixer.PlayOnVoice(high);
  mixer.PlayOnVoice(high);
  EXPECT_EQ(Render(4), (std::vector<std::uint8_t>{255, 255, 0, 0}));
}

TEST_F(MixerTest, VoiceThatEndsIsFreeForTheNextSoundInTheSameBuffer) {
  Sample shortOne = MakeSample8({200, 200, 200});
  const int handle = mixer.PlayOnVoice(shortOne);
  std::vector<std::uint8_t> out = Render(8);
  EXPECT_EQ(out[2], 200);
  EXPECT_EQ(out[3], 128);
  EXPECT_TRUE(mixer.IsChannelFree(handle));
  EXPECT_EQ(mixer.PlayOnVoice(shortOne), handle);
}

TEST_F(MixerTest, NinthVoiceIsRefusedAndNothingIsCut) {
  Sample s = MakeSample8(std::vector<std::uint8_t>(100, 130));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(mixer.PlayOnVoice(s), 1 + i);
  EXPECT_EQ(mixer.PlayOnVoice(s), -1);
  for (int h = 1; h <= 8; ++h) EXPECT_FALSE(mixer.IsChannelFree(h));
}

TEST_F(MixerTest, VoiceLimitCountsVoicesOfTheSameSample) {
  Sample s = MakeSample8(std::vector<std::uint8_t>(100, 130));
  s.voiceLimit = 2;
  EXPECT_NE(mixer.PlayOnVoice(s), -1);
  EXPECT_NE(mixer.PlayOnVoice(s), -1);
  EXPECT_EQ(mixer.PlayOnVoice(s), -1);
}

TEST_F(MixerTest, TwentyTwoKilohertzSampleStepsTwoOnElevenKilohertz) {
  Sample s = MakeSample16({0, 1000, 2000, 3000, 4000, 5000, 6000, 7000}, 22050);
  const int h = mixer.PlayOnVoice(s);
  std::vector<std::uint8_t> out = Render(4);
  EXPECT_EQ(static_cast<Voice*>(mixer.ChannelByHandle(h))->step, 512u);
  // Every second input sample: 0, 2000, 4000, 6000 >> 8.
  EXPECT_EQ(out, (std::vector<std::uint8_t>{128, 135, 143, 151}));
  Render(1);
  EXPECT_TRUE(mixer.IsChannelFree(h));
}

TEST_F(MixerTest, StopSampleStopsEveryVoiceOfIt) {
  Sample a = MakeSample8(std::vector<std::uint8_t>(100, 130));
  Sample b = MakeSample8(std::vector<std::uint8_t>(100, 130));
  const int a1 = mixer.PlayOnVoice(a);
  const int a2 = mixer.PlayOnVoice(a);
  const int b1 = mixer.PlayOnVoice(b);
  mixer.StopSample(a);
  EXPECT_TRUE(mixer.IsChannelFree(a1));
  EXPECT_TRUE(mixer.IsChannelFree(a2));
  EXPECT_FALSE(mixer.IsChannelFree(b1));
}

TEST_F(MixerTest, MastersAreLimitedAndReapplied) {
  Sample s = MakeSample8({255, 255});
  const int h = mixer.PlayOnVoice(s);
  mixer.SetVoiceVolume(100);
  EXPECT_EQ(mixer.GetVoiceVolume(), 64);
  mixer.SetVoiceVolume(32);
  EXPECT_EQ(mixer.ChannelByHandle(h)->effective, 32);
  EXPECT_EQ(Render(1)[0], 128 + 63);
}

TEST_F(MixerTest, HandlesOutsideTheChannelsNameNothing) {
  EXPECT_NE(mixer.ChannelByHandle(0), nullptr);
  EXPECT_NE(mixer.ChannelByHandle(8), nullptr);
  EXPECT_EQ(mixer.ChannelByHandle(9), nullptr);
  EXPECT_EQ(mixer.ChannelByHandle(-1), nullptr);
}

TEST(ChannelTest, PitchScalesTheBaseFrequency) {
  struct Case {
    int pitch, frequency;
  };
  for (const Case& c :
       {Case{128, 11025}, Case{0, 5512}, Case{64, 7350}, Case{255, 21963}, Case{192, 16537}}) {
    Voice v;
    v.baseFrequency = 11025;
    v.dirty = 0;
    v.SetPitch(c.pitch);
    EXPECT_EQ(v.frequency, c.frequency) << "pitch " << c.pitch;
    EXPECT_EQ(v.dirty, 1);
  }
}

TEST(MixerOpenTest, UnknownRateOpensAtTwentyTwoKilohertz) {
  auto record = std::make_shared<FakeOutput::Record>();
  Mixer m;
  ASSERT_TRUE(m.OpenDevice(8000, 8, false, 1, 8, std::make_unique<FakeOutput>(record)));
  EXPECT_EQ(m.OutputRate(), 22050);
  EXPECT_EQ(record->rate, 22050);
  EXPECT_FALSE(m.OpenOffline(11025, 8, false, 1, 8));  // already open
  m.CloseDevice();
  EXPECT_TRUE(record->closed);
}

TEST(MixerOpenTest, BufferSizesAndChannelCounts) {
  Mixer m;
  ASSERT_TRUE(m.OpenOffline(11025, 8, false, 0, 100));
  EXPECT_EQ(m.BufferSize(), 248);
  EXPECT_EQ(m.MusicCount(), 1);
  EXPECT_EQ(m.VoiceCount(), 64);
  m.CloseDevice();
  ASSERT_TRUE(m.OpenOffline(44100, 16, true, 5, 2));
  EXPECT_EQ(m.BytesPerFrame(), 4);
  EXPECT_EQ(m.BufferSize() % 8, 0);
  EXPECT_EQ(m.MusicCount(), 3);
  EXPECT_EQ(m.VoiceCount(), 8);
}

TEST(MixerOpenTest, ClosedMixerPlaysNothing) {
  Mixer m;
  Sample s = MakeSample8({1, 2});
  EXPECT_EQ(m.PlayOnVoice(s), -1);
  EXPECT_TRUE(m.CloseDevice());
  auto record = std::make_shared<FakeOutput::Record>();
  EXPECT_FALSE(m.OpenDevice(11025, 8, false, 1, 8, std::make_unique<FakeOutput>(record, false)));
  EXPECT_FALSE(m.IsOpen());
  EXPECT_EQ(m.PlayOnVoice(s), -1);
}

TEST(MixerStereoTest, PanSplitsAVoiceBetweenTheSides) {
  Mixer m;
  ASSERT_TRUE(m.OpenOffline(11025, 16, true, 1, 8));
  Sample s = MakeSample16({16000}, 11025);
  s.pan = 0;  // all left
  m.PlayOnVoice(s);
  std::uint8_t out[4];
  m.Render(out, 4);
  const auto left = static_cast<std::int16_t>(out[0] | (out[1] << 8));
  const auto right = static_cast<std::int16_t>(out[2] | (out[3] << 8));
  EXPECT_EQ(left, 32000);
  EXPECT_EQ(right, 0);
}

// The output thread against a device that accepts every buffer.
TEST(MixerThreadTest, PausedThreadMixesNothingAndStillCloses) {
  auto record = std::make_shared<FakeOutput::Record>();
  Mixer m;
  ASSERT_TRUE(m.OpenDevice(11025, 8, false, 1, 8, std::make_unique<FakeOutput>(record)));
  while (m.BuffersQueued() < 6) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  m.Pause();
  EXPECT_TRUE(record->paused);
  const long long atPause = m.BuffersQueued();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(m.BuffersQueued(), atPause);
  m.Resume();
  while (m.BuffersQueued() == atPause) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  m.Pause();
  EXPECT_TRUE(m.CloseDevice());
  EXPECT_FALSE(m.IsOpen());
}

// The output thread against SDL's dummy driver, which consumes buffers in
// real time; the thread sanitizer run covers this.
TEST(MixerThreadTest, FeedsAConsumingDeviceWhileTheUserThreadPlays) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  Mixer m;
  if (!m.OpenDevice(11025, 8, false, 1, 8)) GTEST_SKIP() << "no SDL dummy audio driver";
  Sample s = MakeSample8(std::vector<std::uint8_t>(2000, 200));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 40; ++i) {
    m.PlayOnVoice(s);
    m.SetVoiceVolume(i % 65);
    if (i % 10 == 5) m.StopSample(s);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  m.Pause();
  m.Resume();
  while (m.BuffersQueued() < 12 &&
         std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  // More than the ring holds: the device really consumed buffers.
  EXPECT_GE(m.BuffersQueued(), 12);
  EXPECT_TRUE(m.CloseDevice());
}

}  // namespace
}  // namespace qv
