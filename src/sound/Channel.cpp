#include "sound/Channel.h"

#include <algorithm>

namespace qv {

void Channel::SetChannelVolume(int v) {
  volume = std::clamp(v, 0, kMaxChannelVolume);
  effective = master ? (volume * *master) >> 6 : volume;
}

void Channel::SetPan(int p) {
  pan = std::clamp(p, 0, 255);
}

void Channel::SetPitch(int a) {
  a = std::clamp(a, 0, 255);
  pitch = a;
  const std::uint64_t base = static_cast<std::uint64_t>(std::max(baseFrequency, 0));
  if (a > 128) {
    frequency = static_cast<int>((base * static_cast<std::uint64_t>(a) * 512u) >> 16);
  } else if (a == 128) {
    frequency = baseFrequency;
  } else {
    frequency = static_cast<int>(base * 65536u / (131072u - 512u * static_cast<unsigned>(a)));
  }
  dirty = 1;
}

void Voice::MixFrame(int outputRate, bool stereo, std::int32_t* left, std::int32_t* right) {
  if (dirty) {
    const std::uint64_t f = static_cast<std::uint64_t>(std::max(frequency, 0));
    step = static_cast<std::uint32_t>((f << 16) / (static_cast<std::uint64_t>(outputRate) << 8));
    dirty = 0;
  }
  if (loop && position >= length) position -= length;
  if (position >= length) {
    Stop();
    return;
  }
  const std::uint64_t index = position >> 8;
  std::int32_t s;
  if (is8Bit) {
    s = (static_cast<std::int32_t>(data[index]) - 128) * 256;
  } else {
    const std::uint8_t* p = data + index * 2;
    s = static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
  }
  if (!stereo) {
    *left += s * effective;
  } else if (pan == 128) {
    *left += s * effective;
    *right += s * effective;
  } else {
    const int e2 = effective * 2;
    const int r = pan * e2 >> 8;
    *right += s * r;
    *left += s * (e2 - r);
  }
  position += step;
}

}  // namespace qv
