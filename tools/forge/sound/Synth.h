#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

namespace qv::forge {

constexpr double kPi = 3.14159265358979323846;

// A deterministic noise source (no library random numbers, so every build
// writes the same bytes).
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  // -1..1
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Scales a signal so its peak is peak (0..1) of full scale.
inline void Normalise(std::vector<double>* s, double peak) {
  double m = 0;
  for (double v : *s) m = std::fmax(m, std::fabs(v));
  if (m <= 0) return;
  for (double& v : *s) v = v * peak / m;
}

inline std::vector<std::int16_t> To16(const std::vector<double>& s) {
  std::vector<std::int16_t> out;
  out.reserve(s.size());
  for (double v : s) out.push_back(static_cast<std::int16_t>(std::lround(v * 32767.0)));
  return out;
}

inline std::vector<std::uint8_t> ToU8(const std::vector<double>& s) {
  std::vector<std::uint8_t> out;
  out.reserve(s.size());
  for (double v : s) out.push_back(static_cast<std::uint8_t>(128 + std::lround(v * 127.0)));
  return out;
}

inline std::vector<std::int8_t> ToS8(const std::vector<double>& s) {
  std::vector<std::int8_t> out;
  out.reserve(s.size());
  for (double v : s) out.push_back(static_cast<std::int8_t>(std::lround(v * 127.0)));
  return out;
}

// Fades the first and last few samples so nothing clicks.
inline void Edges(std::vector<double>* s, int fadeIn, int fadeOut) {
  const int n = static_cast<int>(s->size());
  for (int i = 0; i < fadeIn && i < n; ++i) (*s)[static_cast<std::size_t>(i)] *= i / double(fadeIn);
  for (int i = 0; i < fadeOut && i < n; ++i) {
    (*s)[static_cast<std::size_t>(n - 1 - i)] *= i / double(fadeOut);
  }
}

std::vector<double> MakeTrumpet(int rate);
std::vector<double> MakeExplosion(int rate);
std::vector<double> MakeLaser(int rate);
std::vector<double> MakeCage(int rate);
std::vector<double> MakeRabbit(int rate);

// The background tune and the effects check module as MOD file images.
std::vector<std::uint8_t> MakeTune();
std::vector<std::uint8_t> MakeEffectsModule();

}  // namespace qv::forge
