#include "TitleText.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>

namespace qv::forge {
namespace {

struct Pen {
  cairo_t* cr;
  double x, y, scale;
  double lastX = 0, lastY = 0;
  void Point(const FT_Vector* v, double* px, double* py) const {
    *px = x + v->x * scale;
    *py = y - v->y * scale;
  }
};

int MoveTo(const FT_Vector* to, void* user) {
  auto* p = static_cast<Pen*>(user);
  double x, y;
  p->Point(to, &x, &y);
  cairo_close_path(p->cr);
  cairo_move_to(p->cr, x, y);
  p->lastX = x;
  p->lastY = y;
  return 0;
}
int LineTo(const FT_Vector* to, void* user) {
  auto* p = static_cast<Pen*>(user);
  double x, y;
  p->Point(to, &x, &y);
  cairo_line_to(p->cr, x, y);
  p->lastX = x;
  p->lastY = y;
  return 0;
}
int ConicTo(const FT_Vector* c, const FT_Vector* to, void* user) {
  auto* p = static_cast<Pen*>(user);
  double cx, cy, x, y;
  p->Point(c, &cx, &cy);
  p->Point(to, &x, &y);
  cairo_curve_to(p->cr, p->lastX + 2.0 / 3 * (cx - p->lastX), p->lastY + 2.0 / 3 * (cy - p->lastY),
                 x + 2.0 / 3 * (cx - x), y + 2.0 / 3 * (cy - y), x, y);
  p->lastX = x;
  p->lastY = y;
  return 0;
}
int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  auto* p = static_cast<Pen*>(user);
  double ax, ay, bx, by, x, y;
  p->Point(c1, &ax, &ay);
  p->Point(c2, &bx, &by);
  p->Point(to, &x, &y);
  cairo_curve_to(p->cr, ax, ay, bx, by, x, y);
  p->lastX = x;
  p->lastY = y;
  return 0;
}

}  // namespace

double TitlePath(cairo_t* cr, const std::string& faceFile, const std::string& text, double x,
                 double y, double pixelSize, double tracking, double wave) {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) return -1;
  FT_Face face = nullptr;
  if (FT_New_Face(lib, faceFile.c_str(), 0, &face) != 0) {
    FT_Done_FreeType(lib);
    return -1;
  }
  // Unhinted outlines in font units: nothing outside this code shapes them.
  const double scale = pixelSize / face->units_per_EM;
  const FT_Outline_Funcs funcs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
  double penX = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (FT_Load_Char(face, static_cast<unsigned char>(text[i]),
                     FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
      continue;
    }
    FT_GlyphSlot slot = face->glyph;
    double advance = slot->metrics.horiAdvance * scale;
    double lift = wave * std::sin(i * 1.3);
    double tilt = wave * 0.012 * std::cos(i * 1.7);
    cairo_save(cr);
    cairo_translate(cr, penX + advance / 2, y - lift);
    cairo_rotate(cr, tilt);
    Pen pen{cr, -advance / 2, 0, scale};
    FT_Outline_Decompose(&slot->outline, &funcs, &pen);
    cairo_close_path(cr);
    cairo_restore(cr);
    penX += advance + tracking;
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  return penX - x - tracking;
}

}  // namespace qv::forge
