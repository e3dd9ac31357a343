#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "util/Stream.h"

namespace qv::test {

// A read-write stream over a byte vector, for records written and read back
// in memory. An optional limit makes writes past it fail (a full disk).
class ByteStream : public Stream {
 public:
  ByteStream() = default;
  explicit ByteStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  bool Open(const char*, int) override { return true; }
  bool IsOpen() const override { return true; }
  void Close() override {}
  int Size() override { return static_cast<int>(bytes_.size()); }
  bool Seek(int offset, int origin) override {
    int base = origin == kSeekCurrent ? pos_ : origin == kSeekEnd ? Size() : 0;
    if (base + offset < 0 || base + offset > Size()) return false;
    pos_ = base + offset;
    return true;
  }
  int Read(void* buffer, int count) override {
    int n = std::max(0, std::min(count, Size() - pos_));
    std::memcpy(buffer, bytes_.data() + pos_, static_cast<std::size_t>(n));
    pos_ += n;
    return n;
  }
  int Write(const void* buffer, int count) override {
    int n = std::max(0, std::min(count, writeLimit_ - pos_));
    if (pos_ + n > Size()) bytes_.resize(static_cast<std::size_t>(pos_ + n));
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<std::size_t>(n));
    pos_ += n;
    return n;
  }
  bool VerifyChecksum(std::uint32_t) override { return true; }

  void LimitWrites(int limit) { writeLimit_ = limit; }
  void Rewind() { pos_ = 0; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  int pos_ = 0;
  int writeLimit_ = 1 << 30;
};

}  // namespace qv::test
