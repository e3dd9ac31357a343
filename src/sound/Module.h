#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

// Layout of the 31-sample, four-track MOD file.
constexpr std::size_t kModHeaderSize = 1084;
constexpr std::size_t kModPatternSize = 1024;
constexpr int kModSampleCount = 31;
constexpr std::size_t kModSongLengthOffset = 950;
constexpr std::size_t kModRestartOffset = 951;
constexpr std::size_t kModOrderOffset = 952;

// A MOD file held whole in memory, with the settings a player starts from.
class Module {
 public:
  // False for a missing or empty file and for one shorter than its header,
  // patterns and samples.
  bool LoadMod(const char* path);
  bool LoadModBytes(const std::uint8_t* bytes, std::size_t size);
  void SetLoop(bool flag) { loop = flag ? 1 : 0; }
  bool HasData() const { return loaded && !data.empty(); }

  // 1 + the largest pattern number the song plays.
  int PatternCount() const;
  // Byte length of sample s (1..31).
  std::size_t SampleBytes(int s) const;

  std::vector<std::uint8_t> data;
  int volume = 64;
  int loop = 0;
  int pan = 255;
  int rate = 44100;
  int pitch = 128;
  std::uint8_t loaded = 0;
};

// Song length clamped to the order table (1..128), from the header of data.
int ModSongLength(const std::uint8_t* data);

}  // namespace qv
