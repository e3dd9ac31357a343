#pragma once
#include <cstdint>

#include "util/FileStream.h"

namespace qv {

// A whole file read into memory; read-only. Reads are clipped at the end.
class MemoryFile : public Stream {
 public:
  MemoryFile() = default;
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  ~MemoryFile() override;

  bool Open(const char* path, int mode) override;
  // Takes a copy of bytes already in memory (tests, fuzzers, embedded data).
  bool OpenBytes(const void* bytes, int size);
  bool IsOpen() const override { return buffer_ != nullptr; }
  void Close() override;
  int Size() override { return size_; }
  bool Seek(int offset, int origin) override;
  int Read(void* buffer, int count) override;
  int Write(const void*, int) override { return -1; }
  bool VerifyChecksum(std::uint32_t) override { return true; }

  const std::uint8_t* Data() const { return buffer_; }
  int Position() const { return position_; }

 private:
  std::uint8_t* buffer_ = nullptr;
  int size_ = 0;
  int position_ = 0;
  FileStream file_;
};

}  // namespace qv
