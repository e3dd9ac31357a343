#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kRollFrames = 9;
constexpr Rgb kFelt{214, 234, 62};
constexpr Rgb kLeather{250, 250, 246};
constexpr Rgb kPatch{40, 40, 52};

// Shade over a rotating pattern so the light stays at the top left.
void Shade(cairo_t* cr, double c, double r) {
  cairo_pattern_t* p = cairo_pattern_create_radial(c - r * 0.45, c - r * 0.5, r * 0.1, c, c, r);
  cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 0.45, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(p, 0.75, 0, 0, 0, 0.08);
  cairo_pattern_add_color_stop_rgba(p, 1.0, 0, 0, 0, 0.28);
  Ellipse(cr, c, c, r, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// The felt ball's seam: two arcs facing each other, half-turn symmetric.
void DrawTennisSeam(cairo_t* cr, double r) {
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, side * r * 1.2, 0, r * 0.78, 0, 2 * kPi);
  }
  cairo_set_source_rgb(cr, 1, 1, 0.93);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

void Pentagon(cairo_t* cr, double cx, double cy, double r, double turn) {
  for (int i = 0; i < 5; ++i) {
    double a = turn + i * 2 * kPi / 5;
    double x = cx + r * std::cos(a);
    double y = cy + r * std::sin(a);
    if (i == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
}

// A central patch with five around it: five-fold symmetric.
void DrawFootballPatches(cairo_t* cr, double r) {
  const double inner = r * 0.34;
  Pentagon(cr, 0, 0, inner, -kPi / 2);
  for (int i = 0; i < 5; ++i) {
    double a = -kPi / 2 + kPi / 5 + i * 2 * kPi / 5;
    Pentagon(cr, r * 0.84 * std::cos(a), r * 0.84 * std::sin(a), inner * 0.8, a);
  }
  SetColour(cr, kPatch);
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    double a = -kPi / 2 + i * 2 * kPi / 5;
    cairo_move_to(cr, inner * std::cos(a), inner * std::sin(a));
    cairo_line_to(cr, r * 0.62 * std::cos(a), r * 0.62 * std::sin(a));
  }
  SetColour(cr, kPatch, 0.7);
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
}

using PatternFn = void (*)(cairo_t*, double);

void DrawBall(Frame& frame, Rgb body, PatternFn pattern, double turn) {
  cairo_t* cr = frame.Cr();
  const double c = frame.Width() / 2.0;
  const double r = c - 0.5;
  Ellipse(cr, c, c, r, r);
  SetColour(cr, body);
  cairo_fill(cr);
  cairo_save(cr);
  Ellipse(cr, c, c, r, r);
  cairo_clip(cr);
  cairo_translate(cr, c, c);
  cairo_rotate(cr, turn);
  pattern(cr, r);
  cairo_restore(cr);
  Shade(cr, c, r);
  Glint(cr, c - r * 0.42, c - r * 0.45, r * 0.22, r * 0.16, 0.75);
  Ellipse(cr, c, c, r, r);
  Ink(cr, frame.Width() < 12 ? 0.85 : 1.0);
}

// Frame f is the ball turned clockwise (rolling right) by f steps; the last
// step wraps onto the first because the turn over all frames is a whole
// number of the pattern's symmetry periods.
bool ForgeBallSet(const std::string& root, int size, Rgb body, PatternFn pattern, double fullTurn,
                  const char* name, const char* alpha) {
  bool ok = true;
  for (int f = 0; f < kRollFrames; ++f) {
    Frame frame(size, size);
    DrawBall(frame, body, pattern, fullTurn * f / kRollFrames);
    ok = SaveNumbered(frame, root, name, alpha, f) && ok;
  }
  return ok;
}

}  // namespace

bool ForgeBalls(const std::string& root) {
  bool ok = ForgeBallSet(root, 8, kFelt, DrawTennisSeam, 2 * kPi, "ball\\t\\ball_2_000%1d.bmp",
                         "ball\\t\\A_ball_2_000%1d.bmp");
  ok = ForgeBallSet(root, 16, kLeather, DrawFootballPatches, 3 * 2 * kPi / 5,
                    "ball\\f\\ball_1_000%1d.bmp", "ball\\f\\A_ball_1_000%1d.bmp") &&
       ok;
  return ok;
}

}  // namespace qv::forge
