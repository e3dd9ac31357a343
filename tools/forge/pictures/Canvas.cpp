#include "Canvas.h"

#include <cairo.h>

#include <filesystem>

namespace qv::forge {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), rgb_(static_cast<std::size_t>(width) * height * 3, 0) {}

void Canvas::Fill(int x, int y, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) Blend(i, j, r, g, b, 255);
  }
}

void Canvas::Checker(int x, int y, int w, int h, int cell) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      std::uint8_t v = ((i / cell + j / cell) % 2) ? 200 : 236;
      Blend(x + i, y + j, v, v, v, 255);
    }
  }
}

void Canvas::Blend(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b, int opacity) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || opacity <= 0) return;
  std::uint8_t* p = &rgb_[(static_cast<std::size_t>(y) * width_ + x) * 3];
  const std::uint8_t s[3] = {r, g, b};
  for (int k = 0; k < 3; ++k)
    p[k] = static_cast<std::uint8_t>(p[k] + (s[k] - p[k]) * opacity / 255);
}

void Canvas::BlendBlock(int x, int y, int scale, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                        int opacity) {
  for (int j = 0; j < scale; ++j) {
    for (int i = 0; i < scale; ++i) Blend(x * scale + i, y * scale + j, r, g, b, opacity);
  }
}

void Canvas::DrawPicture(const Picture& pic, int x, int y, int scale, bool mirrored) {
  for (int j = 0; j < pic.height; ++j) {
    for (int i = 0; i < pic.width; ++i) {
      int si = mirrored ? pic.width - 1 - i : i;
      std::size_t at = static_cast<std::size_t>(j) * pic.width + si;
      const std::uint8_t* c = &pic.rgb[at * 3];
      for (int v = 0; v < scale; ++v) {
        for (int u = 0; u < scale; ++u) {
          Blend(x + i * scale + u, y + j * scale + v, c[0], c[1], c[2], pic.alpha[at]);
        }
      }
    }
  }
}

int Canvas::DrawGlyph(const FontPreview& font, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                      std::uint8_t b, int scale) {
  if (c < 32 || c > 127) return 0;
  int i = c - 32;
  int left = font.sheetWidth * i / 112;
  int right = left + static_cast<int>((font.a[i] + font.b[i]) >> 2);
  int px = x + font.a[i] / 4;
  for (int row = 0; row < font.sheetHeight; ++row) {
    for (int col = left; col <= right && col < font.sheetWidth; ++col) {
      int v = font.coverage[static_cast<std::size_t>(row) * font.sheetWidth + col];
      if (v != 0) BlendBlock(px + col - left, y + row, scale, r, g, b, v);
    }
  }
  return static_cast<int>(font.b[i] >> 2) + font.c[i] / 4 + font.a[i] / 4;
}

int Canvas::DrawText(const FontPreview& font, int spacing, int x, int y, const std::string& text,
                     std::uint8_t r, std::uint8_t g, std::uint8_t b, bool shadow, int scale) {
  int start = x;
  for (char ch : text) {
    int c = static_cast<unsigned char>(ch);
    if (c == ' ') {
      x += font.sheetWidth / 112 / 2;
      continue;
    }
    int advance = 0;
    if (shadow) advance = DrawGlyph(font, x + 1, y + 1, c, 0, 0, 0, scale);
    int own = DrawGlyph(font, x, y, c, r, g, b, scale);
    x += (shadow ? advance : own) + spacing;
  }
  return x - start;
}

int TextWidth(const FontPreview& font, int spacing, const std::string& text) {
  int w = 0;
  for (char ch : text) {
    int c = static_cast<unsigned char>(ch);
    if (c == ' ') {
      w += font.sheetWidth / 112 / 2;
    } else if (c >= 32 && c <= 127) {
      int i = c - 32;
      w += font.a[i] / 4 + static_cast<int>(font.b[i] >> 2) + font.c[i] / 4 + spacing;
    } else {
      w += spacing;
    }
  }
  return w;
}

void Canvas::Read(int x, int y, std::uint8_t* r, std::uint8_t* g, std::uint8_t* b) const {
  const std::uint8_t* p = &rgb_[(static_cast<std::size_t>(y) * width_ + x) * 3];
  *r = p[0];
  *g = p[1];
  *b = p[2];
}

bool Canvas::SavePng(const std::string& path) const {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width_; ++x) {
      const std::uint8_t* p = &rgb_[(static_cast<std::size_t>(y) * width_ + x) * 3];
      row[x] = 0xff000000u | p[0] << 16 | p[1] << 8 | p[2];
    }
  }
  cairo_surface_mark_dirty(s);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

}  // namespace qv::forge
