#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kWidth = 13;
constexpr int kHeight = 15;
constexpr int kFrames = 5;

// A pulley wheel hung from a ring; the rope runs over its axle, which is
// the box centre. The later frames turn the wheel (only frame 0 is drawn
// by the game; the others keep the set complete).
void DrawPulley(Frame& frame, double turn) {
  cairo_t* cr = frame.Cr();
  const double cx = kWidth / 2.0;
  const double cy = 8.5;
  const double r = 5.8;
  // Ring at the top.
  Ellipse(cr, cx, 2.0, 1.7, 1.6);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Ellipse(cr, cx, 2.0, 0.6, 0.5);
  FillInk(cr, kSteel, cx - 2, 0, cx + 2, 4, 0.8);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Wheel with its groove and spokes.
  Ellipse(cr, cx, cy, r, r);
  FillRound(cr, kWood, cx, cy, r);
  Ink(cr);
  Ellipse(cr, cx, cy, r - 1.6, r - 1.6);
  SetColour(cr, Darker(kWood, 0.35));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    double a = turn + i * kPi / 3;
    cairo_move_to(cr, cx - 3.6 * std::cos(a), cy - 3.6 * std::sin(a));
    cairo_line_to(cr, cx + 3.6 * std::cos(a), cy + 3.6 * std::sin(a));
  }
  SetColour(cr, Darker(kWood, 0.3));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // Fork from the ring down to the axle, in front of the wheel.
  cairo_move_to(cr, cx - 1.2, 3.2);
  cairo_line_to(cr, cx + 1.2, 3.2);
  cairo_line_to(cr, cx + 1.4, cy);
  cairo_line_to(cr, cx - 1.4, cy);
  cairo_close_path(cr);
  FillInk(cr, kIron, cx - 1.5, 3, cx + 1.5, cy, 0.8);
  Ellipse(cr, cx, cy, 1.6, 1.6);
  FillInk(cr, kBrass, cx - 1.6, cy - 1.6, cx + 1.6, cy + 1.6, 0.8);
  Glint(cr, cx - 2.6, cy - 3.2, 1.2, 0.8, 0.6);
}

}  // namespace

bool ForgeRopeBlock(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kFrames; ++f) {
    Frame frame(kWidth, kHeight);
    DrawPulley(frame, f * kPi / 3 / kFrames);
    ok = SaveNumbered(frame, root, "block\\b_l_100%02d.bmp", "block\\A_b_l_100%02d.bmp", f) && ok;
  }
  return ok;
}

}  // namespace qv::forge
