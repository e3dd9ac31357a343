#include "sound/MusicPlayer.h"

#include <algorithm>

#include "sound/ModTables.h"
#include "sound/Module.h"

namespace qv {
namespace {

constexpr int kEffectArpeggio = 0;
constexpr int kEffectSlideUp = 1;
constexpr int kEffectSlideDown = 2;
constexpr int kEffectTonePortamento = 3;
constexpr int kEffectVibrato = 4;
constexpr int kEffectToneVolume = 5;
constexpr int kEffectVibratoVolume = 6;
constexpr int kEffectSampleOffset = 9;
constexpr int kEffectVolumeSlide = 10;
constexpr int kEffectPositionJump = 11;
constexpr int kEffectSetVolume = 12;
constexpr int kEffectPatternBreak = 13;
constexpr int kEffectExtended = 14;
constexpr int kEffectSpeed = 15;

constexpr int kExtPatternLoop = 6;
constexpr int kExtFineVolumeUp = 10;
constexpr int kExtFineVolumeDown = 11;
constexpr int kExtNoteCut = 12;
constexpr int kExtNoteDelay = 13;
constexpr int kExtPatternDelay = 14;

constexpr int kRowsPerPattern = 64;

// The note x semitones above note, kept inside its finetune's row.
int NoteAbove(int note, int x) {
  const int row = note / kNoteCount;
  const int index = std::min(note % kNoteCount + x, kNoteCount - 1);
  return row * kNoteCount + index;
}

}  // namespace

void MusicPlayer::SetChannelVolume(int v) {
  Channel::SetChannelVolume(v);
  for (ModTrack& t : tracks) UpdateTrackVolume(t);
}

void MusicPlayer::SetPan(int p) {
  pan = std::clamp(p, 0, 255);
  const int b = (16320 - 64 * pan) >> 8;
  tracks[0].pan = tracks[3].pan = b + 64;
  tracks[1].pan = tracks[2].pan = 192 - b;
}

void MusicPlayer::Begin(const Module& module) {
  song = module.data.data();
  patterns = song + kModHeaderSize;
  songLength = ModSongLength(song);
  const std::uint8_t* sampleData =
      patterns + static_cast<std::size_t>(module.PatternCount()) * kModPatternSize;
  samples[0] = ModSampleInfo{};
  for (int s = 1; s <= kModSampleCount; ++s) {
    const std::uint8_t* h = song + 20 + 30 * (s - 1);
    ModSampleInfo& info = samples[s];
    info = ModSampleInfo{};
    const std::uint64_t words = static_cast<std::uint64_t>((h[22] << 8) | h[23]);
    if (words == 0) continue;
    const std::uint64_t loopWords = static_cast<std::uint64_t>((h[28] << 8) | h[29]);
    info.length = (2 * words) << 16;
    info.loopStart = (2 * static_cast<std::uint64_t>((h[26] << 8) | h[27])) << 16;
    info.loopLength = loopWords > 1 ? (2 * loopWords) << 16 : 0;
    info.finetune = h[24] & 0x0F;
    info.volume = h[25];
    info.data = sampleData;
    sampleData += 2 * words;
  }

  baseFrequency = 44100;
  frequency = module.rate;
  tickRate = 50;
  SetPitch(module.pitch);  // sets dirty
  speed = 6;
  tickCounter = 6;  // the first frame reads row 0
  frameCounter = 0;
  order = 0;
  pattern = song[kModOrderOffset];
  rowOffset = 0;
  const int r = song[kModRestartOffset];
  restart = (r == 127 || r >= songLength) ? 0 : r;
  nextOrder = nextRow = kNoJump;
  patternDelay = 0;
  ended_ = false;
  for (ModTrack& t : tracks) t = ModTrack{};
  SetPan(module.pan);
  loop = module.loop ? 1 : 0;
  SetChannelVolume(module.volume);
  Start();
}

void MusicPlayer::MixFrame(int outputRate, bool stereo, std::int32_t* left, std::int32_t* right) {
  if (dirty) {
    std::uint64_t ratio = (static_cast<std::uint64_t>(std::max(frequency, 0)) << 8) / 44100u;
    ratio = std::max<std::uint64_t>(ratio, 1);
    const std::uint64_t rateFixed = static_cast<std::uint64_t>(outputRate) << 16;
    samplesPerTick = static_cast<std::uint32_t>(
        std::max<std::uint64_t>(rateFixed / (ratio * static_cast<std::uint64_t>(tickRate)), 256));
    dirty = 0;
  }
  if (tickCounter >= speed) {
    if (patternDelay > 0) {
      --patternDelay;
    } else {
      // The last row has had its full time: the song is over.
      if (ended_) {
        Stop();
        return;
      }
      ReadRow(outputRate);
    }
    tickCounter = 0;
  }
  frameCounter += 256;
  if (frameCounter >= samplesPerTick) {
    frameCounter -= samplesPerTick;
    ++tickCounter;
    if (tickCounter != speed) TickEffects(outputRate);
  }
  for (ModTrack& t : tracks) MixTrack(t, stereo, left, right);
}

void MusicPlayer::ReadRow(int outputRate) {
  const std::uint8_t* row = patterns + static_cast<std::size_t>(pattern) * kModPatternSize +
                            static_cast<std::size_t>(rowOffset) * 4;
  for (int i = 0; i < kModTrackCount; ++i) ReadCell(tracks[i], row + 4 * i, outputRate);
  AdvanceRow();
}

void MusicPlayer::AdvanceRow() {
  if (nextOrder != kNoJump) {
    if (nextOrder >= songLength) {
      ended_ = true;
      return;
    }
    order = nextOrder;
    pattern = song[kModOrderOffset + static_cast<std::size_t>(order)];
    rowOffset = nextRow;
    nextOrder = nextRow = kNoJump;
    return;
  }
  rowOffset += 4;
  if (rowOffset < 4 * kRowsPerPattern) return;
  rowOffset = 0;
  ++order;
  if (order >= songLength) {
    if (!loop) {
      ended_ = true;
      return;
    }
    order = restart;
  }
  pattern = song[kModOrderOffset + static_cast<std::size_t>(order)];
}

void MusicPlayer::ReadCell(ModTrack& t, const std::uint8_t* cell, int outputRate) {
  const int sample = (cell[0] & 0xF0) | (cell[2] >> 4);
  const int period = ((cell[0] & 0x0F) << 8) | cell[1];
  t.effect = cell[2] & 0x0F;
  t.parameter = cell[3];
  t.x = cell[3] >> 4;
  t.y = cell[3] & 0x0F;
  // Sample numbers above 31 name nothing and are ignored.
  if (sample != 0 && sample <= kModSampleCount) {
    t.sample = sample;
    t.volume = samples[sample].volume;
    UpdateTrackVolume(t);
  }
  const bool delayed = t.effect == kEffectExtended && t.x == kExtNoteDelay;
  if (period != 0 && t.effect != kEffectTonePortamento && t.effect != kEffectToneVolume &&
      !delayed) {
    t.position = 0;
    t.note = samples[t.sample].finetune * kNoteCount + NoteOfPeriod(period);
    t.period = PeriodTable(t.note);
  }
  if (t.sample != 0) t.step = StepTable(outputRate, t.period);
  RowEffect(t, period, outputRate);
}

void MusicPlayer::RowEffect(ModTrack& t, int cellPeriod, int outputRate) {
  switch (t.effect) {
    case kEffectArpeggio:
      if (t.parameter != 0) {
        t.arpeggioCounter = 0;
        t.arpeggioSteps[0] = StepTable(outputRate, t.period);
        t.arpeggioSteps[1] = StepTable(outputRate, PeriodTable(NoteAbove(t.note, t.x)));
        t.arpeggioSteps[2] = StepTable(outputRate, PeriodTable(NoteAbove(t.note, t.y)));
      }
      break;
    case kEffectSlideUp:
    case kEffectSlideDown:
      t.portamentoPeriod = t.period;
      break;
    case kEffectTonePortamento:
      if (cellPeriod != 0) {
        t.toneTarget =
            PeriodTable(samples[t.sample].finetune * kNoteCount + NoteOfPeriod(cellPeriod));
      } else if (t.toneTarget == 0) {
        t.toneTarget = PeriodTable(t.note);
      }
      if (t.parameter != 0) t.toneSpeed = t.parameter;
      break;
    case kEffectVibrato:
      if (t.parameter != 0) {
        t.vibratoSpeed = t.x;
        t.vibratoDepth = t.y;
        t.vibratoPosition = 0;
      }
      break;
    case kEffectToneVolume:
    case kEffectVibratoVolume:
    case kEffectVolumeSlide:
      t.slideAmount = t.parameter == 0 ? 0 : (t.x != 0 ? t.x : -t.y);
      break;
    case kEffectSampleOffset:
      if (t.parameter != 0) t.sampleOffset = static_cast<std::uint64_t>(t.parameter * 256) << 16;
      t.position = t.sampleOffset;
      break;
    case kEffectPositionJump:
      if (loop || t.parameter > order) {
        nextOrder = t.parameter;
        nextRow = 0;
      } else {
        nextOrder = songLength;
      }
      break;
    case kEffectSetVolume:
      t.volume = t.parameter;  // deliberately not limited to 64
      UpdateTrackVolume(t);
      break;
    case kEffectPatternBreak: {
      if (order + 1 < songLength) {
        nextOrder = order + 1;
      } else if (loop) {
        nextOrder = restart;
      } else {
        nextOrder = songLength;
        break;
      }
      const int row = 10 * t.x + t.y;
      nextRow = 4 * (row < kRowsPerPattern ? row : 0);
      break;
    }
    case kEffectExtended:
      switch (t.x) {
        case kExtPatternLoop:
          if (t.y == 0) {
            if (!t.loopRunning) t.loopRow = rowOffset / 4;
            break;
          }
          if (!t.loopRunning) {
            t.loopRunning = true;
            t.loopCount = t.y;
          } else {
            --t.loopCount;
          }
          if (t.loopCount > 0) {
            nextOrder = order;
            nextRow = 4 * t.loopRow;
          } else {
            t.loopRunning = false;
          }
          break;
        case kExtFineVolumeUp:
          t.volume = std::min(t.volume + t.y, kMaxChannelVolume);
          UpdateTrackVolume(t);
          break;
        case kExtFineVolumeDown:
          t.volume = std::max(t.volume - t.y, 0);
          UpdateTrackVolume(t);
          break;
        case kExtNoteCut:
          t.cutCounter = t.y;
          break;
        case kExtNoteDelay:
          t.delayedPeriod = cellPeriod;
          t.delayCounter = t.y - 1;
          break;
        case kExtPatternDelay:
          patternDelay = t.y;
          break;
        default:
          break;
      }
      break;
    case kEffectSpeed:
      if (t.parameter >= 1 && t.parameter <= 32) {
        speed = t.parameter;
      } else if (t.parameter > 32) {
        tickRate = t.parameter * 2 / 5;
        dirty = 1;
      }
      break;
    default:
      break;
  }
}

void MusicPlayer::TickEffects(int outputRate) {
  for (ModTrack& t : tracks) TickEffect(t, outputRate);
}

void MusicPlayer::TickEffect(ModTrack& t, int outputRate) {
  switch (t.effect) {
    case kEffectArpeggio:
      if (t.parameter != 0) {
        t.arpeggioCounter = (t.arpeggioCounter + 1) % 3;
        t.step = t.arpeggioSteps[t.arpeggioCounter];
      }
      break;
    case kEffectSlideUp:
    case kEffectSlideDown: {
      const int delta = t.effect == kEffectSlideUp ? -t.parameter : t.parameter;
      t.portamentoPeriod = ClampPeriod(t.portamentoPeriod + delta);
      t.period = t.portamentoPeriod;
      const std::uint32_t step = StepTable(outputRate, t.period);
      if (step != 0) t.step = step;
      break;
    }
    case kEffectTonePortamento:
      TonePortamento(t, outputRate);
      break;
    case kEffectToneVolume:
      TonePortamento(t, outputRate);
      SlideVolume(t);
      break;
    case kEffectVibrato:
      Vibrato(t, outputRate);
      break;
    case kEffectVibratoVolume:
      Vibrato(t, outputRate);
      SlideVolume(t);
      break;
    case kEffectVolumeSlide:
      SlideVolume(t);
      break;
    case kEffectExtended:
      if (t.x == kExtNoteCut && t.cutCounter != kNoCounter) {
        if (t.cutCounter > 0) --t.cutCounter;
        if (t.cutCounter == 0) t.effective = 0;
      } else if (t.x == kExtNoteDelay && t.delayCounter != kNoCounter) {
        if (t.delayCounter == -1) {
          // The delayed note keeps the sample's position.
          t.period = ClampPeriod(t.delayedPeriod);
          t.step = StepTable(outputRate, t.period);
          t.delayCounter = kNoCounter;
        } else {
          --t.delayCounter;
        }
      }
      break;
    default:
      break;
  }
}

void MusicPlayer::TonePortamento(ModTrack& t, int outputRate) {
  if (t.period < t.toneTarget) {
    t.period = std::min(t.period + t.toneSpeed, t.toneTarget);
  } else if (t.period > t.toneTarget) {
    const int moved = t.period - t.toneSpeed;
    t.period = moved < t.toneTarget ? t.toneTarget : moved;
  }
  t.period = ClampPeriod(t.period);
  t.step = StepTable(outputRate, t.period);
}

void MusicPlayer::Vibrato(ModTrack& t, int outputRate) {
  const int i = t.vibratoPosition;
  const int offset = (VibratoSine(i & 31) * t.vibratoDepth) >> 7;
  const int played = i < 32 ? t.period + offset : t.period - offset;
  t.step = StepTable(outputRate, ClampPeriod(played));
  t.vibratoPosition = (i + t.vibratoSpeed) & 63;
}

void MusicPlayer::SlideVolume(ModTrack& t) {
  t.volume = std::clamp(t.volume + t.slideAmount, 0, kMaxChannelVolume);
  UpdateTrackVolume(t);
}

void MusicPlayer::MixTrack(ModTrack& t, bool stereo, std::int32_t* left, std::int32_t* right) {
  const ModSampleInfo& s = samples[t.sample];
  if (s.data == nullptr) return;
  if (s.loopLength != 0 && t.position >= s.loopStart + s.loopLength) t.position -= s.loopLength;
  if (t.position < s.length) {
    const int v = static_cast<std::int8_t>(s.data[t.position >> 16]);
    if (!stereo) {
      *left += v * t.effective;
    } else {
      const int h = (t.effective * t.pan) >> 8;
      *left += (t.effective - h) * 2 * v;
      *right += h * 2 * v;
    }
  }
  t.position += t.step;
}

}  // namespace qv
