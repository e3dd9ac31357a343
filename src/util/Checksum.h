#pragma once
#include <cstddef>
#include <cstdint>

namespace qv {

// CRC-16 of the X.25 frame check sequence with its two bytes swapped. Only the
// low 16 bits of length count, as in the original file check.
std::uint16_t Checksum16(const std::uint8_t* bytes, std::size_t length);

}  // namespace qv
