// The background tune: a cheerful four-track piece in C major that loops
// back to its start without a seam. Track 0 lead, 1 bass, 2 arpeggiated
// chords, 3 drums.
#include <sstream>

#include "ModBuilder.h"
#include "Synth.h"

namespace qv::forge {
namespace {

enum Instrument { kLead = 1, kBass, kChord, kKick, kSnare, kHat };

constexpr int kRowsPerBar = 16;

std::vector<std::int8_t> Cycle(int length, double (*wave)(double)) {
  std::vector<double> s(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) s[static_cast<std::size_t>(i)] = wave(2 * kPi * i / length);
  Normalise(&s, 0.95);
  return ToS8(s);
}

double LeadWave(double x) {
  return std::sin(x) + 0.45 * std::sin(2 * x) + 0.3 * std::sin(3 * x) + 0.12 * std::sin(5 * x);
}
double BassWave(double x) {
  return std::sin(x) + 0.5 * std::sin(2 * x) + 0.25 * std::sin(3 * x);
}
double ChordWave(double x) {
  return std::tanh(2.5 * std::sin(x)) + 0.2 * std::sin(2 * x);
}

ModInstrument Looped(const char* name, std::vector<std::int8_t> data, int volume) {
  ModInstrument in;
  in.name = name;
  in.volume = volume;
  in.loopStart = 0;
  in.loopLength = static_cast<int>(data.size());
  in.data = std::move(data);
  return in;
}

ModInstrument OneShot(const char* name, std::vector<double> s, int volume) {
  if (s.size() % 2) s.push_back(0);
  Normalise(&s, 0.95);
  Edges(&s, 2, 64);
  ModInstrument in;
  in.name = name;
  in.volume = volume;
  in.data = ToS8(s);
  return in;
}

// Drum samples are played at C-2, 8363 samples per second.
constexpr int kDrumRate = 8363;

std::vector<double> Kick() {
  std::vector<double> s(static_cast<std::size_t>(0.16 * kDrumRate));
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kDrumRate;
    phase += 2 * kPi * (45 + 110 * std::exp(-t * 30)) / kDrumRate;
    s[i] = std::sin(phase) * std::exp(-t * 16);
  }
  return s;
}

std::vector<double> Snare() {
  std::vector<double> s(static_cast<std::size_t>(0.18 * kDrumRate));
  Noise noise(0x5A4Eu);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kDrumRate;
    s[i] = 0.8 * noise.Next() * std::exp(-t * 18) +
           0.5 * std::sin(2 * kPi * 190 * t) * std::exp(-t * 30);
  }
  return s;
}

std::vector<double> Hat() {
  std::vector<double> s(static_cast<std::size_t>(0.05 * kDrumRate));
  Noise noise(0x4A7u);
  double last = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kDrumRate;
    const double n = noise.Next();
    s[i] = (n - last) * std::exp(-t * 70);  // differenced noise: bright
    last = n;
  }
  return s;
}

std::vector<ModInstrument> Instruments() {
  return {Looped("lead", Cycle(32, LeadWave), 44),
          Looped("bass", Cycle(32, BassWave), 50),
          Looped("chord", Cycle(32, ChordWave), 26),
          OneShot("kick", Kick(), 58),
          OneShot("snare", Snare(), 44),
          OneShot("hat", Hat(), 30)};
}

struct Chord {
  const char* root;  // in octave 2, e.g. "A2"
  int arpeggio;      // 0x47 major, 0x37 minor
};

// Lead line of one bar: 16 tokens. A note name starts a note; "." holds it;
// "-" silences it; a name ending in "p" slides to it (tone portamento);
// "^" and "v" bend the held note up or down.
void WriteLead(ModPattern* p, int bar, const std::string& line) {
  std::istringstream in(line);
  std::string token;
  int held = 0;
  for (int r = 0; r < kRowsPerBar && in >> token; ++r) {
    ModCell& c = p->cells[bar * kRowsPerBar + r][0];
    if (token == ".") {
      ++held;
      // Long notes get a vibrato that sets in after a moment.
      if (held >= 3) {
        c.effect = 4;
        c.parameter = held == 3 ? 0x46 : 0;
      }
    } else if (token == "-") {
      c.effect = 12;
      c.parameter = 0;
      held = 0;
    } else if (token == "^" || token == "v") {
      c.effect = token == "^" ? 1 : 2;
      c.parameter = 3;
    } else if (token.back() == 'p') {
      c.note = NoteIndex(token.substr(0, token.size() - 1));
      c.effect = 3;
      c.parameter = 6;
      held = 0;
    } else {
      c.sample = kLead;
      c.note = NoteIndex(token);
      held = 0;
    }
  }
}

// Bouncing bass on the chord's root, octave and fifth.
void WriteBass(ModPattern* p, int bar, const Chord& chord) {
  const int root = NoteIndex(chord.root) - 12;
  const int steps[][2] = {{0, 0}, {3, 0}, {6, 12}, {8, 7}, {11, 7}, {14, 12}};
  for (const auto& s : steps) {
    ModCell& c = p->cells[bar * kRowsPerBar + s[0]][1];
    c.sample = kBass;
    c.note = root + s[1];
  }
}

void WriteChord(ModPattern* p, int bar, const Chord& chord, bool fadeOut) {
  for (int r = 0; r < kRowsPerBar; ++r) {
    ModCell& c = p->cells[bar * kRowsPerBar + r][2];
    if (r == 0 || r == 8) {
      c.sample = kChord;
      c.note = NoteIndex(chord.root);
    }
    c.effect = 0;
    c.parameter = chord.arpeggio;
    // The last bar before a change of section fades a little.
    if (fadeOut && r >= 12) {
      c.effect = 10;
      c.parameter = 0x02;
    }
  }
}

void WriteDrums(ModPattern* p, int bar, bool fill) {
  const int base = bar * kRowsPerBar;
  auto hit = [&](int row, int sample, int volume) {
    ModCell& c = p->cells[base + row][3];
    c.sample = sample;
    c.note = NoteIndex("C2");
    if (volume >= 0) {
      c.effect = 12;
      c.parameter = volume;
    }
  };
  hit(0, kKick, -1);
  hit(2, kHat, 20);
  hit(4, kSnare, -1);
  hit(6, kHat, 32);
  hit(8, kKick, -1);
  hit(10, fill ? kSnare : kHat, fill ? 28 : 20);
  hit(12, kSnare, -1);
  hit(14, fill ? kSnare : kHat, fill ? 36 : 32);
  if (fill) hit(15, kSnare, 48);
}

struct Section {
  Chord chords[4];
  const char* lead[4];
  int bars = 4;
};

ModPattern MakePattern(const Section& s, bool fadeLastBar, bool fillLastBar) {
  ModPattern p;
  for (int b = 0; b < s.bars; ++b) {
    WriteLead(&p, b, s.lead[b]);
    WriteBass(&p, b, s.chords[b]);
    WriteChord(&p, b, s.chords[b], fadeLastBar && b == s.bars - 1);
    WriteDrums(&p, b, fillLastBar && b == s.bars - 1);
  }
  return p;
}

void SetTempo(ModPattern* p, int speed, int tempo) {
  // Speed on the bass track, tempo on the drums, both on the first row.
  if (speed) {
    p->cells[0][1].effect = 15;
    p->cells[0][1].parameter = speed;
  }
  p->cells[0][3].effect = 15;
  p->cells[0][3].parameter = tempo;
}

const Chord kC{"C2", 0x47}, kG{"G2", 0x47}, kAm{"A2", 0x37}, kF{"F2", 0x47}, kEm{"E2", 0x37};

}  // namespace

std::vector<std::uint8_t> MakeTune() {
  const Section verse1{
      {kC, kG, kAm, kF},
      {"E2 . G2 . C3 . . . D3 . C3 . G2 . . .", "D3 . . . B2 . G2 . B2 . D3 . G3 . . .",
       "C3 . . . A2 . C3 . E3 . . . D3 . C3 .", "A2 . . . . . . . C3 . A2 . F2 . G2 ."}};
  const Section verse2{
      {kC, kG, kAm, kF},
      {"G2 . C3 . E3 . . . D3 . C3 . D3 . E3 .", "D3 . . . . . B2 . G2 . A2 . B2 . D3 .",
       "E3 . . . C3 . A2 . C3 . E3 . A3 . . .", "G3 . F3 . E3 . D3 . C3 . . . . . . ."}};
  const Section chorus1{
      {kF, kG, kC, kAm},
      {"C3 . . . A2 . C3 . F3 . . . E3 . D3 .", "D3 . . . B2 . D3 . G3 . . . F3 . E3 .",
       "E3 . . . C3 . E3 . G3 . . . . . . .", "A3 . G3 . E3 . C3 . D3 . . . E3 . . ."}};
  const Section chorus2{
      {kF, kG, kEm, kAm},
      {"C3 . . . A2 . C3 . F3 . . . E3 . D3 .", "D3 . . . B2 . D3 . G3 . . . A3 . G3 .",
       "E3 . . . . . G3p . . . E3 . D3 . . .", "C3 . . . A2 . . . . . . . . . - ."}};
  const Section bridge{
      {kAm, kF, kC, kG},
      {"A2 . . . C3 . . . E3 . . . A3 v v v", "A3 . . . F3 . . . C3 . . . F3 . . .",
       "G3 . . . E3 . . . C3 . . . E3 . . .", "D3 . . . B2 . . . G2 ^ ^ ^ D3 . . ."}};
  Section breakdown{
      {kC, kAm, kF, kF},
      {"C3 . E3 . G3 . E3 . C3 . E3 . G3 . . .", "A2 . C3 . E3 . C3 . A2 . C3 . E3 . . .",
       "F2 . A2 . C3 . F3 . E3 . D3 . B2 . G2 .", ""}};
  breakdown.bars = 3;
  const Section outro{
      {kC, kG, kF, kG},
      {"E3 . D3 . C3 . . . G2 . . . C3 . E3 .", "D3 . . . . . . . B2 . . . G2 . . .",
       "A2 . C3 . F3 . . . E3 . D3 . C3 . . .", "B2 . . . D3 . . . G3 . F3 . E3 . D3 ."}};

  std::vector<ModPattern> patterns;
  patterns.push_back(MakePattern(verse1, false, false));
  SetTempo(&patterns.back(), 6, 125);
  patterns.push_back(MakePattern(verse2, false, true));
  patterns.push_back(MakePattern(chorus1, false, false));
  patterns.push_back(MakePattern(chorus2, true, true));
  patterns.push_back(MakePattern(bridge, false, true));
  SetTempo(&patterns.back(), 0, 140);  // the bridge hurries a little
  patterns.push_back(MakePattern(breakdown, false, true));
  SetTempo(&patterns.back(), 0, 125);
  // The breakdown is three bars long: it breaks into the chorus early.
  patterns.back().cells[47][2].effect = 13;
  patterns.back().cells[47][2].parameter = 0;
  patterns.push_back(MakePattern(outro, false, true));
  return BuildMod("Quirkvale Romp", Instruments(), {0, 1, 2, 3, 4, 5, 2, 3, 6}, patterns);
}

// A module that exercises every supported effect, with the timing effects
// (speed, tempo, break, jump, loop, delay) placed where both an independent
// player and ours must agree on when each row starts.
std::vector<std::uint8_t> MakeEffectsModule() {
  std::vector<ModPattern> p(4);
  auto set = [&](int pattern, int row, int track, int sample, const char* note, int effect,
                 int parameter) {
    ModCell& c = p[static_cast<std::size_t>(pattern)].cells[row][track];
    c.sample = sample;
    c.note = note ? NoteIndex(note) : kNoNote;
    c.effect = effect;
    c.parameter = parameter;
  };
  // Pattern 0: the note effects, then speed, tempo and a break.
  set(0, 0, 3, 0, nullptr, 15, 6);
  set(0, 0, 2, 0, nullptr, 15, 125);
  set(0, 0, 0, kLead, "C2", 0, 0x47);
  set(0, 0, 1, kBass, "C2", 1, 2);
  set(0, 8, 1, 0, nullptr, 2, 2);
  set(0, 8, 0, 0, "G2", 3, 5);
  set(0, 16, 0, 0, nullptr, 4, 0x48);
  set(0, 20, 0, 0, "C3", 5, 0x02);
  set(0, 24, 0, 0, nullptr, 6, 0x20);
  set(0, 28, 1, kSnare, "C2", 9, 2);
  set(0, 30, 0, 0, nullptr, 10, 0x04);
  set(0, 32, 0, kLead, "E2", 12, 0x30);
  set(0, 34, 0, 0, nullptr, 14, 0xA2);
  set(0, 36, 0, 0, nullptr, 14, 0xB4);
  set(0, 38, 1, kKick, "C2", 14, 0xC3);
  set(0, 40, 1, kHat, "C2", 14, 0xD2);
  set(0, 44, 3, 0, nullptr, 15, 3);
  set(0, 48, 3, 0, nullptr, 15, 150);
  set(0, 56, 2, 0, nullptr, 13, 0x16);
  // Pattern 1, entered at row 16: a pattern loop, a row delay, speed and
  // tempo changes, and a forward jump over order 2.
  set(1, 16, 0, kLead, "A2", 14, 0x60);
  set(1, 18, 1, kHat, "C2", 0, 0);
  set(1, 20, 0, 0, nullptr, 14, 0x62);
  set(1, 24, 0, kChord, "C2", 14, 0xE2);
  set(1, 32, 3, 0, nullptr, 15, 8);
  set(1, 40, 3, 0, nullptr, 15, 80);
  set(1, 48, 2, 0, nullptr, 11, 3);
  // Pattern 2 must never play.
  set(2, 0, 3, 0, nullptr, 15, 1);
  // Pattern 3: back to the start's speed and tempo, a delay, then the end.
  set(3, 0, 3, 0, nullptr, 15, 6);
  set(3, 0, 2, 0, nullptr, 15, 125);
  set(3, 0, 0, kKick, "C2", 0, 0);
  set(3, 10, 0, 0, nullptr, 14, 0xE1);
  set(3, 12, 1, kSnare, "C2", 0, 0);
  return BuildMod("Effects check", Instruments(), {0, 1, 2, 3}, p);
}

}  // namespace qv::forge
