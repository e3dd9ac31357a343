#include "gfx/Surface.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/Display.h"
#include "util/Buffer.h"

namespace qv {
namespace {

Surface* gBackBuffer = nullptr;

int Clamp(int v, int lo, int hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace

Surface* BackBuffer() {
  return gBackBuffer;
}
void SetBackBuffer(Surface* surface) {
  gBackBuffer = surface;
}

Surface::Surface() : Surface(GetDisplayInfo().formatFlags, GetDisplayInfo().bitsPerPixel) {}

Surface::Surface(int formatFlags, int bitsPerPixel)
    : bitsPerPixel_(bitsPerPixel), format_(PixelFormatOfFlags(formatFlags)) {
  if (format_ != 3) bitsPerPixel_ = 16;
  if (format_ == 3 && bitsPerPixel_ != 24 && bitsPerPixel_ != 32) bitsPerPixel_ = 24;
  routines_ = RoutinesForFormat(format_);
}

Surface::~Surface() {
  Release();
}

void Surface::FillAlpha(std::uint8_t value) {
  if (alpha_ != nullptr) {
    std::memset(alpha_, value,
                static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  }
}

bool Surface::Create(int width, int height) {
  Release();
  if (width < 0 || height < 0) return false;
  std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  auto* pixels = static_cast<std::uint8_t*>(AllocBuffer(count * BytesPerPixel()));
  auto* alpha = static_cast<std::uint8_t*>(AllocBuffer(count));
  if (pixels == nullptr || alpha == nullptr) {
    FreeBuffer(pixels);
    FreeBuffer(alpha);
    return false;
  }
  std::memset(pixels, 0, count * BytesPerPixel());
  std::memset(alpha, 255, count);
  pixels_ = pixels;
  alpha_ = alpha;
  width_ = width;
  height_ = height;
  return true;
}

void Surface::Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  if (pixels_ != nullptr) routines_.clear(*this, r, g, b);
}

bool Surface::Release() {
  FreeBuffer(pixels_);
  FreeBuffer(alpha_);
  pixels_ = nullptr;
  alpha_ = nullptr;
  return true;
}

bool Surface::AdoptPixels(std::uint8_t* pixels, int width, int height) {
  FreeBuffer(pixels_);
  pixels_ = pixels;
  width_ = width;
  height_ = height;
  return pixels_ != nullptr;
}

void Surface::AdoptAlpha(std::uint8_t* alpha) {
  FreeBuffer(alpha_);
  alpha_ = alpha;
}

void Surface::DrawTo(Surface& dest, int x, int y, int maxWidth, int maxHeight, int flags) const {
  routines_.blit(*this, dest, x, y, maxWidth, maxHeight, flags);
}

void Surface::BlendPixel(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                         std::uint8_t t) {
  if (t == 255 || pixels_ == nullptr) return;
  if (x < 0 || x >= width_ || y < 0 || y >= height_) return;
  routines_.blend(*this, x, y, r, g, b, t);
}

void Surface::DrawLine(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                       std::uint8_t b) {
  if (pixels_ == nullptr) return;
  bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
  // Step along the major axis with increasing coordinate.
  int a0 = steep ? y0 : x0, b0 = steep ? x0 : y0;
  int a1 = steep ? y1 : x1, b1 = steep ? x1 : y1;
  if (a0 > a1) {
    std::swap(a0, a1);
    std::swap(b0, b1);
  }
  const int major = a1 - a0;
  const int minor = std::abs(b1 - b0);
  const int bStep = b1 >= b0 ? 1 : -1;
  int error = 2 * minor - major;
  int bb = b0;
  for (int aa = a0; aa <= a1; ++aa) {
    int px = steep ? bb : aa;
    int py = steep ? aa : bb;
    // Plain clipping: every pixel inside the surface, row and column 0 too.
    if (px >= 0 && px < width_ && py >= 0 && py < height_) routines_.plot(*this, px, py, r, g, b);
    if (error < 0) {
      error += 2 * minor;
    } else {
      bb += bStep;
      error += 2 * (minor - major);
    }
  }
}

void Surface::SmoothOrThick(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                            std::uint8_t b, bool thick) {
  if (pixels_ == nullptr) return;
  if (y0 == y1) {
    int step = x1 > x0 ? 1 : -1;
    for (int x = x0; x != x1; x += step) BlendPixel(x, y0, r, g, b, 0);
    return;
  }
  if (x0 == x1) {
    int step = y1 > y0 ? 1 : -1;
    for (int y = y0; y != y1; y += step) BlendPixel(x0, y, r, g, b, 0);
    return;
  }
  // 16.16 arithmetic in 64 bits: far-off coordinates must not overflow.
  auto pair = [&](int major, std::int64_t v, bool xMajor) {
    int minorPos = static_cast<int>(v >> 16);
    auto t1 = static_cast<std::uint8_t>(thick ? 0 : ((v >> 8) & 255));
    auto t2 = static_cast<std::uint8_t>(thick ? 0 : ((~v >> 8) & 255));
    if (xMajor) {
      BlendPixel(major, minorPos, r, g, b, t1);
      BlendPixel(major, minorPos + 1, r, g, b, t2);
    } else {
      BlendPixel(minorPos, major, r, g, b, t1);
      BlendPixel(minorPos + 1, major, r, g, b, t2);
    }
  };
  if (std::abs(x1 - x0) > std::abs(y1 - y0)) {
    if (x1 < x0) {
      std::swap(x0, x1);
      std::swap(y0, y1);
    }
    std::int64_t gradient = (static_cast<std::int64_t>(y1 - y0) * 65536) / (x1 - x0);
    std::int64_t v = static_cast<std::int64_t>(y0) * 65536;
    // Columns left of the surface draw nothing; skip them in one step.
    int start = x0;
    if (start < -1) {
      v += gradient * (-1 - start);
      start = -1;
    }
    int end = x1 < width_ + 1 ? x1 : width_ + 1;
    for (int x = start; x < end; ++x) {
      pair(x, v, true);
      v += gradient;
    }
  } else {
    if (y1 < y0) {
      std::swap(x0, x1);
      std::swap(y0, y1);
    }
    std::int64_t gradient = (static_cast<std::int64_t>(x1 - x0) * 65536) / (y1 - y0);
    std::int64_t v = static_cast<std::int64_t>(x0) * 65536;
    int start = y0;
    if (start < -1) {
      v += gradient * (-1 - start);
      start = -1;
    }
    int end = y1 < height_ + 1 ? y1 : height_ + 1;
    for (int y = start; y < end; ++y) {
      pair(y, v, false);
      v += gradient;
    }
  }
}

void Surface::DrawLineSmooth(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                             std::uint8_t b) {
  SmoothOrThick(x0, y0, x1, y1, r, g, b, false);
}

void Surface::DrawLineThick(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                            std::uint8_t b) {
  SmoothOrThick(x0, y0, x1, y1, r, g, b, true);
}

void Surface::DrawCurve(const Vec2* points, int count, std::uint8_t r, std::uint8_t g,
                        std::uint8_t b, bool thick) {
  // A cubic Bezier: exactly four control points.
  if (points == nullptr || count != 4) return;
  Fixed c[4];
  int coefficient = 1;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) coefficient = coefficient * (count - i) / i;
    c[i] = Fixed(coefficient);
  }
  Vec2 weighted[4];
  for (int i = 0; i < 4; ++i) weighted[i] = Vec2(c[i] * points[i].x, c[i] * points[i].y);
  int prevX = 0, prevY = 0;
  for (int i = 0; i <= 10; ++i) {
    Fixed t = Fixed(i) / Fixed(10.0);
    Fixed u = Fixed(1) - t;
    Fixed px, py;
    for (int k = 0; k < 4; ++k) {
      Fixed f = Fixed(1);
      for (int j = 0; j < k; ++j) f = f * t;
      for (int j = 0; j < 3 - k; ++j) f = f * u;
      px += f * weighted[k].x;
      py += f * weighted[k].y;
    }
    int ix = px.ToInt();
    int iy = py.ToInt();
    if (i > 0) SmoothOrThick(prevX, prevY, ix, iy, r, g, b, thick);
    prevX = ix;
    prevY = iy;
  }
}

void Surface::DrawCurveThick(const Vec2* points, int count, std::uint8_t r, std::uint8_t g,
                             std::uint8_t b) {
  DrawCurve(points, count, r, g, b, true);
}

void Surface::DrawCurveSmooth(const Vec2* points, int count, std::uint8_t r, std::uint8_t g,
                              std::uint8_t b) {
  DrawCurve(points, count, r, g, b, false);
}

void Surface::DrawRect(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  DrawLineSmooth(x, y, x + w, y, r, g, b);
  DrawLineSmooth(x, y + h, x + w + 1, y + h, r, g, b);
  DrawLineSmooth(x, y, x, y + h, r, g, b);
  DrawLineSmooth(x + w, y, x + w, y + h + 1, r, g, b);
}

void Surface::FillRect(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  if (pixels_ == nullptr || x > width_ || y > height_ || x + w < 0 || y + h < 0) return;
  int x0 = Clamp(x, 0, width_), x1 = Clamp(x + w, 0, width_);
  int y0 = Clamp(y, 0, height_), y1 = Clamp(y + h, 0, height_);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) routines_.plot(*this, px, py, r, g, b);
  }
}

void Surface::FillRectAlpha(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g,
                            std::uint8_t b, std::uint8_t alpha) {
  if (pixels_ == nullptr || x > width_ || y > height_ || x + w < 0 || y + h < 0) return;
  if (alpha == 0) return;
  int x0 = Clamp(x, 0, width_), x1 = Clamp(x + w, 0, width_);
  int y0 = Clamp(y, 0, height_), y1 = Clamp(y + h, 0, height_);
  auto t = static_cast<std::uint8_t>(255 - alpha);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) routines_.blend(*this, px, py, r, g, b, t);
  }
}

void Surface::ReadPixel(int x, int y, std::uint8_t* r, std::uint8_t* g, std::uint8_t* b) const {
  *r = *g = *b = 0;
  if (pixels_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::size_t index = static_cast<std::size_t>(y) * width_ + x;
  if (format_ == 3) {
    const std::uint8_t* p = pixels_ + index * BytesPerPixel();
    *b = p[0];
    *g = p[1];
    *r = p[2];
    return;
  }
  std::uint16_t v;
  std::memcpy(&v, pixels_ + index * 2, 2);
  // Widen each channel by repeating its high bits, so white stays 255.
  auto widen = [](int value, int bits) {
    int x = value << (8 - bits);
    return static_cast<std::uint8_t>(x | (x >> bits));
  };
  switch (format_) {
    case 0:
      *r = widen((v >> 8) & 15, 4);
      *g = widen((v >> 4) & 15, 4);
      *b = widen(v & 15, 4);
      break;
    case 1:
      *r = widen((v >> 10) & 31, 5);
      *g = widen((v >> 5) & 31, 5);
      *b = widen(v & 31, 5);
      break;
    default:
      *r = widen((v >> 11) & 31, 5);
      *g = widen((v >> 5) & 63, 6);
      *b = widen(v & 31, 5);
      break;
  }
}

}  // namespace qv
