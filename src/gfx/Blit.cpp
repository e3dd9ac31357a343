#include "gfx/Blit.h"

#include <cstring>

#include "gfx/Surface.h"

namespace qv {
namespace {

// The part of the sprite that lands on the destination, with the pointers
// and steps of its first row.
struct BlitArea {
  int skipX = 0, endX = 0, skipY = 0, endY = 0;
  bool mirror = false;
  bool flip = false;
};

// Limits are worked out in 64 bits so that no position or limit can
// overflow; what comes out always lies inside both surfaces.
bool ClipArea(const Surface& src, const Surface& dest, int x, int y, int maxWidth, int maxHeight,
              int flags, BlitArea* area) {
  if (src.Pixels() == nullptr || dest.Pixels() == nullptr) return false;
  // A sprite in another pixel layout than its destination cannot be copied.
  if (src.Format() != dest.Format() || src.BytesPerPixel() != dest.BytesPerPixel()) return false;
  auto axis = [](long long pos, long long limit, long long destSize, long long srcSize, int* skip,
                 int* end) {
    long long last = limit > 0 ? pos + limit : destSize;
    if (last > destSize) last = destSize;
    long long first = pos < 0 ? -pos : 0;
    long long stop = last - pos < srcSize ? last - pos : srcSize;
    if (first >= stop) return false;
    *skip = static_cast<int>(first);
    *end = static_cast<int>(stop);
    return true;
  };
  if (!axis(x, maxWidth, dest.Width(), src.Width(), &area->skipX, &area->endX)) return false;
  if (!axis(y, maxHeight, dest.Height(), src.Height(), &area->skipY, &area->endY)) return false;
  area->mirror = (flags & kBlitMirror) != 0;
  area->flip = (flags & kBlitFlip) != 0;
  return true;
}

// Offset (in pixels) of the source pixel that lands first, and the step from
// one row to the next.
std::ptrdiff_t SourceStart(const Surface& src, const BlitArea& a) {
  int row = a.flip ? src.Height() - 1 - a.skipY : a.skipY;
  int col = a.mirror ? src.Width() - 1 - a.skipX : a.skipX;
  return static_cast<std::ptrdiff_t>(row) * src.Width() + col;
}
std::ptrdiff_t SourceRowStep(const Surface& src, const BlitArea& a) {
  return a.flip ? -static_cast<std::ptrdiff_t>(src.Width()) : src.Width();
}
std::ptrdiff_t DestStart(const Surface& dest, int x, int y, const BlitArea& a) {
  return static_cast<std::ptrdiff_t>(y + a.skipY) * dest.Width() + x + a.skipX;
}

// One 16-bit layout: shift and width of each channel.
template <int RShift, int RBits, int GShift, int GBits, int BShift, int BBits>
struct Layout16 {
  static int Channel(int s, int d, int a) { return d + ((s * a) >> 7) - ((d * a) >> 7); }
  template <int Shift, int Bits>
  static int Mixed(int s, int d, int a) {
    constexpr int kMask = (1 << Bits) - 1;
    return (Channel((s >> Shift) & kMask, (d >> Shift) & kMask, a) & kMask) << Shift;
  }
  // a is 1..127: s * a/128 + d * (1 - a/128) in each channel's own precision.
  static std::uint16_t Mix(std::uint16_t s, std::uint16_t d, int a) {
    return static_cast<std::uint16_t>(Mixed<RShift, RBits>(s, d, a) |
                                      Mixed<GShift, GBits>(s, d, a) |
                                      Mixed<BShift, BBits>(s, d, a));
  }
};

using Layout444 = Layout16<8, 4, 4, 4, 0, 4>;
using Layout555 = Layout16<10, 5, 5, 5, 0, 5>;
using Layout565 = Layout16<11, 5, 5, 6, 0, 5>;

// The alpha tests come first: 0 skips and 128 or more copies, so the mixing
// runs only on anti-aliased edges.
template <typename L, int Dir>
void AlphaRow16(const std::uint16_t* s, const std::uint8_t* al, std::uint16_t* d, int n) {
  for (int i = 0; i < n; ++i) {
    const int a = al[Dir * i];
    if (a == 0) continue;
    d[i] = a >= 128 ? s[Dir * i] : L::Mix(s[Dir * i], d[i], a);
  }
}

template <typename L>
void BlitAlpha16(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
                 int flags) {
  if (src.Alpha() == nullptr) {
    BlitPlain16(src, dest, x, y, maxWidth, maxHeight, flags);
    return;
  }
  BlitArea a;
  if (!ClipArea(src, dest, x, y, maxWidth, maxHeight, flags, &a)) return;
  const std::ptrdiff_t start = SourceStart(src, a);
  const std::ptrdiff_t srcStep = SourceRowStep(src, a);
  const auto* s = reinterpret_cast<const std::uint16_t*>(src.Pixels()) + start;
  const std::uint8_t* al = src.Alpha() + start;
  auto* d = reinterpret_cast<std::uint16_t*>(dest.Pixels()) + DestStart(dest, x, y, a);
  const int n = a.endX - a.skipX;
  for (int rows = a.endY - a.skipY;;) {
    if (a.mirror) {
      AlphaRow16<L, -1>(s, al, d, n);
    } else {
      AlphaRow16<L, 1>(s, al, d, n);
    }
    if (--rows == 0) break;
    s += srcStep;
    al += srcStep;
    d += dest.Width();
  }
}

// 8-8-8 mixing divides by 255; a missing alpha map counts as 255 everywhere.
template <int Dir>
void Row888(const std::uint8_t* s, const std::uint8_t* al, std::uint8_t* d, int n, int bpp) {
  for (int i = 0; i < n; ++i, d += bpp) {
    const int a = al != nullptr ? al[Dir * i] : 255;
    if (a == 0) continue;
    const std::uint8_t* p = s + static_cast<std::ptrdiff_t>(Dir) * i * bpp;
    if (a == 255) {
      d[0] = p[0];
      d[1] = p[1];
      d[2] = p[2];
    } else {
      for (int c = 0; c < 3; ++c)
        d[c] = static_cast<std::uint8_t>(d[c] + (a * (p[c] - d[c])) / 255);
    }
    if (bpp == 4) d[3] = 0;
  }
}

}  // namespace

void BlitPlain16(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
                 int flags) {
  BlitArea a;
  if (!ClipArea(src, dest, x, y, maxWidth, maxHeight, flags, &a)) return;
  const std::ptrdiff_t srcStep = SourceRowStep(src, a);
  const auto* s = reinterpret_cast<const std::uint16_t*>(src.Pixels()) + SourceStart(src, a);
  auto* d = reinterpret_cast<std::uint16_t*>(dest.Pixels()) + DestStart(dest, x, y, a);
  const int n = a.endX - a.skipX;
  for (int rows = a.endY - a.skipY;;) {
    if (a.mirror) {
      for (int i = 0; i < n; ++i) d[i] = s[-i];  // right to left
    } else {
      std::memcpy(d, s, static_cast<std::size_t>(n) * 2);
    }
    if (--rows == 0) break;
    s += srcStep;
    d += dest.Width();
  }
}

void Blit444(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags) {
  BlitAlpha16<Layout444>(src, dest, x, y, maxWidth, maxHeight, flags);
}

void Blit555(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags) {
  BlitAlpha16<Layout555>(src, dest, x, y, maxWidth, maxHeight, flags);
}

void Blit565(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags) {
  BlitAlpha16<Layout565>(src, dest, x, y, maxWidth, maxHeight, flags);
}

void Blit888(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags) {
  BlitArea a;
  if (!ClipArea(src, dest, x, y, maxWidth, maxHeight, flags, &a)) return;
  const int bpp = src.BytesPerPixel();
  const std::ptrdiff_t start = SourceStart(src, a);
  const std::ptrdiff_t srcStep = SourceRowStep(src, a);
  const std::uint8_t* s = src.Pixels() + start * bpp;
  const std::uint8_t* al = src.Alpha() != nullptr ? src.Alpha() + start : nullptr;
  std::uint8_t* d = dest.Pixels() + DestStart(dest, x, y, a) * bpp;
  const std::ptrdiff_t destStep = static_cast<std::ptrdiff_t>(dest.Width()) * bpp;
  const int n = a.endX - a.skipX;
  for (int rows = a.endY - a.skipY;;) {
    if (a.mirror) {
      Row888<-1>(s, al, d, n, bpp);
    } else {
      Row888<1>(s, al, d, n, bpp);
    }
    if (--rows == 0) break;
    s += srcStep * bpp;
    if (al != nullptr) al += srcStep;
    d += destStep;
  }
}

}  // namespace qv
