#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "util/Stream.h"

namespace qv::level {

// A read-write stream over bytes in memory.
class VectorStream : public Stream {
 public:
  VectorStream() = default;
  explicit VectorStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  bool Open(const char*, int) override { return true; }
  bool IsOpen() const override { return true; }
  void Close() override {}
  int Size() override { return static_cast<int>(bytes_.size()); }
  bool Seek(int offset, int origin) override {
    const int base = origin == kSeekCurrent ? pos_ : origin == kSeekEnd ? Size() : 0;
    if (base + offset < 0 || base + offset > Size()) return false;
    pos_ = base + offset;
    return true;
  }
  int Read(void* buffer, int count) override {
    const int n = std::max(0, std::min(count, Size() - pos_));
    if (n > 0) std::memcpy(buffer, bytes_.data() + pos_, static_cast<std::size_t>(n));
    pos_ += n;
    return n;
  }
  int Write(const void* buffer, int count) override {
    if (count <= 0) return 0;
    if (pos_ + count > Size()) bytes_.resize(static_cast<std::size_t>(pos_ + count));
    std::memcpy(bytes_.data() + pos_, buffer, static_cast<std::size_t>(count));
    pos_ += count;
    return count;
  }
  bool VerifyChecksum(std::uint32_t) override { return true; }

  int Position() const { return pos_; }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  int pos_ = 0;
};

}  // namespace qv::level
