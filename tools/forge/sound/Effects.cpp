// The game's sound effects, synthesised.
#include <algorithm>

#include "Synth.h"

namespace qv::forge {
namespace {

double Frequency(int midi) {
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A brass-like tone: odd and even harmonics that brighten as it swells.
void AddBrassNote(std::vector<double>* out, int rate, double start, double length, int midi) {
  const double f = Frequency(midi);
  const int first = static_cast<int>(start * rate);
  const int count = static_cast<int>(length * rate);
  double phase = 0;
  for (int i = 0; i < count; ++i) {
    const double t = i / double(rate);
    const double attack = std::min(1.0, t / 0.03);
    const double release = std::min(1.0, (length - t) / 0.05);
    const double env = attack * std::max(0.0, release) * (0.85 + 0.15 * std::exp(-t * 6));
    const double vibrato = t > 0.25 ? 0.004 * std::sin(2 * kPi * 5.5 * t) : 0;
    phase += 2 * kPi * f * (1 + vibrato) / rate;
    const double bright = 0.4 + 0.6 * attack;
    double v = 0;
    for (int h = 1; h <= 8; ++h) v += std::sin(h * phase) * std::pow(bright, h - 1) / h;
    const std::size_t at = static_cast<std::size_t>(first + i);
    if (at < out->size()) (*out)[at] += v * env;
  }
}

}  // namespace

std::vector<double> MakeTrumpet(int rate) {
  // Ta-ta-taa ta-TAAA: G4 C5 E5, E5 G5.
  struct Note {
    double start, length;
    int midi;
  };
  const Note notes[] = {
      {0.00, 0.14, 67}, {0.16, 0.14, 72}, {0.32, 0.30, 76}, {0.66, 0.14, 76}, {0.82, 0.90, 79}};
  std::vector<double> s(static_cast<std::size_t>(1.8 * rate), 0.0);
  for (const Note& n : notes) AddBrassNote(&s, rate, n.start, n.length, n.midi);
  Normalise(&s, 0.85);
  Edges(&s, 8, 200);
  return s;
}

std::vector<double> MakeExplosion(int rate) {
  const int count = static_cast<int>(1.4 * rate);
  std::vector<double> s(static_cast<std::size_t>(count));
  Noise noise(0xB00Bu);
  double low = 0, lower = 0;
  for (int i = 0; i < count; ++i) {
    const double t = i / double(rate);
    // The crack is bright; the rumble darkens as it dies away.
    const double cutoff = 0.05 + 0.6 * std::exp(-t * 8);
    low += cutoff * (noise.Next() - low);
    lower += 0.08 * (low - lower);
    const double thump = std::sin(2 * kPi * (55 - 25 * t) * t) * std::exp(-t * 5);
    const double env = std::exp(-t * 3.2) * std::min(1.0, t / 0.004);
    s[static_cast<std::size_t>(i)] = (0.7 * low + 1.4 * lower) * env + 0.6 * thump;
  }
  Normalise(&s, 0.9);
  Edges(&s, 4, 400);
  return s;
}

std::vector<double> MakeLaser(int rate) {
  const int count = static_cast<int>(0.35 * rate);
  std::vector<double> s(static_cast<std::size_t>(count));
  Noise noise(0x1A5Eu);
  double phase = 0;
  for (int i = 0; i < count; ++i) {
    const double t = i / double(rate);
    const double f = 300 + 2200 * std::exp(-t * 14);
    phase += 2 * kPi * f / rate;
    const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase);
    const double crack = noise.Next() * std::exp(-t * 60);
    s[static_cast<std::size_t>(i)] = (0.8 * tone + crack) * std::exp(-t * 9);
  }
  Normalise(&s, 0.8);
  Edges(&s, 4, 200);
  return s;
}

std::vector<double> MakeCage(int rate) {
  // De-do-de-do, quickening and rising as the wheel gets going.
  std::vector<double> s;
  double phase = 0;
  for (int k = 0; k < 10; ++k) {
    const double length = 0.16 - 0.009 * k;
    const double f = (k % 2 == 0 ? 520.0 : 390.0) * (1 + 0.025 * k);
    const int count = static_cast<int>(length * rate);
    for (int i = 0; i < count; ++i) {
      const double t = i / double(rate);
      phase += 2 * kPi * f / rate;
      const double env = std::min(1.0, t / 0.008) * std::min(1.0, (length - t) / 0.02);
      const double square = std::tanh(3 * std::sin(phase));
      s.push_back(0.7 * square * env);
    }
  }
  Normalise(&s, 0.8);
  Edges(&s, 8, 100);
  return s;
}

std::vector<double> MakeRabbit(int rate) {
  // Three happy squeaks upward, then a little trill.
  std::vector<double> s(static_cast<std::size_t>(0.9 * rate), 0.0);
  const double starts[] = {0.0, 0.14, 0.28, 0.46};
  const double lengths[] = {0.1, 0.1, 0.14, 0.4};
  const double base[] = {900, 1100, 1350, 1600};
  for (int n = 0; n < 4; ++n) {
    double phase = 0;
    const int first = static_cast<int>(starts[n] * rate);
    const int count = static_cast<int>(lengths[n] * rate);
    for (int i = 0; i < count; ++i) {
      const double t = i / double(rate);
      const double trill = n == 3 ? 80 * std::sin(2 * kPi * 18 * t) : 0;
      const double f = base[n] * (1 + 0.35 * t / lengths[n]) + trill;
      phase += 2 * kPi * f / rate;
      const double env = std::sin(kPi * t / lengths[n]);
      s[static_cast<std::size_t>(first + i)] += (std::sin(phase) + 0.2 * std::sin(3 * phase)) * env;
    }
  }
  Normalise(&s, 0.8);
  Edges(&s, 8, 100);
  return s;
}

}  // namespace qv::forge
