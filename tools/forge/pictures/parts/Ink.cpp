#include "parts/Ink.h"

#include <cstdio>

namespace qv::forge {

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

static void AddStop(cairo_pattern_t* p, double at, Rgb c) {
  cairo_pattern_add_color_stop_rgb(p, at, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void FillLit(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStop(p, 0.0, Lighter(base, 0.35));
  AddStop(p, 0.45, base);
  AddStop(p, 1.0, Darker(base, 0.3));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void FillRound(cairo_t* cr, Rgb base, double cx, double cy, double r) {
  cairo_pattern_t* p =
      cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, r * 0.1, cx, cy, r * 1.05);
  AddStop(p, 0.0, Lighter(base, 0.45));
  AddStop(p, 0.5, base);
  AddStop(p, 1.0, Darker(base, 0.35));
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void Ink(cairo_t* cr, double width) {
  SetColour(cr, kInk);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void FillInk(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1, double width) {
  FillLit(cr, base, x0, y0, x1, y1);
  Ink(cr, width);
}

void Glint(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  Ellipse(cr, cx, cy, rx, ry);
  SetColour(cr, kWhite, alpha);
  cairo_fill(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -1.5707963, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, 1.5707963);
  cairo_arc(cr, x + r, y + h - r, r, 1.5707963, 3.1415927);
  cairo_arc(cr, x + r, y + r, r, 3.1415927, 4.712389);
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 6.2831853);
  cairo_restore(cr);
}

bool SaveNumbered(const Frame& frame, const std::string& root, const char* namePattern,
                  const char* alphaPattern, int n) {
  char name[128];
  char alpha[128];
  std::snprintf(name, sizeof name, namePattern, n);
  std::snprintf(alpha, sizeof alpha, alphaPattern, n);
  return frame.Save(root, name, true, 32, alpha);
}

}  // namespace qv::forge
