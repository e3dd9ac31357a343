#pragma once
#include <cstdint>

#include "physics/Geometry.h"

namespace qv {

class BmpFile;
class Surface;

// Per-format routines, chosen once when a surface is constructed.
struct SurfaceRoutines {
  // Draws src onto dest (sprite blit); see Surface::DrawTo.
  void (*blit)(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
               int flags);
  // Packs count pixels given as b, g, r byte triples into dest.
  void (*load)(const std::uint8_t* bgr, std::uint8_t* dest, int count, int bytesPerPixel);
  void (*clear)(Surface& s, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  // Mixes one in-bounds pixel; t is transparency (0 opaque, 255 invisible).
  void (*blend)(Surface& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                std::uint8_t t);
  // Writes one in-bounds pixel with the packed colour.
  void (*plot)(Surface& s, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b);
};

// The routine row for a pixel format (0: 4-4-4, 1: 5-5-5, 2: 5-6-5, 3: 8-8-8).
const SurfaceRoutines& RoutinesForFormat(int format);

// A pixel buffer in the display's pixel format with an optional alpha map.
class Surface {
 public:
  // Takes the format and depth of the program's display.
  Surface();
  // An explicit format (tests, tools): display format flags and bits per pixel.
  Surface(int formatFlags, int bitsPerPixel);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  virtual ~Surface();

  void FillAlpha(std::uint8_t value);
  bool LoadBitmap(const char* path);
  bool LoadAlpha(const char* path);
  // The same conversions from a file already decoded (fuzzers, tools).
  bool LoadBitmapFrom(const BmpFile& file);
  bool LoadAlphaFrom(const BmpFile& file);
  bool Create(int width, int height);
  void Clear(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  bool Release();
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint8_t* Pixels() { return pixels_; }
  const std::uint8_t* Pixels() const { return pixels_; }
  std::uint8_t* Alpha() { return alpha_; }
  const std::uint8_t* Alpha() const { return alpha_; }
  void DrawTo(Surface& dest, int x, int y, int maxWidth, int maxHeight, int flags) const;
  void EndFrame() {}
  void SetBitsPerPixel(int n) { bitsPerPixel_ = n; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  int BytesPerPixel() const { return bitsPerPixel_ / 8; }
  int Format() const { return format_; }

  void DrawLine(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void DrawLineSmooth(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                      std::uint8_t b);
  void DrawLineThick(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g,
                     std::uint8_t b);
  void DrawCurveThick(const Vec2* points, int count, std::uint8_t r, std::uint8_t g,
                      std::uint8_t b);
  void DrawCurveSmooth(const Vec2* points, int count, std::uint8_t r, std::uint8_t g,
                       std::uint8_t b);
  void BlendPixel(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t t);
  void DrawRect(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void FillRect(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  void FillRectAlpha(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                     std::uint8_t alpha);

  // Reads one pixel back as 8-bit r, g, b, each channel widened by repeating
  // its high bits (white reads as 255). Out of range or no pixels gives black.
  void ReadPixel(int x, int y, std::uint8_t* r, std::uint8_t* g, std::uint8_t* b) const;

  // Direct buffer management for loaders in this folder.
  bool AdoptPixels(std::uint8_t* pixels, int width, int height);
  void AdoptAlpha(std::uint8_t* alpha);
  void SetSize(int width, int height) {
    width_ = width;
    height_ = height;
  }

 private:
  void SmoothOrThick(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                     bool thick);
  void DrawCurve(const Vec2* points, int count, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                 bool thick);

  SurfaceRoutines routines_;
  int width_ = 0;
  int height_ = 0;
  std::uint8_t* pixels_ = nullptr;
  std::uint8_t* alpha_ = nullptr;
  int bitsPerPixel_ = 16;
  int format_ = 2;
};

// The program-wide back buffer (null until the application creates it).
Surface* BackBuffer();
void SetBackBuffer(Surface* surface);

}  // namespace qv
