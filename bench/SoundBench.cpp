// Cost of mixing: one second of 11025 Hz output with the tune and eight
// busy voices (the game's heaviest case), and with the tune alone.
#include <benchmark/benchmark.h>

#include <vector>

#include "sound/Mixer.h"
#include "sound/Module.h"
#include "sound/Sample.h"

namespace {

void MixOneSecond(benchmark::State& state, int voices) {
  qv::Module tune;
  if (!tune.LoadMod("Sounds\\Mod\\3_fixed.mod")) {
    state.SkipWithError("no tune in the data tree");
    return;
  }
  tune.SetLoop(true);
  qv::Sample bang;
  bang.LoadWav("Sounds\\Wav\\bangbang.wav");
  bang.loop = 1;
  qv::Mixer mixer;
  mixer.OpenOffline(11025, 8, false, 1, 8);
  mixer.StartModule(tune);
  for (int i = 0; i < voices; ++i) mixer.PlayOnVoice(bang);
  std::vector<std::uint8_t> out(11025);
  for (auto _ : state) {
    mixer.Render(out.data(), 11025);
    benchmark::DoNotOptimize(out.data());
  }
  // Processor time the output thread needs per second of sound.
  state.counters["cpu_per_audio_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_MixTuneAndEightVoices(benchmark::State& state) {
  MixOneSecond(state, 8);
}
void BM_MixTuneOnly(benchmark::State& state) {
  MixOneSecond(state, 0);
}

BENCHMARK(BM_MixTuneAndEightVoices)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixTuneOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
