#include "sound/Module.h"

#include "sound/Sample.h"

namespace qv {
namespace {

constexpr std::size_t kMaxModFile = 16u << 20;

int PatternCountOf(const std::uint8_t* data) {
  const int length = ModSongLength(data);
  int highest = 0;
  for (int i = 0; i < length; ++i) {
    const int p = data[kModOrderOffset + static_cast<std::size_t>(i)];
    if (p > highest) highest = p;
  }
  return highest + 1;
}

std::size_t SampleBytesOf(const std::uint8_t* data, int s) {
  const std::uint8_t* header = data + 20 + 30 * static_cast<std::size_t>(s - 1);
  return 2u * static_cast<std::size_t>((header[22] << 8) | header[23]);
}

}  // namespace

int ModSongLength(const std::uint8_t* data) {
  const int length = data[kModSongLengthOffset];
  return length > 128 ? 128 : length;
}

int Module::PatternCount() const {
  return HasData() ? PatternCountOf(data.data()) : 0;
}

std::size_t Module::SampleBytes(int s) const {
  return HasData() ? SampleBytesOf(data.data(), s) : 0;
}

bool Module::LoadMod(const char* path) {
  data.clear();
  loaded = 0;
  std::vector<std::uint8_t> file;
  if (!ReadWholeFile(path, kMaxModFile, &file)) return false;
  return LoadModBytes(file.data(), file.size());
}

bool Module::LoadModBytes(const std::uint8_t* bytes, std::size_t size) {
  data.clear();
  loaded = 0;
  if (bytes == nullptr || size < kModHeaderSize) return false;
  if (bytes[kModSongLengthOffset] == 0 || bytes[kModSongLengthOffset] > 128) return false;
  // Everything the header promises must be in the file.
  std::size_t need =
      kModHeaderSize + static_cast<std::size_t>(PatternCountOf(bytes)) * kModPatternSize;
  for (int s = 1; s <= kModSampleCount; ++s) need += SampleBytesOf(bytes, s);
  if (size < need) return false;
  data.assign(bytes, bytes + size);
  loaded = 1;
  return true;
}

}  // namespace qv
