#pragma once
#include <cstdint>

namespace qv {

// Open modes (bit set) and seek origins shared by every stream.
constexpr int kModeCreate = 1;
constexpr int kModeRead = 2;
constexpr int kModeWrite = 4;
constexpr int kModeReadExisting = kModeRead;
constexpr int kModeCreateWrite = kModeCreate | kModeWrite;

constexpr int kSeekStart = 1;
constexpr int kSeekCurrent = 2;
constexpr int kSeekEnd = 4;

// Byte stream over a file or a memory copy of one. Multi-byte values are
// little-endian. Reads and writes return the byte count, -1 when not open.
class Stream {
 public:
  virtual ~Stream() = default;
  virtual bool Open(const char* path, int mode) = 0;
  virtual bool IsOpen() const = 0;
  virtual void Close() = 0;
  virtual int Size() = 0;
  virtual bool Seek(int offset, int origin) = 0;
  virtual int Read(void* buffer, int count) = 0;
  virtual int Write(const void* buffer, int count) = 0;
  virtual bool VerifyChecksum(std::uint32_t expected) = 0;

  int WriteLong(std::int32_t value);
  int ReadLong(std::int32_t* value);
  int WriteInt(std::int32_t value) { return WriteLong(value); }
  int ReadInt(std::int32_t* value) { return ReadLong(value); }
  int WriteByte(std::uint8_t value);
  int ReadByte(std::uint8_t* value);
  int WriteShort(std::int16_t value);
  int ReadShort(std::int16_t* value);
  int ReadShort(std::uint16_t* value);
};

}  // namespace qv
