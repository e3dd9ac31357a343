#include <algorithm>
#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr double kPi = 3.14159265358979;
// 37 x 37 frames drawn 12 px up and left of the 13 x 13 box, so the body
// lies at 12..24 and the box's top-right corner, the fuse point, at (25, 12).
constexpr int kSize = 37;
constexpr double kCentre = 18.5;
constexpr double kRadius = 6.0;  // the outline's outer edge meets the box
constexpr int kFuseFrames = 3;
constexpr int kFrames = 14;
constexpr Rgb kShell{56, 62, 84};
constexpr Rgb kFuse{214, 196, 150};

struct Point {
  double x;
  double y;
};

Point Lerp(Point a, Point b, double t) {
  return Point{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// The fuse runs from the corner out to its tip; `left` is how much remains.
void DrawFuse(cairo_t* cr, double left, bool spark) {
  const Point p0{25.0, 12.0};
  const Point p1{28.5, 9.0};
  const Point p2{26.0, 5.5};
  const Point p3{31.0, 3.0};
  // Cut the curve at `left` (de Casteljau) to keep the part near the bomb.
  Point a = Lerp(p0, p1, left);
  Point b = Lerp(p1, p2, left);
  Point c = Lerp(p2, p3, left);
  Point ab = Lerp(a, b, left);
  Point bc = Lerp(b, c, left);
  Point tip = Lerp(ab, bc, left);
  cairo_move_to(cr, p0.x, p0.y);
  cairo_curve_to(cr, a.x, a.y, ab.x, ab.y, tip.x, tip.y);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, kFuse);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  if (!spark) return;
  for (int i = 0; i < 8; ++i) {
    double ang = i * kPi / 4 + 0.3;
    double len = (i % 2) ? 2.2 : 3.4;
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, tip.x + len * std::cos(ang), tip.y + len * std::sin(ang));
  }
  SetColour(cr, kFlame);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  Ellipse(cr, tip.x, tip.y, 1.3, 1.3);
  SetColour(cr, Rgb{255, 250, 200});
  cairo_fill(cr);
}

void DrawBody(cairo_t* cr) {
  // Neck toward the fuse corner.
  cairo_save(cr);
  cairo_translate(cr, kCentre, kCentre);
  cairo_rotate(cr, -kPi / 4);
  cairo_rectangle(cr, 4.5, -2.2, 4.0, 4.4);
  FillInk(cr, kIron, 4.5, -2.2, 8.5, 2.2, 0.9);
  cairo_restore(cr);
  Ellipse(cr, kCentre, kCentre, kRadius, kRadius);
  FillRound(cr, kShell, kCentre, kCentre, kRadius);
  Ink(cr);
  Glint(cr, kCentre - 2.6, kCentre - 2.8, 1.6, 1.1, 0.8);
}

// A spiky blob of `spikes` points around the centre.
void Burst(cairo_t* cr, double outer, double inner, int spikes, double turn) {
  for (int i = 0; i < spikes * 2; ++i) {
    double a = turn + i * kPi / spikes;
    double r = (i % 2 == 0) ? outer * (0.85 + 0.15 * std::cos(i * 2.3)) : inner;
    double x = kCentre + r * std::cos(a);
    double y = kCentre + r * std::sin(a);
    if (i == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
}

void Puffs(cairo_t* cr, double dist, double size, double alpha) {
  for (int i = 0; i < 7; ++i) {
    double a = i * 2 * kPi / 7 + 0.4;
    double d = dist * (0.8 + 0.2 * std::sin(i * 1.7));
    Ellipse(cr, kCentre + d * std::cos(a), kCentre + d * std::sin(a), size, size);
  }
  Ellipse(cr, kCentre, kCentre, dist * 0.8, dist * 0.8);
  cairo_pattern_t* p =
      cairo_pattern_create_radial(kCentre - 4, kCentre - 5, 1, kCentre, kCentre, dist + size);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.78, 0.76, 0.74, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.36, 0.34, 0.38, alpha);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// Explosion step s from 0 (the flash) to 1 (the last wisps of smoke).
void DrawExplosion(cairo_t* cr, double s) {
  const double grow = std::min(1.0, s / 0.35);
  const double outer = 8.0 + 10.0 * std::sqrt(grow);
  if (s >= 0.25) {
    double fade = 1.0 - (s - 0.25) / 0.75;
    Puffs(cr, outer * (0.55 + 0.3 * s), 5.0 + 3.0 * s, 0.7 * fade + 0.2);
  }
  if (s <= 0.6) {
    double heat = std::max(0.0, 1.0 - s / 0.6);
    double body = std::min(1.0, heat * 2.5);
    Burst(cr, outer, outer * 0.62, 9, s * 1.5);
    Rgb fire = Mix(Darker(kRed, 0.2), kFlame, heat);
    SetColour(cr, fire, body);
    cairo_fill_preserve(cr);
    SetColour(cr, Darker(kRed, 0.5), body);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    Burst(cr, outer * 0.72 * heat + 1, outer * 0.45 * heat + 0.5, 7, 0.5 - s);
    SetColour(cr, kYellow, heat);
    cairo_fill(cr);
    Ellipse(cr, kCentre, kCentre, outer * 0.32 * heat, outer * 0.32 * heat);
    SetColour(cr, Rgb{255, 255, 225}, heat);
    cairo_fill(cr);
  }
}

}  // namespace

bool ForgeBomb(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kFrames; ++f) {
    Frame frame(kSize, kSize);
    cairo_t* cr = frame.Cr();
    if (f < kFuseFrames) {
      // Frame 0 is also the idle bomb, so it shows the whole fuse unlit.
      DrawFuse(cr, 1.0 - 0.36 * f, f > 0);
      DrawBody(cr);
    } else {
      DrawExplosion(cr, (f - kFuseFrames) / double(kFrames - 1 - kFuseFrames));
    }
    ok = SaveNumbered(frame, root, "bomb\\bomb_00%02d.bmp", "bomb\\A_bomb_00%02d.bmp", f) && ok;
  }
  return ok;
}

}  // namespace qv::forge
