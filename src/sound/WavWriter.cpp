#include "sound/WavWriter.h"

#include <algorithm>
#include <climits>

#include "sound/Sample.h"
#include "util/FileStream.h"

namespace qv {
namespace {

void Put16(std::vector<std::uint8_t>* out, unsigned v) {
  out->push_back(static_cast<std::uint8_t>(v & 0xFF));
  out->push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>* out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutTag(std::vector<std::uint8_t>* out, const char* tag) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<std::uint8_t>(tag[i]));
}
void SetRiffSize(std::vector<std::uint8_t>* out) {
  const auto size = static_cast<std::uint32_t>(out->size() - 8);
  for (int i = 0; i < 4; ++i) (*out)[4 + static_cast<std::size_t>(i)] = (size >> (8 * i)) & 0xFF;
}

std::vector<std::uint8_t> PcmWav(int rate, int channels, int bits, const std::uint8_t* data,
                                 std::size_t bytes) {
  std::vector<std::uint8_t> out;
  const int align = channels * bits / 8;
  PutTag(&out, "RIFF");
  Put32(&out, 0);
  PutTag(&out, "WAVE");
  PutTag(&out, "fmt ");
  Put32(&out, 16);
  Put16(&out, 1);
  Put16(&out, static_cast<unsigned>(channels));
  Put32(&out, static_cast<std::uint32_t>(rate));
  Put32(&out, static_cast<std::uint32_t>(rate * align));
  Put16(&out, static_cast<unsigned>(align));
  Put16(&out, static_cast<unsigned>(bits));
  PutTag(&out, "data");
  Put32(&out, static_cast<std::uint32_t>(bytes));
  out.insert(out.end(), data, data + bytes);
  if (bytes & 1) out.push_back(0);
  SetRiffSize(&out);
  return out;
}

long long SquaredError(int a, int b) {
  const long long d = a - b;
  return d * d;
}

// Encodes one block with a given predictor; returns the squared error.
long long EncodeBlock(const std::int16_t* s, int count, int predictor,
                      std::vector<std::uint8_t>* out) {
  const std::int16_t* c = kAdpcmStandardCoefficients[predictor];
  AdpcmState state;
  state.sample2 = s[0];
  state.sample1 = s[1];
  // Start the step from the size of the first prediction errors.
  int initial = 0;
  for (int i = 2; i < std::min(count, 6); ++i) initial += std::abs(s[i] - s[i - 1]);
  state.delta = static_cast<std::uint16_t>(std::clamp(initial / 4, 16, 32767));
  out->push_back(static_cast<std::uint8_t>(predictor));
  out->push_back(static_cast<std::uint8_t>(state.delta & 0xFF));
  out->push_back(static_cast<std::uint8_t>(state.delta >> 8));
  out->push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(state.sample1) & 0xFF));
  out->push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(state.sample1) >> 8));
  out->push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(state.sample2) & 0xFF));
  out->push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(state.sample2) >> 8));
  long long error = 0;
  int pending = -1;
  for (int i = 2; i < count; ++i) {
    const int predicted = (state.sample1 * c[0] + state.sample2 * c[1]) >> 8;
    const int delta = state.delta;
    int n = (s[i] - predicted + (s[i] >= predicted ? delta / 2 : -delta / 2)) / delta;
    n = std::clamp(n, -8, 7);
    const int nibble = n & 0x0F;
    error += SquaredError(DecodeAdpcmNibble(&state, nibble, c), s[i]);
    if (pending < 0) {
      pending = nibble;
    } else {
      out->push_back(static_cast<std::uint8_t>((pending << 4) | nibble));
      pending = -1;
    }
  }
  if (pending >= 0) out->push_back(static_cast<std::uint8_t>(pending << 4));
  return error;
}

}  // namespace

std::vector<std::uint8_t> MakePcmWav8(int rate, int channels,
                                      const std::vector<std::uint8_t>& pcm) {
  return PcmWav(rate, channels, 8, pcm.data(), pcm.size());
}

std::vector<std::uint8_t> MakePcmWav16(int rate, int channels,
                                       const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(samples.size() * 2);
  for (std::int16_t v : samples) Put16(&bytes, static_cast<std::uint16_t>(v));
  return PcmWav(rate, channels, 16, bytes.data(), bytes.size());
}

int AdpcmSamplesPerBlock(int blockAlign) {
  return (blockAlign - 7) * 2 + 2;
}

std::vector<std::uint8_t> MakeAdpcmWav(int rate, int blockAlign,
                                       const std::vector<std::int16_t>& samples) {
  const int perBlock = AdpcmSamplesPerBlock(blockAlign);
  std::vector<std::int16_t> padded = samples;
  const std::size_t blocks = (samples.size() + static_cast<std::size_t>(perBlock) - 1) /
                             static_cast<std::size_t>(perBlock);
  padded.resize(std::max<std::size_t>(blocks, 1) * static_cast<std::size_t>(perBlock), 0);

  std::vector<std::uint8_t> data;
  for (std::size_t b = 0; b * static_cast<std::size_t>(perBlock) < padded.size(); ++b) {
    const std::int16_t* s = padded.data() + b * static_cast<std::size_t>(perBlock);
    // Each block takes the predictor that follows its sound best.
    int best = 0;
    long long bestError = LLONG_MAX;
    for (int p = 0; p < kAdpcmCoefficientCount; ++p) {
      std::vector<std::uint8_t> trial;
      const long long e = EncodeBlock(s, perBlock, p, &trial);
      if (e < bestError) {
        bestError = e;
        best = p;
      }
    }
    std::vector<std::uint8_t> block;
    EncodeBlock(s, perBlock, best, &block);
    block.resize(static_cast<std::size_t>(blockAlign), 0);
    data.insert(data.end(), block.begin(), block.end());
  }

  std::vector<std::uint8_t> out;
  PutTag(&out, "RIFF");
  Put32(&out, 0);
  PutTag(&out, "WAVE");
  PutTag(&out, "fmt ");
  Put32(&out, 50);
  Put16(&out, 2);
  Put16(&out, 1);
  Put32(&out, static_cast<std::uint32_t>(rate));
  Put32(&out, static_cast<std::uint32_t>(rate * blockAlign / perBlock));
  Put16(&out, static_cast<unsigned>(blockAlign));
  Put16(&out, 4);
  Put16(&out, 32);
  Put16(&out, static_cast<unsigned>(perBlock));
  Put16(&out, kAdpcmCoefficientCount);
  for (const auto& pair : kAdpcmStandardCoefficients) {
    Put16(&out, static_cast<std::uint16_t>(pair[0]));
    Put16(&out, static_cast<std::uint16_t>(pair[1]));
  }
  PutTag(&out, "fact");
  Put32(&out, 4);
  Put32(&out, static_cast<std::uint32_t>(padded.size()));
  PutTag(&out, "data");
  Put32(&out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  SetRiffSize(&out);
  return out;
}

bool WriteFileBytes(const char* path, const std::vector<std::uint8_t>& bytes) {
  FileStream file;
  if (!file.Open(path, kModeCreateWrite)) return false;
  const int n = static_cast<int>(bytes.size());
  return file.Write(bytes.data(), n) == n;
}

}  // namespace qv
