#pragma once
#include <cstdint>

namespace qv {

// Packing of 8-bit channels into the 16-bit formats.
constexpr std::uint16_t Pack444(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint16_t>(((r >> 4) << 8) | ((g >> 4) << 4) | (b >> 4));
}
constexpr std::uint16_t Pack555(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}
constexpr std::uint16_t Pack565(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace qv
