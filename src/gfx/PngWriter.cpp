#include "gfx/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "gfx/Surface.h"

namespace qv {
namespace {

struct PngImage {
  int width = 0;
  int height = 0;
  int channels = 3;
  std::vector<png_byte> bytes;
};

PngImage Expand(const Surface& surface, int scale, bool alpha) {
  PngImage img;
  img.width = surface.Width() * scale;
  img.height = surface.Height() * scale;
  img.channels = alpha ? 4 : 3;
  img.bytes.resize(static_cast<std::size_t>(img.width) * img.height * img.channels);
  png_byte* p = img.bytes.data();
  for (int y = 0; y < img.height; ++y) {
    const int sy = y / scale;
    for (int x = 0; x < img.width; ++x, p += img.channels) {
      const int sx = x / scale;
      surface.ReadPixel(sx, sy, &p[0], &p[1], &p[2]);
      if (alpha) p[3] = surface.Alpha()[static_cast<std::size_t>(sy) * surface.Width() + sx];
    }
  }
  return img;
}

// Kept free of locals that change after setjmp, so longjmp cannot clobber them.
bool Encode(std::FILE* file, const PngImage* img) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(img->width),
               static_cast<png_uint_32>(img->height), 8,
               img->channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < img->height; ++y) {
    png_write_row(png,
                  img->bytes.data() + static_cast<std::size_t>(y) * img->width * img->channels);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng(const Surface& surface, const char* path, int scale, bool withAlpha) {
  if (path == nullptr || surface.Pixels() == nullptr || scale < 1) return false;
  if (surface.Width() <= 0 || surface.Height() <= 0) return false;
  PngImage img = Expand(surface, scale, withAlpha && surface.Alpha() != nullptr);
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  bool ok = Encode(file, &img);
  return (std::fclose(file) == 0) && ok;
}

}  // namespace qv
