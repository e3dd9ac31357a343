#include "util/Checksum.h"

namespace qv {

std::uint16_t Checksum16(const std::uint8_t* bytes, std::size_t length) {
  std::size_t n = length & 0xFFFF;
  if (n == 0 || bytes == nullptr) return 0;
  std::uint16_t fcs = 0xFFFF;
  for (std::size_t i = 0; i < n; ++i) {
    fcs ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) {
      fcs = (fcs & 1) ? static_cast<std::uint16_t>((fcs >> 1) ^ 0x8408)
                      : static_cast<std::uint16_t>(fcs >> 1);
    }
  }
  fcs = static_cast<std::uint16_t>(~fcs);
  return static_cast<std::uint16_t>(((fcs & 0xFF) << 8) | (fcs >> 8));
}

}  // namespace qv
