#include "sound/Sample.h"

#include <algorithm>
#include <cstring>

#include "util/FileStream.h"
#include "util/Folders.h"

namespace qv {
namespace {

constexpr std::size_t kMaxWavFile = 64u << 20;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::size_t kAdpcmFormatSize = 22 + 4 * kAdpcmCoefficientCount;
constexpr std::size_t kAdpcmBlockHeader = 7;

std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
bool TagIs(const std::uint8_t* p, const char* tag) {
  return std::memcmp(p, tag, 4) == 0;
}

void PutSample(std::vector<std::uint8_t>* out, int v) {
  const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
  out->push_back(static_cast<std::uint8_t>(u & 0xFF));
  out->push_back(static_cast<std::uint8_t>(u >> 8));
}

}  // namespace

const std::int16_t kAdpcmStandardCoefficients[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                                       {240, 0}, {460, -208}, {392, -232}};
const int kAdpcmAdaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                  768, 614, 512, 409, 307, 230, 230, 230};

int DecodeAdpcmNibble(AdpcmState* state, int nibble, const std::int16_t coefficient[2]) {
  // An arithmetic shift (rounding down), as Microsoft's decoder and every
  // common one do; rounding toward zero drifts from them within a block.
  int p = (state->sample1 * coefficient[0] + state->sample2 * coefficient[1]) >> 8;
  p += (nibble >= 8 ? nibble - 16 : nibble) * static_cast<int>(state->delta);
  p = std::clamp(p, -32768, 32767);
  state->sample2 = state->sample1;
  state->sample1 = static_cast<std::int16_t>(p);
  const int delta = static_cast<int>(state->delta) * kAdpcmAdaptation[nibble] / 256;
  state->delta = static_cast<std::uint16_t>(std::max(delta, 16));
  return p;
}

ByteString MakeAbsolutePath(const char* path) {
  if (path == nullptr || path[0] == '\0') return ByteString();
  if (path[0] == '\\' || path[0] == '/') return ByteString(path);
  ByteString folder = ProgramFolder();
  if (folder.Empty()) return ByteString();
  return folder + path;
}

bool ReadWholeFile(const char* path, std::size_t limit, std::vector<std::uint8_t>* out) {
  out->clear();
  ByteString absolute = MakeAbsolutePath(path);
  if (absolute.Empty()) return false;
  FileStream file;
  if (!file.Open(absolute.CStr(), kModeReadExisting)) return false;
  const int size = file.Size();
  if (size <= 0 || static_cast<std::size_t>(size) > limit) return false;
  out->resize(static_cast<std::size_t>(size));
  if (!file.Seek(0, kSeekStart) || file.Read(out->data(), size) != size) {
    out->clear();
    return false;
  }
  return true;
}

void Sample::Clear() {
  data.clear();
  data.shrink_to_fit();
  loaded = 0;
  sampleCount = 0;
}

bool Sample::LoadWav(const char* path) {
  Clear();
  std::vector<std::uint8_t> file;
  if (!ReadWholeFile(path, kMaxWavFile, &file)) return false;
  return LoadWavBytes(file.data(), file.size());
}

bool Sample::LoadWavBytes(const std::uint8_t* bytes, std::size_t size) {
  Clear();
  if (bytes == nullptr || size < 20) return false;
  // The RIFF tag, its size and the WAVE tag are skipped unread.
  std::size_t pos = 12;
  if (!TagIs(bytes + pos, "fmt ")) return false;
  const std::size_t formatSize = U32(bytes + pos + 4);
  pos += 8;
  // The format chunk is read by its own size, never beyond it.
  if (formatSize < kPcmFormatSize || formatSize > size - pos) return false;
  const std::uint8_t* format = bytes + pos;
  const int channels = U16(format + 2);
  const int bits = U16(format + 14);
  if (channels != 1 || (bits != 4 && bits != 8 && bits != 16)) return false;
  if (bits == 4) {
    if (formatSize < kAdpcmFormatSize) return false;
    if (U16(format) != 2 || U16(format + 20) != kAdpcmCoefficientCount) return false;
  }
  pos += formatSize + (formatSize & 1);

  // Other chunks (LIST, fact, ...) are skipped; RIFF pads odd sizes to even.
  std::size_t dataSize = 0;
  for (;;) {
    if (pos > size || size - pos < 8) return false;
    const std::size_t chunkSize = U32(bytes + pos + 4);
    const bool isData = TagIs(bytes + pos, "data");
    pos += 8;
    if (isData) {
      dataSize = chunkSize;
      break;
    }
    if (chunkSize > size - pos) return false;
    pos += chunkSize + (chunkSize & 1);
  }
  const std::uint32_t fileRate = U32(format + 4);
  if (dataSize == 0 || dataSize > size - pos) return false;
  if (fileRate == 0 || fileRate > 1000000) return false;
  rate = static_cast<int>(fileRate);
  const std::uint8_t* pcm = bytes + pos;

  if (bits == 8) {
    data.assign(pcm, pcm + dataSize);
    is8Bit = 1;
    sampleCount = static_cast<int>(dataSize);
  } else if (bits == 16) {
    if (dataSize < 2) return false;
    data.assign(pcm, pcm + (dataSize & ~static_cast<std::size_t>(1)));
    is8Bit = 0;
    sampleCount = static_cast<int>(dataSize / 2);
  } else {
    adpcm.formatTag = U16(format);
    adpcm.channels = U16(format + 2);
    adpcm.samplesPerSecond = U32(format + 4);
    adpcm.averageBytesPerSecond = U32(format + 8);
    adpcm.blockAlign = U16(format + 12);
    adpcm.bitsPerSample = U16(format + 14);
    adpcm.samplesPerBlock = U16(format + 18);
    adpcm.coefficientCount = U16(format + 20);
    for (int i = 0; i < kAdpcmCoefficientCount; ++i) {
      adpcm.coefficients[i][0] = static_cast<std::int16_t>(U16(format + 22 + 4 * i));
      adpcm.coefficients[i][1] = static_cast<std::int16_t>(U16(format + 24 + 4 * i));
    }
    if (!DecodeAdpcm(pcm, dataSize)) {
      Clear();
      return false;
    }
    is8Bit = 0;
    sampleCount = static_cast<int>(data.size() / 2);
  }
  loaded = 1;
  frequency = rate;
  return true;
}

bool Sample::DecodeAdpcm(const std::uint8_t* bytes, std::size_t size) {
  const std::size_t blockAlign = adpcm.blockAlign;
  const std::size_t perBlock = adpcm.samplesPerBlock;
  // A block must hold its header and every nibble it claims.
  if (blockAlign < kAdpcmBlockHeader || perBlock < 2) return false;
  if (kAdpcmBlockHeader + (perBlock - 2 + 1) / 2 > blockAlign) return false;
  const std::size_t blocks = size / blockAlign;  // a trailing partial block is dropped
  if (blocks == 0) return false;
  std::vector<std::uint8_t> out;
  out.reserve(blocks * perBlock * 2);
  for (std::size_t b = 0; b < blocks; ++b) {
    const std::uint8_t* block = bytes + b * blockAlign;
    AdpcmState& s = state[0];
    s.predictor = block[0];
    if (s.predictor >= kAdpcmCoefficientCount) return false;
    s.delta = U16(block + 1);
    s.sample1 = static_cast<std::int16_t>(U16(block + 3));
    s.sample2 = static_cast<std::int16_t>(U16(block + 5));
    PutSample(&out, s.sample2);
    PutSample(&out, s.sample1);
    const std::int16_t* c = adpcm.coefficients[s.predictor];
    const std::uint8_t* nibbles = block + kAdpcmBlockHeader;
    for (std::size_t i = 0; i < perBlock - 2; ++i) {
      const std::uint8_t byte = nibbles[i / 2];
      const int n = (i % 2 == 0) ? byte >> 4 : byte & 0x0F;
      PutSample(&out, DecodeAdpcmNibble(&s, n, c));
    }
  }
  data = std::move(out);
  return true;
}

}  // namespace qv
