#include <gtest/gtest.h>

#include "sound/Mixer.h"
#include "sound/ModTables.h"
#include "sound/Module.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A module image built cell by cell: one sample of sampleWords words.
class ModImage {
 public:
  explicit ModImage(int patterns = 1, int sampleWords = 64, int loopWords = 32)
      : bytes_(kModHeaderSize + kModPatternSize * static_cast<std::size_t>(patterns), 0) {
    SetSample(1, sampleWords, 64, 0, loopWords);
    bytes_[kModSongLengthOffset] = static_cast<std::uint8_t>(patterns);
    bytes_[kModRestartOffset] = 127;
    for (int i = 0; i < patterns; ++i)
      bytes_[kModOrderOffset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    for (int i = 0; i < sampleWords * 2; ++i) samples_.push_back(i % 2 ? 100 : 0);
  }
  void SetSample(int s, int words, int volume, int loopStart, int loopWords) {
    std::uint8_t* h = &bytes_[20 + 30 * static_cast<std::size_t>(s - 1)];
    h[22] = static_cast<std::uint8_t>(words >> 8);
    h[23] = static_cast<std::uint8_t>(words);
    h[25] = static_cast<std::uint8_t>(volume);
    h[26] = static_cast<std::uint8_t>(loopStart >> 8);
    h[27] = static_cast<std::uint8_t>(loopStart);
    h[28] = static_cast<std::uint8_t>(loopWords >> 8);
    h[29] = static_cast<std::uint8_t>(loopWords);
  }
  void SetOrders(const std::vector<int>& orders) {
    bytes_[kModSongLengthOffset] = static_cast<std::uint8_t>(orders.size());
    for (std::size_t i = 0; i < orders.size(); ++i)
      bytes_[kModOrderOffset + i] = static_cast<std::uint8_t>(orders[i]);
  }
  void Cell(int pattern, int row, int track, int sample, int period, int effect, int parameter) {
    std::uint8_t* c = &bytes_[kModHeaderSize + kModPatternSize * static_cast<std::size_t>(pattern) +
                              static_cast<std::size_t>(row * 16 + track * 4)];
    c[0] = static_cast<std::uint8_t>((sample & 0xF0) | (period >> 8));
    c[1] = static_cast<std::uint8_t>(period & 0xFF);
    c[2] = static_cast<std::uint8_t>(((sample & 0x0F) << 4) | effect);
    c[3] = static_cast<std::uint8_t>(parameter);
  }
  Bytes File() const {
    Bytes b = bytes_;
    b.insert(b.end(), samples_.begin(), samples_.end());
    return b;
  }

 private:
  Bytes bytes_;
  Bytes samples_;
};

// A mixer at 22050 Hz, where a tick at 50 Hz is exactly 441 frames.
class ModTest : public ::testing::Test {
 protected:
  static constexpr int kFramesPerRow = 6 * 441;
  void Start(const ModImage& image, bool loop = false) {
    ASSERT_TRUE(mixer.OpenOffline(22050, 8, false, 1, 8));
    const Bytes file = image.File();
    ASSERT_TRUE(module.LoadModBytes(file.data(), file.size()));
    module.SetLoop(loop);
    ASSERT_EQ(mixer.StartModule(module), 0);
  }
  MusicPlayer& Player() { return *static_cast<MusicPlayer*>(mixer.ChannelByHandle(0)); }
  std::vector<std::uint8_t> Frames(long long n) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(n));
    mixer.Render(out.data(), static_cast<int>(n));
    return out;
  }
  // Frames played until the song stops by itself (the frame that finds it
  // over adds nothing).
  long long FramesToEnd(long long limit = 100000000) {
    long long n = 0;
    std::uint8_t frame;
    while (!mixer.IsChannelFree(0) && n < limit) {
      mixer.Render(&frame, 1);
      ++n;
    }
    return n - 1;
  }
  Mixer mixer;
  Module module;
};

TEST(ModTablesTest, TablesAreTheClassicOnes) {
  EXPECT_EQ(PeriodTable(0), 1712);
  EXPECT_EQ(PeriodTable(12), 856);
  EXPECT_EQ(PeriodTable(36), 214);
  EXPECT_EQ(PeriodTable(83), 13);
  EXPECT_EQ(PeriodTable(84), 1699);      // finetune +1
  EXPECT_EQ(PeriodTable(8 * 84), 1813);  // finetune -8
  EXPECT_EQ(PeriodTable(-5), 1712);      // indexes are clamped
  EXPECT_EQ(PeriodTable(99999), PeriodTable(16 * 84 - 1));
  EXPECT_EQ(NoteOfPeriod(856), 12);
  EXPECT_EQ(NoteOfPeriod(1713), 0);
  EXPECT_EQ(NoteOfPeriod(15), 81);
  EXPECT_EQ(NoteOfPeriod(-1), NoteOfPeriod(0));
  EXPECT_EQ(StepTable(11025, 428), 49714u);  // 3579545.25 * 65536 / (11025 * 428)
  EXPECT_EQ(StepTable(44100, 0), 0u);
  EXPECT_EQ(StepTable(44100, 1713), 0u);
  EXPECT_EQ(VibratoSine(16), 255);
}

TEST_F(ModTest, SpeedAndTempoCommands) {
  const struct {
    int parameter, speed, tickRate;
  } cases[] = {{0x7D, 6, 50}, {0x06, 6, 50}, {0x20, 32, 50}, {0x21, 6, 13}, {0x00, 6, 50}};
  for (const auto& c : cases) {
    ModImage image;
    image.Cell(0, 0, 0, 0, 0, 15, c.parameter);
    mixer.CloseDevice();
    Start(image);
    Frames(1);
    EXPECT_EQ(Player().Speed(), c.speed) << c.parameter;
    EXPECT_EQ(Player().TickRate(), c.tickRate) << c.parameter;
  }
}

TEST_F(ModTest, PatternBreakGoesToThatRowOfTheNextOrder) {
  ModImage image(2);
  image.Cell(0, 0, 0, 0, 0, 13, 0x12);
  Start(image);
  Frames(1);
  EXPECT_EQ(Player().Order(), 1);
  EXPECT_EQ(Player().Row(), 12);
  // Rows 12..63 of the second pattern, after the first row.
  EXPECT_EQ(FramesToEnd() + 1, kFramesPerRow * (1 + 52));
}

TEST_F(ModTest, BackwardJumpEndsASongWithoutLoopAndLoopsOtherwise) {
  ModImage image(2);
  image.Cell(1, 3, 2, 0, 0, 11, 0);
  Start(image);
  EXPECT_EQ(FramesToEnd(), kFramesPerRow * (64 + 4));
  mixer.CloseDevice();
  Start(image, true);
  Frames(kFramesPerRow * (64 + 4) + 1);
  EXPECT_FALSE(mixer.IsChannelFree(0));
  EXPECT_EQ(Player().Order(), 0);
}

TEST_F(ModTest, PatternLoopRepeatsTheSectionThreeMoreTimes) {
  ModImage image;
  image.Cell(0, 4, 1, 0, 0, 14, 0x60);
  image.Cell(0, 7, 1, 0, 0, 14, 0x63);
  Start(image);
  EXPECT_EQ(FramesToEnd(), kFramesPerRow * (64 + 3 * 4));
}

TEST_F(ModTest, PatternDelayRepeatsARowsTime) {
  ModImage image;
  image.Cell(0, 10, 0, 0, 0, 14, 0xE2);
  Start(image);
  EXPECT_EQ(FramesToEnd(), kFramesPerRow * (64 + 2));
}

TEST_F(ModTest, TonePortamentoSlidesWithoutRestartingTheSample) {
  ModImage image(1, 2000, 0);
  image.Cell(0, 0, 0, 1, 428, 0, 0);
  image.Cell(0, 1, 0, 0, 214, 3, 8);
  for (int row = 2; row < 10; ++row) image.Cell(0, row, 0, 0, 0, 3, 0);  // keeps sliding
  Start(image);
  Frames(kFramesPerRow + 1);
  const ModTrack& t = Player().Track(0);
  EXPECT_GT(t.position, 0u);
  EXPECT_EQ(t.period, 428);
  EXPECT_EQ(t.toneTarget, 214);
  Frames(441 * 2);
  EXPECT_EQ(t.period, 428 - 2 * 8);
  EXPECT_GT(t.position, 0u);
  Frames(kFramesPerRow * 8);
  EXPECT_EQ(t.period, 214);  // arrived and never past
}

TEST_F(ModTest, SetVolumeAboveSixtyFourIsLouder) {
  auto peak = [&](int volume) {
    ModImage image;
    image.Cell(0, 0, 0, 1, 428, 12, volume);
    mixer.CloseDevice();
    Start(image);
    int top = 0;
    for (std::uint8_t v : Frames(2000)) top = std::max(top, static_cast<int>(v));
    return top;
  };
  const int normal = peak(0x40);
  const int loud = peak(0x7F);
  EXPECT_EQ(Player().Track(0).volume, 0x7F);
  EXPECT_EQ(normal, 128 + 100 * 64 / 128);
  EXPECT_EQ(loud, 128 + 100 * 127 / 128);
}

TEST_F(ModTest, LoopOfOneWordDoesNotLoop) {
  ModImage image(1, 16, 1);
  image.Cell(0, 0, 0, 1, 428, 0, 0);
  Start(image);
  Frames(kFramesPerRow);
  for (std::uint8_t v : Frames(200)) EXPECT_EQ(v, 128);
}

TEST_F(ModTest, LoopedSampleKeepsSounding) {
  ModImage image(1, 16, 8);
  image.Cell(0, 0, 0, 1, 428, 0, 0);
  Start(image);
  Frames(kFramesPerRow);
  int top = 0;
  for (std::uint8_t v : Frames(200)) top = std::max(top, static_cast<int>(v));
  EXPECT_GT(top, 128);
}

TEST_F(ModTest, EffectsDrivenPastTheTablesStayInside) {
  ModImage image(1, 64, 32);
  image.SetSample(1, 64, 64, 0, 32);
  image.Cell(0, 0, 0, 1, 113, 1, 0xFF);   // slide far above the top note
  image.Cell(0, 0, 1, 1, 856, 2, 0xFF);   // and far below the bottom
  image.Cell(0, 0, 2, 1, 113, 0, 0xFF);   // arpeggio beyond note 83
  image.Cell(0, 0, 3, 1, 1700, 4, 0xFF);  // deep vibrato at the edge
  image.Cell(0, 1, 0, 0, 0, 13, 0x99);    // break to a row past 63
  Start(image);
  Frames(kFramesPerRow * 3);
  EXPECT_GE(Player().Track(0).period, 0);
  EXPECT_LE(Player().Track(1).period, kMaxPeriod);
  EXPECT_EQ(Player().Row(), 1);  // the row after the break to row 0
}

TEST(ModLoadTest, ShortOrInconsistentFilesAreRefused) {
  ModImage image(2, 100, 0);
  const Bytes good = image.File();
  Module m;
  ASSERT_TRUE(m.LoadModBytes(good.data(), good.size()));
  EXPECT_EQ(m.PatternCount(), 2);
  const struct {
    const char* what;
    std::size_t size;
  } cuts[] = {{"empty", 0},
              {"inside the header", 1000},
              {"inside the patterns", 1084 + 1500},
              {"inside the samples", good.size() - 1}};
  for (const auto& c : cuts) {
    EXPECT_FALSE(m.LoadModBytes(good.data(), c.size)) << c.what;
    EXPECT_FALSE(m.HasData()) << c.what;
  }
  Bytes noSong = good;
  noSong[kModSongLengthOffset] = 0;
  EXPECT_FALSE(m.LoadModBytes(noSong.data(), noSong.size()));
  EXPECT_FALSE(m.LoadMod("/no/such/file.mod"));
}

}  // namespace
}  // namespace qv
