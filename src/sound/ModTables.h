#pragma once
#include <cstdint>

namespace qv {

constexpr int kFinetuneCount = 16;
constexpr int kNoteCount = 84;      // seven octaves
constexpr int kPeriodCount = 1714;  // periods 0..1713 index the step and note tables
constexpr int kMaxPeriod = kPeriodCount - 1;

// Classic MOD periods, one row of 84 notes per finetune (0..7 up, 8..15 down).
// note is finetune * 84 + note index; out-of-range values are clamped.
int PeriodTable(int note);
// The finetune-0 note (0..83) whose period is nearest to period (ties: lower).
int NoteOfPeriod(int period);
// 16.16 sample advance per output frame for an instrument played at period,
// for outputRate 11025, 22050 or 44100 (anything else uses 22050).
std::uint32_t StepTable(int outputRate, int period);
// Half a sine wave in 32 steps, peak 255.
int VibratoSine(int index);

inline int ClampPeriod(int period) {
  return period < 0 ? 0 : (period > kMaxPeriod ? kMaxPeriod : period);
}

}  // namespace qv
