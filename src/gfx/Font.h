#pragma once
#include <cstdint>

#include "physics/Geometry.h"

namespace qv {

class MemoryFile;
class Surface;

constexpr int kFontFirstChar = 32;
constexpr int kFontRecordCount = 112;  // characters 32..143
constexpr int kFontLastDrawable = 127;

// One character width record, in quarter pixels.
struct FontWidthRecord {
  std::int32_t a = 0;   // space before the glyph
  std::uint32_t b = 0;  // width of the glyph's picture
  std::int32_t c = 0;   // space after the glyph
};

// The text metrics record stored in a font file (56 bytes on disk).
struct FontTextMetrics {
  std::int32_t values[11] = {};  // height, ascent, descent, ... digitized aspect y
  std::uint8_t bytes[9] = {};    // first, last, default, break char, italic, ...
};

// The logical font description stored in a font file (60 bytes on disk).
struct FontDescription {
  std::int32_t values[5] = {};  // height, width, escapement, orientation, weight
  std::uint8_t bytes[8] = {};   // italic, underline, ..., pitch and family
  char faceName[32] = {};
};

// Text styles of DrawText.
constexpr int kTextPlain = 0;
constexpr int kTextShadowed = 1;
constexpr int kTextOutlined = 2;

// Anti-aliased bitmap font: a one-row sheet of 112 grey coverage cells plus
// per-character widths. A font that failed to load draws nothing and measures 0.
class Font {
 public:
  Font() = default;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font();

  // Reads a font file; a failure leaves the font unloaded.
  bool Load(const char* path);
  // The same from bytes in memory (fuzzers, tools).
  bool LoadBytes(const void* data, int size);
  int CellWidth() const;
  // Sheet height plus line gap; 0 for a font that failed to load, so callers
  // that divide by it must guard.
  int LineHeight() const;
  // Draws one line; (x, y) is the left end and top of the row. clip (Fixed
  // pixels, edges included) may be null. Returns nothing; see TextWidth.
  void DrawText(Surface& surface, int x, int y, const char* text, std::uint8_t r, std::uint8_t g,
                std::uint8_t b, int style, std::uint8_t alpha, const Box* clip) const;
  // Draws one character; returns the advance from x.
  int DrawGlyph(Surface& surface, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                std::uint8_t b, std::uint8_t alpha, const Box* clip) const;
  // Width DrawText advances over (spaces cellWidth / 2, other characters
  // GlyphAdvance + letter spacing); 0 for null text or a failed font.
  int TextWidth(const char* text) const;
  // Pen offset A / 4 plus advance; 0 outside 32..127.
  int GlyphAdvance(int c) const;
  void SetLetterSpacing(int pixels) { letterSpacing_ = pixels; }
  void SetLineGap(int pixels) { lineGap_ = pixels; }
  int LetterSpacing() const { return letterSpacing_; }
  int LineGap() const { return lineGap_; }
  bool IsLoaded() const { return coverage_ != nullptr; }

  int SheetWidth() const { return sheetWidth_; }
  int SheetHeight() const { return sheetHeight_; }
  const FontWidthRecord& WidthRecord(int c) const;
  const FontTextMetrics& TextMetrics() const { return metrics_; }
  const FontDescription& Description() const { return description_; }

 private:
  struct GlyphRect {
    int left = 0, top = 0, right = -1, bottom = 0;
  };
  void Free();
  bool LoadFrom(MemoryFile& file);
  bool ReadRecords(MemoryFile& file);
  void BuildTables();
  void DrawStyled(Surface& surface, int x, int y, int c, std::uint8_t r, std::uint8_t g,
                  std::uint8_t b, int style, std::uint8_t alpha, const Box* clip) const;

  int sheetWidth_ = 0;
  int sheetHeight_ = 0;
  std::uint8_t* coverage_ = nullptr;
  FontTextMetrics metrics_;
  FontWidthRecord widths_[kFontRecordCount];
  FontDescription description_;
  int cellWidth_ = 0;
  GlyphRect rects_[256];
  int offsets_[256] = {};  // A / 4: where the glyph starts right of the pen
  int advances_[256] = {};
  int letterSpacing_ = 2;
  int lineGap_ = 0;
};

}  // namespace qv
