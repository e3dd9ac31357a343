// Interim font loading and drawing so the widgets can be built and tested
// before the full picture loader lands; reads the uncompressed 8-bit sheets
// our font writer makes. To be replaced by the real implementation.
#include "gfx/Font.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "gfx/Surface.h"
#include "util/FileStream.h"

namespace qv {
namespace {

std::uint32_t Get32(const std::vector<std::uint8_t>& d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
         (static_cast<std::uint32_t>(d[at + 2]) << 16) |
         (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

bool ReadAll(const char* path, std::vector<std::uint8_t>& out) {
  std::FILE* f = std::fopen(ResolvePath(path).c_str(), "rb");
  if (f == nullptr) return false;
  std::uint8_t buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
  std::fclose(f);
  return true;
}

}  // namespace

Font::~Font() {
  Free();
}

void Font::Free() {
  delete[] coverage_;
  coverage_ = nullptr;
}

bool Font::Load(const char* path) {
  Free();
  std::vector<std::uint8_t> d;
  if (path == nullptr || !ReadAll(path, d) || d.size() < 54) return false;
  if (d[0] != 'B' || d[1] != 'M') return false;
  const std::size_t offBits = Get32(d, 10);
  const std::size_t infoSize = Get32(d, 14);
  const int width = static_cast<int>(Get32(d, 18));
  const int height = static_cast<int>(Get32(d, 22));
  const int bits = d[28] | (d[29] << 8);
  const std::uint32_t compression = Get32(d, 30);
  std::uint32_t colours = Get32(d, 46);
  if (colours == 0) colours = 256;
  if (bits != 8 || compression != 0 || width <= 0 || height <= 0 || width > 100000 ||
      height > 10000 || colours > 256)
    return false;
  const std::size_t palette = 14 + infoSize;
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
  const std::size_t end = offBits + stride * height;
  const std::size_t tail = 56 + kFontRecordCount * 12 + 60;
  if (palette + colours * 4 > d.size() || end + tail > d.size()) return false;
  coverage_ = new std::uint8_t[static_cast<std::size_t>(width) * height];
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = &d[offBits + stride * (height - 1 - y)];
    for (int x = 0; x < width; ++x) {
      const std::uint8_t index = row[x];
      coverage_[y * width + x] = index < colours ? d[palette + index * 4] : 0;
    }
  }
  std::size_t at = end;
  for (std::int32_t& v : metrics_.values) v = static_cast<std::int32_t>(Get32(d, at)), at += 4;
  std::memcpy(metrics_.bytes, &d[at], 9);
  at += 12;
  for (FontWidthRecord& w : widths_) {
    w.a = static_cast<std::int32_t>(Get32(d, at));
    w.b = Get32(d, at + 4);
    w.c = static_cast<std::int32_t>(Get32(d, at + 8));
    at += 12;
  }
  for (std::int32_t& v : description_.values) v = static_cast<std::int32_t>(Get32(d, at)), at += 4;
  std::memcpy(description_.bytes, &d[at], 8);
  std::memcpy(description_.faceName, &d[at + 8], 32);
  sheetWidth_ = width;
  sheetHeight_ = height;
  cellWidth_ = width / kFontRecordCount;
  for (int c = 0; c < 256; ++c) {
    rects_[c] = GlyphRect();
    advances_[c] = 0;
  }
  for (int c = kFontFirstChar; c <= kFontLastDrawable; ++c) {
    const FontWidthRecord& w = widths_[c - kFontFirstChar];
    GlyphRect& r = rects_[c];
    r.left = width * (c - kFontFirstChar) / kFontRecordCount;
    r.right = r.left + static_cast<int>((static_cast<std::uint32_t>(w.a) + w.b) >> 2);
    r.bottom = height;
    advances_[c] = static_cast<int>(w.b >> 2) + w.c / 4;
  }
  return true;
}

int Font::CellWidth() const {
  return cellWidth_;
}

int Font::LineHeight() const {
  return sheetHeight_ + lineGap_;
}

const FontWidthRecord& Font::WidthRecord(int c) const {
  static const FontWidthRecord kNone;
  if (c < kFontFirstChar || c >= kFontFirstChar + kFontRecordCount) return kNone;
  return widths_[c - kFontFirstChar];
}

int Font::GlyphAdvance(int c) const {
  if (c < kFontFirstChar || c > kFontLastDrawable || coverage_ == nullptr) return 0;
  return WidthRecord(c).a / 4 + advances_[c];
}

int Font::DrawGlyph(Surface& surface, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                    std::uint8_t b, std::uint8_t alpha, const Box* clip) const {
  if (c < kFontFirstChar || c > kFontLastDrawable || coverage_ == nullptr) return 0;
  const int a = WidthRecord(c).a / 4;
  const int px = x + a;
  const GlyphRect& rect = rects_[c];
  if (alpha != 0) {
    for (int i = 0; i < rect.bottom - rect.top; ++i) {
      for (int j = 0; j <= rect.right - rect.left; ++j) {
        const int col = rect.left + j;
        if (col < 0 || col >= sheetWidth_) continue;
        const int v = coverage_[(rect.top + i) * sheetWidth_ + col];
        if (v == 0) continue;
        if (clip != nullptr && (px + j < clip->x.ToInt() || px + j > (clip->x + clip->w).ToInt() ||
                                y + i < clip->y.ToInt() || y + i > (clip->y + clip->h).ToInt()))
          continue;
        const int t = alpha == 255 ? 255 - v : 255 - (v * alpha) / 255;
        surface.BlendPixel(px + j, y + i, r, g, b, static_cast<std::uint8_t>(t));
      }
    }
  }
  return advances_[c] + a;
}

void Font::DrawText(Surface& surface, int x, int y, const char* text, std::uint8_t r,
                    std::uint8_t g, std::uint8_t b, int style, std::uint8_t alpha,
                    const Box* clip) const {
  if (text == nullptr || coverage_ == nullptr) return;
  const int base = y + lineGap_ / 2;
  for (const char* p = text; *p != 0; ++p) {
    const int c = static_cast<unsigned char>(*p);
    if (c == ' ') {
      x += cellWidth_ / 2;
      continue;
    }
    int advance = 0;
    if (style == kTextShadowed) {
      advance = DrawGlyph(surface, x + 1, base + 1, c, 0, 0, 0, alpha, clip);
      DrawGlyph(surface, x, base, c, r, g, b, alpha, clip);
    } else if (style == kTextOutlined) {
      advance = DrawGlyph(surface, x + 1, base - 1, c, 0, 0, 0, alpha, clip);
      DrawGlyph(surface, x - 1, base - 1, c, 0, 0, 0, alpha, clip);
      DrawGlyph(surface, x - 1, base + 1, c, 0, 0, 0, alpha, clip);
      DrawGlyph(surface, x + 1, base + 1, c, 0, 0, 0, alpha, clip);
      DrawGlyph(surface, x, base, c, r, g, b, alpha, clip);
    } else {
      advance = DrawGlyph(surface, x, base, c, r, g, b, alpha, clip);
    }
    x += advance + letterSpacing_;
  }
}

int Font::TextWidth(const char* text) const {
  if (text == nullptr || coverage_ == nullptr) return 0;
  int width = 0;
  for (const char* p = text; *p != 0; ++p) {
    const int c = static_cast<unsigned char>(*p);
    width += c == ' ' ? cellWidth_ / 2 : GlyphAdvance(c) + letterSpacing_;
  }
  return width;
}

}  // namespace qv
