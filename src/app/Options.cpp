#include "app/Options.h"

namespace qv {
namespace {

void Put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint16_t Get16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t Get32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

void ResetOptions(Options& options) {
  options = Options();
}

void EncodeOptions(const Options& o, std::uint8_t out[kOptionsFileSize]) {
  Put16(out + 0, o.size);
  Put16(out + 2, o.version);
  Put16(out + 4, o.levelCount);
  Put16(out + 6, o.highestLevel);
  Put16(out + 8, o.reserved1);
  Put16(out + 10, o.soundOn);
  Put32(out + 12, o.startKey);
  Put32(out + 16, o.chooseKey);
  Put32(out + 20, o.enterKey);
  Put32(out + 24, o.volume);
  Put32(out + 28, o.reserved2);
  Put16(out + 32, o.musicOn);
  Put16(out + 34, o.alignment);
}

void DecodeOptions(const std::uint8_t in[kOptionsFileSize], Options& o) {
  o.size = Get16(in + 0);
  o.version = Get16(in + 2);
  o.levelCount = Get16(in + 4);
  o.highestLevel = Get16(in + 6);
  o.reserved1 = Get16(in + 8);
  o.soundOn = Get16(in + 10);
  o.startKey = Get32(in + 12);
  o.chooseKey = Get32(in + 16);
  o.enterKey = Get32(in + 20);
  o.volume = Get32(in + 24);
  o.reserved2 = Get32(in + 28);
  o.musicOn = Get16(in + 32);
  o.alignment = Get16(in + 34);
}

}  // namespace qv
