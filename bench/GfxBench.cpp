// Sprite blits and text against a plain frame copy. Items are pixels that
// land on the destination (text: characters, with inked pixels as a rate).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "gfx/Blit.h"
#include "gfx/Font.h"
#include "gfx/FontWriter.h"
#include "gfx/Surface.h"

namespace qv {
namespace {

constexpr int kScreenW = 240;
constexpr int kScreenH = 320;

void Screen(Surface& s) {
  s.Create(kScreenW, kScreenH);
  s.Clear(30, 60, 90);
}

// The yardstick: one 240 x 320 x 2-byte frame copied with memcpy.
void BM_MemcpyFrame(benchmark::State& state) {
  std::vector<std::uint8_t> a(kScreenW * kScreenH * 2, 7), b(a.size());
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kScreenW * kScreenH);
}
BENCHMARK(BM_MemcpyFrame);

// A typical part sprite: a disc, opaque inside, an anti-aliased rim of about
// two pixels, transparent corners.
void AlphaSprite(Surface& s) {
  s.Create(32, 32);
  s.Clear(200, 120, 40);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const double r = std::hypot(x - 15.5, y - 15.5);
      const int a = static_cast<int>((15.5 - r) * 128);  // fades over the outer two pixels
      s.Alpha()[y * 32 + x] = static_cast<std::uint8_t>(a < 0 ? 0 : (a > 255 ? 255 : a));
    }
  }
}

void BM_DrawSprite(benchmark::State& state) {
  Surface dest, sprite;
  Screen(dest);
  AlphaSprite(sprite);
  const int x = static_cast<int>(state.range(0));
  const int flags = static_cast<int>(state.range(1));
  const int visible = (x < 0 ? 32 + x : 32) * (x < 0 ? 32 + x : 32);
  for (auto _ : state) {
    sprite.DrawTo(dest, x, x, 0, 0, flags);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * visible);
}
BENCHMARK(BM_DrawSprite)
    ->Args({100, 0})
    ->Args({100, kBlitMirror})
    ->Args({-16, 0})
    ->ArgNames({"xy", "flags"});

void BM_DrawOpaquePicture(benchmark::State& state) {
  Surface dest, picture;
  Screen(dest);
  picture.Create(kScreenW, kScreenH);
  picture.Clear(90, 60, 30);
  picture.AdoptAlpha(nullptr);  // as loaded without an "A_" file
  for (auto _ : state) {
    picture.DrawTo(dest, 0, 0, 0, 0, 0);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kScreenW * kScreenH);
}
BENCHMARK(BM_DrawOpaquePicture);

// A font of the big font's proportions: 14-pixel line, 7-pixel glyphs with a
// third of their pixels inked, a few of them partly.
FontFileData BenchFont() {
  FontFileData f;
  f.sheetWidth = 112 * 10;
  f.sheetHeight = 14;
  f.coverage.resize(static_cast<std::size_t>(f.sheetWidth) * f.sheetHeight);
  for (int y = 0; y < f.sheetHeight; ++y) {
    for (int x = 0; x < f.sheetWidth; ++x) {
      const int v = (x * 7 + y * 3) % 9;
      f.coverage[y * f.sheetWidth + x] = v < 2 ? 255 : (v == 2 ? 120 : 0);
    }
  }
  for (FontWidthRecord& w : f.widths) w = {4, 28, 4};
  return f;
}

// Pixels with ink in the glyphs of a line: columns left..left + 8 of each cell.
long long InkedPixels(const FontFileData& f, const char* text) {
  long long n = 0;
  for (const char* p = text; *p != 0; ++p) {
    if (*p == ' ') continue;
    const int left = f.sheetWidth * (*p - 32) / 112;
    for (int y = 0; y < f.sheetHeight; ++y) {
      for (int x = left; x <= left + 8; ++x) n += f.coverage[y * f.sheetWidth + x] != 0;
    }
  }
  return n;
}

void BM_DrawText(benchmark::State& state) {
  Surface dest;
  Screen(dest);
  const FontFileData data = BenchFont();
  const std::vector<std::uint8_t> bytes = EncodeFontFile(data, false);
  Font font;
  font.LoadBytes(bytes.data(), static_cast<int>(bytes.size()));
  font.SetLetterSpacing(1);
  const char* line = "Explode the bomb with a candle";  // 30 characters
  const int style = static_cast<int>(state.range(0));
  for (auto _ : state) {
    font.DrawText(dest, 2, 100, line, 255, 255, 255, style, 255, nullptr);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(std::strlen(line)));
  const int copies[] = {1, 2, 5};
  state.counters["ink_px"] = benchmark::Counter(
      static_cast<double>(state.iterations() * InkedPixels(data, line) * copies[style]),
      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DrawText)
    ->Arg(kTextPlain)
    ->Arg(kTextShadowed)
    ->Arg(kTextOutlined)
    ->ArgNames({"style"});

}  // namespace
}  // namespace qv
