#include <benchmark/benchmark.h>

#include <vector>

#include "gfx/Surface.h"
#include "platform/Display.h"

namespace qv {
namespace {

void BM_ClearBackBuffer(benchmark::State& state) {
  Surface s;
  s.Create(240, 320);
  for (auto _ : state) {
    s.Clear(10, 20, 30);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BM_ClearBackBuffer);

void BM_FillRectAlphaFullScreen(benchmark::State& state) {
  Surface s;
  s.Create(240, 320);
  s.Clear(0, 0, 0);
  for (auto _ : state) {
    s.FillRectAlpha(0, 0, 240, 320, 200, 100, 50, 128);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BM_FillRectAlphaFullScreen);

void BM_Present(benchmark::State& state) {
  Surface s;
  s.Create(240, 320);
  std::vector<std::uint16_t> frame(240 * 320);
  DisplayInfo info = DesktopDisplayInfo();
  if (state.range(0) != 0) {
    info.xPitch = -2;
    info.yPitch = -480;
  }
  std::uint16_t* dest = state.range(0) != 0 ? frame.data() + frame.size() - 1 : frame.data();
  for (auto _ : state) {
    Present(s.Pixels(), 240, 320, dest, info);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 240 * 320);
}
BENCHMARK(BM_Present)->Arg(0)->Arg(1)->ArgNames({"pitched"});

}  // namespace
}  // namespace qv
