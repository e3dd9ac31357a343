#pragma once
#include <cstdint>

namespace qv {

constexpr int kMaxChannelVolume = 64;

// What voices and music players share: volume against a group master, pan,
// pitch, and the free/playing state. Fields are touched only under the
// mixer's lock once the mixer is open.
class Channel {
 public:
  virtual ~Channel() = default;

  // volume := min(v, 64); effective := volume * master >> 6.
  virtual void SetChannelVolume(int v);
  virtual void SetPan(int p);
  // 128 keeps baseFrequency, 0 halves it, 255 nearly doubles it.
  void SetPitch(int a);

  void Start() {
    stopped = 0;
    paused = 0;
  }
  void Stop() {
    stopped = 1;
    paused = 0;
  }
  bool IsFree() const { return stopped == 1 && paused == 0; }

  const int* master = nullptr;
  int volume = 0;
  int effective = 0;
  int pan = 128;
  std::uint8_t loop = 0;
  std::uint8_t paused = 0;
  std::uint8_t stopped = 1;
  int baseFrequency = 0;
  int frequency = 0;
  std::uint8_t dirty = 1;
  int pitch = 128;
  const std::uint8_t* data = nullptr;
};

// Plays one sample: 24.8 fixed-point position and step through its data.
class Voice : public Channel {
 public:
  // Adds this voice's frame to left/right and advances it; a voice that
  // runs off its end stops itself.
  void MixFrame(int outputRate, bool stereo, std::int32_t* left, std::int32_t* right);

  std::uint32_t step = 0;
  // 64-bit so that long samples cannot overflow the 24.8 position.
  std::uint64_t position = 0;
  std::uint64_t length = 0;  // sample count << 8
  std::uint8_t is8Bit = 1;
};

}  // namespace qv
