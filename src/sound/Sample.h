#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "util/ByteString.h"

namespace qv {

// Microsoft ADPCM format details kept from the file's format chunk, and the
// decoder state of its one channel.
struct AdpcmFormat {
  std::uint16_t formatTag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSecond = 0;
  std::uint32_t averageBytesPerSecond = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t samplesPerBlock = 0;
  std::uint16_t coefficientCount = 0;
  std::int16_t coefficients[7][2] = {};
};

struct AdpcmState {
  std::uint8_t predictor = 0;
  std::uint16_t delta = 0;
  std::int16_t sample1 = 0;
  std::int16_t sample2 = 0;
};

constexpr int kAdpcmCoefficientCount = 7;
// The standard coefficient pairs every Microsoft ADPCM file carries.
extern const std::int16_t kAdpcmStandardCoefficients[7][2];
extern const int kAdpcmAdaptation[16];

// Decodes one nibble with the state and coefficient pair; the new sample.
int DecodeAdpcmNibble(AdpcmState* state, int nibble, const std::int16_t coefficient[2]);

// One sound effect in memory: unsigned 8-bit or signed 16-bit little-endian
// PCM, and the defaults a voice takes when it plays it.
class Sample {
 public:
  // Replaces the data by the WAV file's (mono 8/16-bit PCM or mono MS ADPCM).
  // False on any failure, leaving no data.
  bool LoadWav(const char* path);
  // The same from a file image in memory.
  bool LoadWavBytes(const std::uint8_t* bytes, std::size_t size);
  void Clear();

  bool HasData() const { return loaded && !data.empty(); }

  std::vector<std::uint8_t> data;
  std::uint8_t is8Bit = 1;
  int rate = 0;
  int sampleCount = 0;
  int volume = 64;
  std::uint8_t loop = 0;
  int pan = 128;
  int voiceLimit = -1;
  AdpcmFormat adpcm;
  AdpcmState state[2];
  int frequency = 1;
  int pitch = 128;
  std::uint8_t loaded = 0;

 private:
  bool DecodeAdpcm(const std::uint8_t* bytes, std::size_t size);
};

// Absolute paths (starting with a separator) stay as they are; others are
// taken relative to the program's folder. Empty on failure.
ByteString MakeAbsolutePath(const char* path);
// Reads a whole file given as a game path; false when it cannot be read or
// is larger than limit bytes.
bool ReadWholeFile(const char* path, std::size_t limit, std::vector<std::uint8_t>* out);

}  // namespace qv
