#pragma once
#include <cstdint>
#include <vector>

namespace qv {

// RIFF WAVE images of mono sound, for the data forge, the render tool and tests.
// 8-bit output takes unsigned bytes; 16-bit and ADPCM take signed samples.
std::vector<std::uint8_t> MakePcmWav8(int rate, int channels, const std::vector<std::uint8_t>& pcm);
std::vector<std::uint8_t> MakePcmWav16(int rate, int channels,
                                       const std::vector<std::int16_t>& samples);
// Mono Microsoft ADPCM with the standard coefficients; the last block is
// padded with silence.
std::vector<std::uint8_t> MakeAdpcmWav(int rate, int blockAlign,
                                       const std::vector<std::int16_t>& samples);
// Samples per block for a mono ADPCM block of blockAlign bytes.
int AdpcmSamplesPerBlock(int blockAlign);

bool WriteFileBytes(const char* path, const std::vector<std::uint8_t>& bytes);

}  // namespace qv
