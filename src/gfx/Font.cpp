#include "gfx/Font.h"

#include <climits>
#include <cstring>

#include "gfx/BmpFile.h"
#include "gfx/Surface.h"
#include "util/Buffer.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

constexpr int kMetricsBytes = 56;
constexpr int kWidthRecordBytes = 12;
constexpr int kDescriptionBytes = 60;
constexpr int kRecordBytes =
    kMetricsBytes + kFontRecordCount * kWidthRecordBytes + kDescriptionBytes;
// Pen offsets and advances of a damaged file are held to the largest sheet,
// so that no pen arithmetic can overflow.
constexpr long long kMaxGlyphStep = kBmpMaxSide;
// Pens further out than this are far off every surface; nothing is drawn.
constexpr long long kPenLimit = 1LL << 30;

std::int32_t Get32(const std::uint8_t* p) {
  std::uint32_t v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                    (static_cast<std::uint32_t>(p[2]) << 16) |
                    (static_cast<std::uint32_t>(p[3]) << 24);
  return static_cast<std::int32_t>(v);
}

long long Clamp(long long v, long long lo, long long hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

int SaturateInt(long long v) {
  return static_cast<int>(Clamp(v, INT_MIN, INT_MAX));
}

bool Drawable(int c) {
  return c >= kFontFirstChar && c <= kFontLastDrawable;
}

}  // namespace

Font::~Font() {
  Free();
}

void Font::Free() {
  FreeBuffer(coverage_);
  coverage_ = nullptr;
  sheetWidth_ = 0;
  sheetHeight_ = 0;
  cellWidth_ = 0;
  for (int c = 0; c < 256; ++c) {
    rects_[c] = GlyphRect();
    offsets_[c] = 0;
    advances_[c] = 0;
  }
}

bool Font::Load(const char* path) {
  Free();
  MemoryFile file;
  return file.Open(path, kModeReadExisting) && LoadFrom(file);
}

bool Font::LoadBytes(const void* data, int size) {
  Free();
  MemoryFile file;
  return file.OpenBytes(data, size) && LoadFrom(file);
}

bool Font::LoadFrom(MemoryFile& file) {
  // RLE8 sheets decode into indices; the records follow the pixel data.
  BmpFile sheet;
  if (!sheet.Load(file, BmpRle::kIndices) || sheet.BitCount() != 8) return false;
  if (!ReadRecords(file)) return false;
  const std::size_t count = static_cast<std::size_t>(sheet.Width()) * sheet.Height();
  auto* coverage = static_cast<std::uint8_t*>(AllocBuffer(count));
  if (coverage == nullptr) return false;
  // Only the blue byte of each palette entry counts.
  const std::uint8_t* palette = sheet.Palette();
  const std::uint8_t* indices = sheet.Bits();
  for (std::size_t i = 0; i < count; ++i) coverage[i] = palette[indices[i] * 4];
  sheetWidth_ = sheet.Width();
  sheetHeight_ = sheet.Height();
  BuildTables();
  coverage_ = coverage;
  return true;
}

bool Font::ReadRecords(MemoryFile& file) {
  std::uint8_t bytes[kRecordBytes];
  if (file.Read(bytes, kRecordBytes) != kRecordBytes) return false;
  const std::uint8_t* p = bytes;
  for (std::int32_t& v : metrics_.values) {
    v = Get32(p);
    p += 4;
  }
  std::memcpy(metrics_.bytes, p, sizeof metrics_.bytes);
  p += 12;  // nine bytes and three of alignment
  for (FontWidthRecord& w : widths_) {
    w.a = Get32(p);
    w.b = static_cast<std::uint32_t>(Get32(p + 4));
    w.c = Get32(p + 8);
    p += kWidthRecordBytes;
  }
  for (std::int32_t& v : description_.values) {
    v = Get32(p);
    p += 4;
  }
  std::memcpy(description_.bytes, p, sizeof description_.bytes);
  std::memcpy(description_.faceName, p + 8, sizeof description_.faceName);
  // The face name is text for whoever reads it: keep it terminated.
  description_.faceName[sizeof description_.faceName - 1] = 0;
  return true;
}

void Font::BuildTables() {
  cellWidth_ = sheetWidth_ / kFontRecordCount;
  for (int c = kFontFirstChar; c <= kFontLastDrawable; ++c) {
    const FontWidthRecord& w = widths_[c - kFontFirstChar];
    GlyphRect& rect = rects_[c];
    rect.left = static_cast<int>(static_cast<long long>(sheetWidth_) * (c - kFontFirstChar) /
                                 kFontRecordCount);
    rect.top = 0;
    // A + B in unsigned 32 bits, as the records are defined; a glyph that
    // would run past the sheet stops at its last column.
    const std::uint32_t span = (static_cast<std::uint32_t>(w.a) + w.b) >> 2;
    rect.right = static_cast<int>(
        Clamp(rect.left + static_cast<long long>(span), rect.left, sheetWidth_ - 1));
    rect.bottom = sheetHeight_;
    offsets_[c] = static_cast<int>(Clamp(w.a / 4, -kMaxGlyphStep, kMaxGlyphStep));
    advances_[c] = static_cast<int>(
        Clamp(static_cast<long long>(w.b >> 2) + w.c / 4, -kMaxGlyphStep, kMaxGlyphStep));
  }
}

const FontWidthRecord& Font::WidthRecord(int c) const {
  static const FontWidthRecord kNone;
  if (c < kFontFirstChar || c >= kFontFirstChar + kFontRecordCount) return kNone;
  return widths_[c - kFontFirstChar];
}

int Font::CellWidth() const {
  return IsLoaded() ? cellWidth_ : 0;
}

int Font::LineHeight() const {
  return IsLoaded() ? sheetHeight_ + lineGap_ : 0;
}

int Font::GlyphAdvance(int c) const {
  if (!IsLoaded() || !Drawable(c)) return 0;
  return offsets_[c] + advances_[c];
}

int Font::DrawGlyph(Surface& surface, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                    std::uint8_t b, std::uint8_t alpha, const Box* clip) const {
  if (!IsLoaded() || !Drawable(c)) return 0;
  const int advance = offsets_[c] + advances_[c];
  if (alpha == 0) return advance;
  const GlyphRect& rect = rects_[c];
  const long long left = static_cast<long long>(x) + offsets_[c];
  // The columns and rows that land inside the surface and the clip box.
  long long x0 = Clamp(left, 0, surface.Width());
  long long x1 = Clamp(left + rect.right - rect.left + 1, 0, surface.Width());
  long long y0 = Clamp(y, 0, surface.Height());
  long long y1 = Clamp(static_cast<long long>(y) + rect.bottom - rect.top, 0, surface.Height());
  if (clip != nullptr) {
    x0 = Clamp(x0, clip->x.ToInt(), x1);
    x1 = Clamp(x1, x0, static_cast<long long>((clip->x + clip->w).ToInt()) + 1);
    y0 = Clamp(y0, clip->y.ToInt(), y1);
    y1 = Clamp(y1, y0, static_cast<long long>((clip->y + clip->h).ToInt()) + 1);
  }
  for (long long py = y0; py < y1; ++py) {
    const std::uint8_t* row =
        coverage_ + static_cast<std::size_t>(rect.top + (py - y)) * sheetWidth_ + rect.left;
    for (long long px = x0; px < x1; ++px) {
      const int v = row[px - left];
      if (v == 0) continue;
      const int t = alpha == 255 ? 255 - v : 255 - (v * alpha) / 255;
      surface.BlendPixel(static_cast<int>(px), static_cast<int>(py), r, g, b,
                         static_cast<std::uint8_t>(t));
    }
  }
  return advance;
}

void Font::DrawStyled(Surface& surface, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                      std::uint8_t b, int style, std::uint8_t alpha, const Box* clip) const {
  if (style == kTextShadowed) {
    DrawGlyph(surface, x + 1, y + 1, c, 0, 0, 0, alpha, clip);
  } else if (style == kTextOutlined) {
    DrawGlyph(surface, x + 1, y - 1, c, 0, 0, 0, alpha, clip);
    DrawGlyph(surface, x - 1, y - 1, c, 0, 0, 0, alpha, clip);
    DrawGlyph(surface, x - 1, y + 1, c, 0, 0, 0, alpha, clip);
    DrawGlyph(surface, x + 1, y + 1, c, 0, 0, 0, alpha, clip);
  }
  DrawGlyph(surface, x, y, c, r, g, b, alpha, clip);
}

void Font::DrawText(Surface& surface, int x, int y, const char* text, std::uint8_t r,
                    std::uint8_t g, std::uint8_t b, int style, std::uint8_t alpha,
                    const Box* clip) const {
  if (text == nullptr || !IsLoaded()) return;
  const long long base = static_cast<long long>(y) + lineGap_ / 2;
  const bool rowVisible = base > -kPenLimit && base < kPenLimit;
  long long pen = x;
  for (const char* p = text; *p != 0; ++p) {
    const int c = static_cast<unsigned char>(*p);
    if (c == ' ') {
      pen += cellWidth_ / 2;
      continue;
    }
    if (rowVisible && pen > -kPenLimit && pen < kPenLimit) {
      DrawStyled(surface, static_cast<int>(pen), static_cast<int>(base), c, r, g, b, style, alpha,
                 clip);
    }
    pen += GlyphAdvance(c) + static_cast<long long>(letterSpacing_);
  }
}

int Font::TextWidth(const char* text) const {
  if (text == nullptr || !IsLoaded()) return 0;
  long long width = 0;
  for (const char* p = text; *p != 0; ++p) {
    const int c = static_cast<unsigned char>(*p);
    width += c == ' ' ? cellWidth_ / 2 : GlyphAdvance(c) + static_cast<long long>(letterSpacing_);
  }
  return SaturateInt(width);
}

}  // namespace qv
