#include <gtest/gtest.h>

#include <cstring>

#include "sound/Sample.h"
#include "sound/WavWriter.h"
#include "support/TempDir.h"
#include "util/Folders.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes* b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b->push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes* b, unsigned v) {
  b->push_back(static_cast<std::uint8_t>(v & 0xFF));
  b->push_back(static_cast<std::uint8_t>(v >> 8));
}
void Chunk(Bytes* b, const char* tag, const Bytes& body) {
  b->insert(b->end(), tag, tag + 4);
  Put32(b, static_cast<std::uint32_t>(body.size()));
  b->insert(b->end(), body.begin(), body.end());
}
Bytes Format(int tag, int channels, int rate, int bits, int extra = 0) {
  Bytes f;
  Put16(&f, static_cast<unsigned>(tag));
  Put16(&f, static_cast<unsigned>(channels));
  Put32(&f, static_cast<std::uint32_t>(rate));
  Put32(&f, static_cast<std::uint32_t>(rate * channels * bits / 8));
  Put16(&f, static_cast<unsigned>(channels * bits / 8));
  Put16(&f, static_cast<unsigned>(bits));
  if (extra) {
    Put16(&f, static_cast<unsigned>(extra));
    f.resize(f.size() + static_cast<std::size_t>(extra), 0);
  }
  return f;
}
Bytes Riff(const std::vector<std::pair<const char*, Bytes>>& chunks) {
  Bytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  for (const auto& c : chunks) Chunk(&b, c.first, c.second);
  return b;
}
bool Load(Sample* s, const Bytes& b) {
  return s->LoadWavBytes(b.data(), b.size());
}

TEST(WavTest, SixteenBitFileKeepsItsRateAndCount) {
  Sample s;
  ASSERT_TRUE(Load(&s, Riff({{"fmt ", Format(1, 1, 22050, 16)}, {"data", Bytes(10, 1)}})));
  EXPECT_EQ(s.rate, 22050);
  EXPECT_EQ(s.frequency, 22050);
  EXPECT_EQ(s.sampleCount, 5);
  EXPECT_EQ(s.is8Bit, 0);
}

TEST(WavTest, OtherChunksBeforeTheDataAreSkipped) {
  Sample s;
  const Bytes pcm = {1, 2, 3};
  ASSERT_TRUE(Load(&s, Riff({{"fmt ", Format(1, 1, 11025, 8)},
                             {"LIST", Bytes{'I', 'N', 'F', 'O', 'x', 'y'}},
                             {"data", pcm}})));
  EXPECT_EQ(s.data, pcm);
  EXPECT_EQ(s.is8Bit, 1);
  // A format chunk with extra bytes is read by its own size.
  ASSERT_TRUE(Load(&s, Riff({{"fmt ", Format(1, 1, 11025, 8, 2)}, {"data", pcm}})));
  EXPECT_EQ(s.data, pcm);
}

TEST(WavTest, DamagedOrUnsupportedFilesAreRefused) {
  const Bytes pcm(16, 7);
  const struct {
    const char* what;
    Bytes file;
  } cases[] = {
      {"stereo", Riff({{"fmt ", Format(1, 2, 11025, 16)}, {"data", pcm}})},
      {"first chunk not fmt",
       Riff({{"LIST", Bytes(4, 0)}, {"fmt ", Format(1, 1, 11025, 8)}, {"data", pcm}})},
      {"24-bit", Riff({{"fmt ", Format(1, 1, 11025, 24)}, {"data", pcm}})},
      {"no data chunk", Riff({{"fmt ", Format(1, 1, 11025, 8)}, {"LIST", Bytes(4, 0)}})},
      {"empty data", Riff({{"fmt ", Format(1, 1, 11025, 8)}, {"data", Bytes()}})},
      {"rate 0", Riff({{"fmt ", Format(1, 1, 0, 8)}, {"data", pcm}})},
      {"short format chunk", Riff({{"fmt ", Bytes(8, 1)}, {"data", pcm}})},
      {"4-bit PCM", Riff({{"fmt ", Format(1, 1, 11025, 4, 32)}, {"data", pcm}})},
      {"header only", Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
  };
  for (const auto& c : cases) {
    Sample s;
    EXPECT_FALSE(Load(&s, c.file)) << c.what;
    EXPECT_FALSE(s.HasData()) << c.what;
  }
  // A data chunk that claims more than the file holds.
  const Bytes whole = Riff({{"fmt ", Format(1, 1, 11025, 8)}, {"data", pcm}});
  const Bytes cut(whole.begin(), whole.end() - 4);
  Sample s;
  EXPECT_FALSE(Load(&s, cut));
}

std::vector<std::int16_t> Tone(int n) {
  std::vector<std::int16_t> v;
  for (int i = 0; i < n; ++i) v.push_back(static_cast<std::int16_t>((i * 997 % 4000) - 2000));
  return v;
}

TEST(WavTest, AdpcmDropsAPartialBlockAtTheEnd) {
  const int perBlock = AdpcmSamplesPerBlock(64);
  Bytes file = MakeAdpcmWav(11025, 64, Tone(2 * perBlock));
  Sample whole;
  ASSERT_TRUE(Load(&whole, file));
  EXPECT_EQ(whole.sampleCount, 2 * perBlock);
  // Two more bytes in the data chunk (the last chunk of the file).
  file.push_back(0x11);
  file.push_back(0x22);
  std::size_t at = 12;
  while (std::memcmp(&file[at], "data", 4) != 0) at += 8 + (file[at + 4] | (file[at + 5] << 8));
  file[at + 4] = static_cast<std::uint8_t>(file[at + 4] + 2);
  Sample s;
  ASSERT_TRUE(Load(&s, file));
  EXPECT_EQ(s.sampleCount, 2 * perBlock);
  EXPECT_EQ(s.data, whole.data);
}

TEST(WavTest, AdpcmRoundTripStaysClose) {
  const std::vector<std::int16_t> tone = Tone(3000);
  Sample s;
  ASSERT_TRUE(Load(&s, MakeAdpcmWav(11025, 256, tone)));
  ASSERT_GE(s.sampleCount, 3000);
  long long error = 0;
  for (int i = 0; i < 3000; ++i) {
    const auto v = static_cast<std::int16_t>(s.data[2 * i] | (s.data[2 * i + 1] << 8));
    error += std::abs(v - tone[static_cast<std::size_t>(i)]);
  }
  EXPECT_LT(error / 3000, 300);
}

TEST(WavTest, AdpcmFormatErrorsAreRefused) {
  const Bytes good = MakeAdpcmWav(11025, 64, Tone(500));
  std::size_t data = 12;
  while (std::memcmp(&good[data], "data", 4) != 0)
    data += 8 + (good[data + 4] | (good[data + 5] << 8));
  data += 8;
  struct Mend {
    const char* what;
    std::size_t offset;
    std::uint8_t value;
  };
  // Offsets into the format chunk (which starts at byte 20).
  for (const Mend& m : {Mend{"tag not 2", 20, 1}, Mend{"six coefficients", 20 + 20, 6},
                        Mend{"predictor 7", data, 7}, Mend{"block too small", 20 + 12, 6},
                        Mend{"samples beyond the block", 20 + 18, 0xFF}}) {
    Bytes bad = good;
    bad[m.offset] = m.value;
    Sample s;
    EXPECT_FALSE(Load(&s, bad)) << m.what;
  }
}

TEST(WavTest, LoadsFromAFileAndFindsRelativePaths) {
  test::TempDir dir;
  const Bytes file = MakePcmWav8(11025, 1, {10, 20, 30});
  ASSERT_TRUE(WriteFileBytes(dir.File("a.wav").c_str(), file));
  Sample s;
  EXPECT_TRUE(s.LoadWav(dir.File("a.wav").c_str()));
  EXPECT_EQ(s.sampleCount, 3);
  EXPECT_FALSE(s.LoadWav(dir.File("missing.wav").c_str()));
  EXPECT_FALSE(s.HasData());

  EXPECT_STREQ(MakeAbsolutePath("/x/y.wav").CStr(), "/x/y.wav");
  EXPECT_STREQ(MakeAbsolutePath("\\x\\y.wav").CStr(), "\\x\\y.wav");
  SetProgramFolderOverride(dir.Path().c_str());
  EXPECT_EQ(std::string(MakeAbsolutePath("a.wav").CStr()), dir.Path() + "/a.wav");
  EXPECT_TRUE(s.LoadWav("a.wav"));
  SetProgramFolderOverride("");
  EXPECT_TRUE(MakeAbsolutePath("").Empty());
}

}  // namespace
}  // namespace qv
