#pragma once
#include <cstdint>

namespace qv {

// The options and progress record, stored byte for byte as "global.opt".
struct Options {
  std::uint16_t size = 36;
  std::uint16_t version = 1;
  std::uint16_t levelCount = 71;
  std::uint16_t highestLevel = 0;  // levels 1..highestLevel + 1 are open
  std::uint16_t reserved1 = 0;
  std::uint16_t soundOn = 1;
  std::uint32_t startKey = 193;
  std::uint32_t chooseKey = 194;
  std::uint32_t enterKey = 13;
  std::uint32_t volume = 100;  // percent
  std::uint32_t reserved2 = 0;
  std::uint16_t musicOn = 1;
  std::uint16_t alignment = 0;
};

constexpr int kOptionsFileSize = 36;

void ResetOptions(Options& options);
// Little-endian image of the record.
void EncodeOptions(const Options& options, std::uint8_t out[kOptionsFileSize]);
void DecodeOptions(const std::uint8_t in[kOptionsFileSize], Options& options);

}  // namespace qv
