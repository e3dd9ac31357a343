#include <cstring>

#include "gfx/BmpFile.h"
#include "gfx/Surface.h"
#include "util/Buffer.h"

namespace qv {

// The alpha map, when there is one, always covers width x height bytes: the
// blits index it with the surface's own size. The loaders keep it that way.

bool Surface::LoadBitmap(const char* path) {
  BmpFile file;
  return file.Load(path) && LoadBitmapFrom(file);
}

bool Surface::LoadAlpha(const char* path) {
  BmpFile file;
  return file.Load(path) && LoadAlphaFrom(file);
}

bool Surface::LoadBitmapFrom(const BmpFile& file) {
  // Uncompressed 8-bit files keep their indices and are no picture.
  if (file.BitCount() != 24 || file.Bits() == nullptr) return false;
  const int width = file.Width();
  const int height = file.Height();
  const std::size_t count = static_cast<std::size_t>(width) * height;
  FreeBuffer(pixels_);
  pixels_ = static_cast<std::uint8_t*>(AllocBuffer(count * BytesPerPixel()));
  if (pixels_ == nullptr) return false;
  // Four-byte pixels get a defined fourth byte.
  if (BytesPerPixel() > 3) std::memset(pixels_, 0, count * BytesPerPixel());
  routines_.load(file.Bits(), pixels_, static_cast<int>(count), BytesPerPixel());
  // An alpha map of another size would be read out of bounds: the picture
  // is then drawn opaque until its own alpha map is loaded.
  if (alpha_ != nullptr && (width != width_ || height != height_)) {
    FreeBuffer(alpha_);
    alpha_ = nullptr;
  }
  width_ = width;
  height_ = height;
  return true;
}

bool Surface::LoadAlphaFrom(const BmpFile& file) {
  const int bitCount = file.BitCount();
  if ((bitCount != 8 && bitCount != 24) || file.Bits() == nullptr) return false;
  if (bitCount == 8 && file.Palette() == nullptr) return false;
  const int width = file.Width();
  const int height = file.Height();
  // Sizes already set must agree: the map has to cover the pixels exactly.
  const bool fits = pixels_ != nullptr
                        ? (width == width_ && height == height_)
                        : ((width_ == 0 || width_ == width) && (height_ == 0 || height_ == height));
  if (!fits) return false;
  const std::size_t count = static_cast<std::size_t>(width) * height;
  auto* alpha = static_cast<std::uint8_t*>(AllocBuffer(count));
  if (alpha == nullptr) return false;
  const std::uint8_t* bits = file.Bits();
  if (bitCount == 8) {
    const std::uint8_t* palette = file.Palette();
    for (std::size_t i = 0; i < count; ++i) alpha[i] = palette[bits[i] * 4];
  } else {
    for (std::size_t i = 0; i < count; ++i) alpha[i] = bits[i * 3];
  }
  FreeBuffer(alpha_);
  alpha_ = alpha;
  if (width_ == 0) width_ = width;
  if (height_ == 0) height_ = height;
  return true;
}

}  // namespace qv
