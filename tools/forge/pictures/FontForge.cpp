#include "FontForge.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "Frame.h"

namespace qv::forge {
namespace {

const FontSpec kFonts[] = {
    {"Z_System\\FontBig176x208.bmp", "DejaVuSans-Bold.ttf", "DejaVu Sans Bold", 12, true},
    {"Z_System\\FontSmall176x208.bmp", "DejaVuSans.ttf", "DejaVu Sans", 11, false},
    {"Z_System\\FontMenu240x320.bmp", "DejaVuSans-Bold.ttf", "DejaVu Sans Bold", 16, true},
};

// Hinting is the TrueType bytecode of the face run by the v40 interpreter,
// grey anti-aliasing, no embedded bitmaps and no auto-hinter: set here so
// that no environment setting can change a pixel of the output.
constexpr FT_Int32 kLoadFlags =
    FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP | FT_LOAD_NO_AUTOHINT | FT_LOAD_TARGET_NORMAL;

void PinLibrary(FT_Library lib) {
  FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
  FT_Property_Set(lib, "truetype", "interpreter-version", &interpreter);
  FT_Bool noDarkening = 1;
  FT_Property_Set(lib, "autofitter", "no-stem-darkening", &noDarkening);
  FT_Property_Set(lib, "cff", "no-stem-darkening", &noDarkening);
}

struct Glyph {
  int left = 0;     // pixels from the pen to the first ink column
  int top = 0;      // rows above the baseline
  int width = 0;    // ink columns
  int rows = 0;     // ink rows
  int advance = 0;  // pen advance in whole pixels
  std::vector<unsigned char> ink;
};

bool ColumnHasInk(const Glyph& g, int x) {
  for (int y = 0; y < g.rows; ++y) {
    if (g.ink[static_cast<std::size_t>(y) * g.width + x] != 0) return true;
  }
  return false;
}

// Blank columns at either side of the rendered box are dropped, so that B is
// the width of the ink and A the true gap before it.
void TrimColumns(Glyph* g) {
  int first = 0, last = g->width - 1;
  while (first <= last && !ColumnHasInk(*g, first)) ++first;
  while (last >= first && !ColumnHasInk(*g, last)) --last;
  const int width = last - first + 1;
  if (width == g->width) return;
  std::vector<unsigned char> ink(static_cast<std::size_t>(width) * g->rows);
  for (int y = 0; y < g->rows; ++y) {
    for (int x = 0; x < width; ++x) {
      ink[static_cast<std::size_t>(y) * width + x] =
          g->ink[static_cast<std::size_t>(y) * g->width + first + x];
    }
  }
  g->ink = std::move(ink);
  g->left += first;
  g->width = width;
  if (width == 0) g->rows = 0;
}

bool LoadGlyph(FT_Face face, int c, Glyph* g) {
  if (FT_Load_Char(face, static_cast<FT_ULong>(c), kLoadFlags) != 0) return false;
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  g->left = slot->bitmap_left;
  g->top = slot->bitmap_top;
  g->width = static_cast<int>(bm.width);
  g->rows = static_cast<int>(bm.rows);
  g->advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g->ink.assign(static_cast<std::size_t>(g->width) * g->rows, 0);
  for (int y = 0; y < g->rows; ++y) {
    const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
    std::memcpy(&g->ink[static_cast<std::size_t>(y) * g->width], row, g->width);
  }
  TrimColumns(g);
  return true;
}

// The loader draws columns cell start .. cell start + (A + B) / 4 and places
// them A / 4 right of the pen. A glyph reaching further than one pixel left
// of its pen would lose its right edge, so its B grows by the difference and
// its C shrinks by as much: the advance stays, and the extra columns are blank.
FontWidthRecord WidthRecord(const Glyph& g) {
  int a = g.left;
  int b = g.width;
  int c = g.advance - a - b;
  if (g.width > 0 && a < -1) {
    int extra = -1 - a;
    b += extra;
    c -= extra;
  }
  return {a * 4, static_cast<std::uint32_t>(b * 4), c * 4};
}

int ColumnsDrawn(const FontWidthRecord& w) {
  return (w.a + static_cast<std::int32_t>(w.b)) / 4 + 1;
}

void FillMetrics(const FontSpec& spec, FT_Face face, int ascent, int descent, const Glyph* glyphs,
                 FontFileData* out) {
  int maxAdvance = 0, sum = 0;
  for (int c = 'a'; c <= 'z'; ++c) sum += glyphs[c - kFontFirstChar].advance;
  for (int c = kFontFirstChar; c <= kFontLastDrawable; ++c) {
    maxAdvance = std::max(maxAdvance, glyphs[c - kFontFirstChar].advance);
  }
  const int weight = spec.bold ? 700 : 400;
  const int height = ascent + descent;
  const int em = static_cast<int>(face->size->metrics.y_ppem);
  std::int32_t* m = out->metrics.values;
  m[0] = height;
  m[1] = ascent;
  m[2] = descent;
  m[3] = height - em;  // internal leading
  m[4] = 0;
  m[5] = (sum + 13) / 26;
  m[6] = maxAdvance;
  m[7] = weight;
  m[8] = 0;
  m[9] = 96;
  m[10] = 96;
  const std::uint8_t bytes[9] = {32, 143, 31, 32, 0, 0, 0, 0x22, 0};
  std::memcpy(out->metrics.bytes, bytes, 9);
  std::int32_t* d = out->description.values;
  d[0] = -em;
  d[4] = weight;
  const std::uint8_t desc[8] = {0, 0, 0, 0, 0, 0, 4, 0x22};  // quality: anti-aliased
  std::memcpy(out->description.bytes, desc, 8);
  std::strncpy(out->description.faceName, spec.faceName, sizeof(out->description.faceName) - 1);
}

bool RenderFace(const FontSpec& spec, FT_Face face, FontFileData* out) {
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(spec.pixelSize)) != 0) return false;
  constexpr int kDrawable = kFontLastDrawable - kFontFirstChar + 1;
  Glyph glyphs[kDrawable];
  int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
  int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
  for (int i = 0; i < kDrawable; ++i) {
    if (!LoadGlyph(face, kFontFirstChar + i, &glyphs[i])) return false;
    if (glyphs[i].rows == 0) continue;
    ascent = std::max(ascent, glyphs[i].top);
    descent = std::max(descent, glyphs[i].rows - glyphs[i].top);
  }
  int cell = 1;
  for (int i = 0; i < kDrawable; ++i) {
    out->widths[i] = WidthRecord(glyphs[i]);
    if (glyphs[i].width > 0) cell = std::max({cell, ColumnsDrawn(out->widths[i]), glyphs[i].width});
  }
  for (int i = kDrawable; i < kFontRecordCount; ++i) out->widths[i] = {};
  out->sheetWidth = cell * kFontRecordCount;
  out->sheetHeight = ascent + descent;
  out->coverage.assign(static_cast<std::size_t>(out->sheetWidth) * out->sheetHeight, 0);
  for (int i = 0; i < kDrawable; ++i) {
    const Glyph& g = glyphs[i];
    for (int y = 0; y < g.rows; ++y) {
      int row = ascent - g.top + y;
      for (int x = 0; x < g.width; ++x) {
        out->coverage[static_cast<std::size_t>(row) * out->sheetWidth + i * cell + x] =
            g.ink[static_cast<std::size_t>(y) * g.width + x];
      }
    }
  }
  FillMetrics(spec, face, ascent, descent, glyphs, out);
  return true;
}

}  // namespace

const FontSpec* FontSpecs(int* count) {
  *count = static_cast<int>(std::size(kFonts));
  return kFonts;
}

bool RenderFont(const FontSpec& spec, const std::string& fontDir, FontFileData* out) {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) return false;
  PinLibrary(lib);
  FT_Face face = nullptr;
  std::string path = fontDir + "/" + spec.faceFile;
  bool ok = FT_New_Face(lib, path.c_str(), 0, &face) == 0;
  if (ok) {
    ok = RenderFace(spec, face, out);
    FT_Done_Face(face);
  }
  FT_Done_FreeType(lib);
  return ok;
}

bool ForgeFonts(const std::string& imagesRoot, const std::string& fontDir) {
  for (const FontSpec& spec : kFonts) {
    FontFileData data;
    if (!RenderFont(spec, fontDir, &data)) return false;
    std::string path = HostPath(imagesRoot, spec.relPath);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!WriteFontFile(path.c_str(), data, false)) return false;
  }
  return true;
}

}  // namespace qv::forge
