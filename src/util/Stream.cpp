#include "util/Stream.h"

namespace qv {

int Stream::WriteLong(std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                       static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  return Write(b, 4);
}

int Stream::ReadLong(std::int32_t* value) {
  std::uint8_t b[4] = {};
  int n = Read(b, 4);
  if (n == 4) {
    *value = static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                       (static_cast<std::uint32_t>(b[3]) << 24));
  }
  return n;
}

int Stream::WriteByte(std::uint8_t value) {
  return Write(&value, 1);
}

int Stream::ReadByte(std::uint8_t* value) {
  return Read(value, 1);
}

int Stream::WriteShort(std::int16_t value) {
  auto u = static_cast<std::uint16_t>(value);
  std::uint8_t b[2] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8)};
  return Write(b, 2);
}

int Stream::ReadShort(std::uint16_t* value) {
  std::uint8_t b[2] = {};
  int n = Read(b, 2);
  if (n == 2) *value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  return n;
}

int Stream::ReadShort(std::int16_t* value) {
  std::uint16_t u = 0;
  int n = ReadShort(&u);
  if (n == 2) *value = static_cast<std::int16_t>(u);
  return n;
}

}  // namespace qv
