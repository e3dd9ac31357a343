#include <cstring>

#include "gfx/Blit.h"
#include "gfx/PixelFormats.h"
#include "gfx/Surface.h"

namespace qv {

namespace {

std::uint16_t* Pixel16(Surface& s, int x, int y) {
  return reinterpret_cast<std::uint16_t*>(s.Pixels()) + static_cast<std::size_t>(y) * s.Width() + x;
}

// One routine set per 16-bit layout: shift and width of each channel.
template <int RShift, int RBits, int GShift, int GBits, int BShift, int BBits>
struct Format16 {
  static std::uint16_t Pack(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint16_t>(((r >> (8 - RBits)) << RShift) |
                                      ((g >> (8 - GBits)) << GShift) |
                                      ((b >> (8 - BBits)) << BShift));
  }
  static int Mix(int s, int d, int t) { return s + ((d * t) >> 8) - ((s * t) >> 8); }
  static void Load(const std::uint8_t* bgr, std::uint8_t* dest, int count, int) {
    auto* out = reinterpret_cast<std::uint16_t*>(dest);
    for (int i = 0; i < count; ++i, bgr += 3) out[i] = Pack(bgr[2], bgr[1], bgr[0]);
  }
  static void Clear(Surface& s, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint16_t v = Pack(r, g, b);
    std::size_t n = static_cast<std::size_t>(s.Width()) * s.Height();
    auto* p = reinterpret_cast<std::uint16_t*>(s.Pixels());
    for (std::size_t i = 0; i < n; ++i) p[i] = v;
  }
  static void Plot(Surface& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    *Pixel16(s, x, y) = Pack(r, g, b);
  }
  static void Blend(Surface& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                    std::uint8_t t) {
    std::uint16_t* p = Pixel16(s, x, y);
    if (t == 0) {
      *p = Pack(r, g, b);
      return;
    }
    constexpr int rMask = (1 << RBits) - 1, gMask = (1 << GBits) - 1, bMask = (1 << BBits) - 1;
    int dr = (*p >> RShift) & rMask, dg = (*p >> GShift) & gMask, db = (*p >> BShift) & bMask;
    int nr = Mix(r >> (8 - RBits), dr, t);
    int ng = Mix(g >> (8 - GBits), dg, t);
    int nb = Mix(b >> (8 - BBits), db, t);
    *p = static_cast<std::uint16_t>(((nr & rMask) << RShift) | ((ng & gMask) << GShift) |
                                    ((nb & bMask) << BShift));
  }
};

using F444 = Format16<8, 4, 4, 4, 0, 4>;
using F555 = Format16<10, 5, 5, 5, 0, 5>;
using F565 = Format16<11, 5, 5, 6, 0, 5>;

std::uint8_t* Pixel888(Surface& s, int x, int y) {
  return s.Pixels() + (static_cast<std::size_t>(y) * s.Width() + x) * s.BytesPerPixel();
}

void Load888(const std::uint8_t* bgr, std::uint8_t* dest, int count, int bytesPerPixel) {
  for (int i = 0; i < count; ++i, bgr += 3, dest += bytesPerPixel) std::memcpy(dest, bgr, 3);
}

void Clear888(Surface& s, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  std::size_t n = static_cast<std::size_t>(s.Width()) * s.Height();
  std::uint8_t* p = s.Pixels();
  for (std::size_t i = 0; i < n; ++i, p += s.BytesPerPixel()) {
    p[0] = b;
    p[1] = g;
    p[2] = r;
  }
}

void Plot888(Surface& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  std::uint8_t* p = Pixel888(s, x, y);
  p[0] = b;
  p[1] = g;
  p[2] = r;
}

void Blend888(Surface& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
              std::uint8_t t) {
  std::uint8_t* p = Pixel888(s, x, y);
  const std::uint8_t src[3] = {b, g, r};
  for (int i = 0; i < 3; ++i)
    p[i] = static_cast<std::uint8_t>(src[i] + ((p[i] - src[i]) * t) / 255);
}

const SurfaceRoutines kRoutineTable[4] = {
    {Blit444, F444::Load, F444::Clear, F444::Blend, F444::Plot},
    {Blit555, F555::Load, F555::Clear, F555::Blend, F555::Plot},
    {Blit565, F565::Load, F565::Clear, F565::Blend, F565::Plot},
    {Blit888, Load888, Clear888, Blend888, Plot888},
};

}  // namespace

const SurfaceRoutines& RoutinesForFormat(int format) {
  return kRoutineTable[(format >= 0 && format <= 3) ? format : 2];
}

}  // namespace qv
