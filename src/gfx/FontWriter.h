#pragma once
#include <cstdint>
#include <vector>

#include "gfx/Font.h"

namespace qv {

// A font file: an 8-bit grey glyph sheet (one row of 112 cells for the
// characters 32..143) followed by the text metrics, the 112 width records and
// the font description.
struct FontFileData {
  int sheetWidth = 0;
  int sheetHeight = 0;
  std::vector<std::uint8_t> coverage;  // sheetWidth * sheetHeight, top row first
  FontTextMetrics metrics;
  FontWidthRecord widths[kFontRecordCount];
  FontDescription description;
};

std::vector<std::uint8_t> EncodeFontFile(const FontFileData& font, bool rle);
bool WriteFontFile(const char* path, const FontFileData& font, bool rle);

}  // namespace qv
