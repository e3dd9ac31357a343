#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/AudioOutput.h"
#include "sound/Sample.h"

namespace qv::test {

// An output that takes every buffer at once, as a device that never falls
// behind; it records how many it was given.
class FakeOutput : public AudioOutput {
 public:
  struct Record {
    std::mutex m;
    int rate = 0;
    int channels = 0;
    int bits = 0;
    long long buffers = 0;
    bool paused = false;
    bool closed = false;
  };
  explicit FakeOutput(std::shared_ptr<Record> r, bool opens = true)
      : record_(std::move(r)), opens_(opens) {}
  bool Open(int rate, int channels, int bits, int) override {
    std::lock_guard<std::mutex> g(record_->m);
    record_->rate = rate;
    record_->channels = channels;
    record_->bits = bits;
    return opens_;
  }
  void Close() override {
    std::lock_guard<std::mutex> g(record_->m);
    record_->closed = true;
  }
  int QueuedBytes() override { return 0; }
  bool Queue(const void*, int) override {
    std::lock_guard<std::mutex> g(record_->m);
    ++record_->buffers;
    return true;
  }
  void SetPaused(bool paused) override {
    std::lock_guard<std::mutex> g(record_->m);
    record_->paused = paused;
  }

 private:
  std::shared_ptr<Record> record_;
  bool opens_;
};

// A sample made in memory: unsigned 8-bit bytes at a rate.
inline Sample MakeSample8(const std::vector<std::uint8_t>& bytes, int rate = 11025) {
  Sample s;
  s.data = bytes;
  s.is8Bit = 1;
  s.rate = rate;
  s.frequency = rate;
  s.sampleCount = static_cast<int>(bytes.size());
  s.loaded = 1;
  return s;
}

inline Sample MakeSample16(const std::vector<std::int16_t>& values, int rate) {
  Sample s;
  for (std::int16_t v : values) {
    const auto u = static_cast<std::uint16_t>(v);
    s.data.push_back(static_cast<std::uint8_t>(u & 0xFF));
    s.data.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  s.is8Bit = 0;
  s.rate = rate;
  s.frequency = rate;
  s.sampleCount = static_cast<int>(values.size());
  s.loaded = 1;
  return s;
}

}  // namespace qv::test
