#include "Style.h"

#include <cmath>

namespace qv::forge::style {

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, double t) {
  return Mix(c, ink::kWhite, t);
}
Rgb Darker(Rgb c, double t) {
  return Mix(c, Rgb{0, 0, 0}, t);
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

static void Outline(cairo_t* cr, double width) {
  if (width <= 0) {
    cairo_new_path(cr);
    return;
  }
  SetColour(cr, ink::kOutline);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void FillLit(cairo_t* cr, Rgb c, double outlineWidth) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  Rgb hi = Lighter(c, 0.35);
  Rgb lo = Darker(c, 0.25);
  cairo_pattern_add_color_stop_rgb(p, 0.0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.45, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  Outline(cr, outlineWidth);
}

void FillFlat(cairo_t* cr, Rgb c, double outlineWidth) {
  SetColour(cr, c);
  cairo_fill_preserve(cr);
  Outline(cr, outlineWidth);
}

void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = turn + M_PI * i / points - M_PI / 2;
    double r = i % 2 == 0 ? outer : inner;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

}  // namespace qv::forge::style
