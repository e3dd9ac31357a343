// Our WAV decoding against sox's own, on files sox writes at test time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "sound/Sample.h"
#include "sound/WavWriter.h"
#include "support/TempDir.h"
#include "util/FileStream.h"
#include "util/Folders.h"

namespace qv {
namespace {

bool HaveSox() {
  return std::system("sox --version >/dev/null 2>&1") == 0;
}

bool Sox(const std::string& args) {
  return std::system(("sox -D " + args + " 2>/dev/null").c_str()) == 0;
}

// sox's decoding of a file as signed 16-bit samples.
std::vector<int> SoxDecode(const test::TempDir& dir, const std::string& wav) {
  const std::string raw = dir.File("decoded.raw");
  if (!Sox("'" + wav + "' -t raw -e signed-integer -b 16 '" + raw + "'")) return {};
  const std::vector<unsigned char> b = test::ReadBytes(raw);
  std::vector<int> out;
  for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
    out.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(b[i] | (b[i + 1] << 8))));
  }
  return out;
}

std::vector<int> OurDecode(const Sample& s) {
  std::vector<int> out;
  for (int i = 0; i < s.sampleCount; ++i) {
    if (s.is8Bit) {
      out.push_back((s.data[static_cast<std::size_t>(i)] - 128) * 256);
    } else {
      const std::size_t at = 2 * static_cast<std::size_t>(i);
      out.push_back(static_cast<std::int16_t>(
          static_cast<std::uint16_t>(s.data[at] | (s.data[at + 1] << 8))));
    }
  }
  return out;
}

void ExpectSameAsSox(const test::TempDir& dir, const std::string& wav, int tolerance) {
  Sample s;
  ASSERT_TRUE(s.LoadWav(wav.c_str())) << wav;
  const std::vector<int> ours = OurDecode(s);
  const std::vector<int> theirs = SoxDecode(dir, wav);
  ASSERT_FALSE(theirs.empty()) << wav;
  // sox may decode the padding of a last block that we drop, never less.
  ASSERT_GE(theirs.size(), ours.size()) << wav;
  ASSERT_LE(theirs.size() - ours.size(), 2048u) << wav;
  int worst = 0;
  for (std::size_t i = 0; i < ours.size(); ++i)
    worst = std::max(worst, std::abs(ours[i] - theirs[i]));
  EXPECT_LE(worst, tolerance) << wav;
}

TEST(SoxCompareTest, SoxWrittenFilesDecodeAlike) {
  if (!HaveSox()) GTEST_SKIP() << "sox is not installed";
  test::TempDir dir;
  std::vector<std::int16_t> sweep;
  for (int i = 0; i < 20000; ++i) {
    const double t = i / 11025.0;
    sweep.push_back(static_cast<std::int16_t>(
        std::lround(20000 * std::sin(2 * 3.14159265 * (200 + 800 * t) * t) * std::exp(-t))));
  }
  const std::string source = dir.File("source.wav");
  ASSERT_TRUE(WriteFileBytes(source.c_str(), MakePcmWav16(11025, 1, sweep)));
  const struct {
    const char* name;
    const char* options;
    int tolerance;
  } formats[] = {{"u8.wav", "-b 8 -e unsigned-integer", 0},
                 {"s16.wav", "-b 16 -e signed-integer", 0},
                 {"adpcm.wav", "-e ms-adpcm", 1}};
  for (const auto& f : formats) {
    const std::string out = dir.File(f.name);
    ASSERT_TRUE(Sox("'" + source + "' " + f.options + " '" + out + "'")) << f.name;
    ExpectSameAsSox(dir, out, f.tolerance);
  }
}

TEST(SoxCompareTest, ShippedAdpcmSampleDecodesAsSoxDoes) {
  if (!HaveSox()) GTEST_SKIP() << "sox is not installed";
  test::TempDir dir;
  ExpectSameAsSox(dir, ResolvePath((SoundsFolder() + "Wav\\laser.wav").CStr()), 1);
}

}  // namespace
}  // namespace qv
