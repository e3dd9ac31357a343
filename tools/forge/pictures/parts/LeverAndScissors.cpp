#include <algorithm>
#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

// ---- Lever: 39 x 18; frame k is tilt k, the beam's ends passing through
// the hook points (3, 18 - 2.25 k) and (36, 2.25 k) about the pivot (19.5, 9).

constexpr int kLeverWidth = 39;
constexpr int kLeverHeight = 18;
constexpr int kTilts = 9;
constexpr double kHookLeftX = 3.0;
constexpr double kHookRightX = 36.0;
constexpr double kBeamHalf = 1.6;

void DrawFulcrum(cairo_t* cr) {
  cairo_move_to(cr, 19.5, 8.0);
  cairo_line_to(cr, 25.5, 17.5);
  cairo_line_to(cr, 13.5, 17.5);
  cairo_close_path(cr);
  FillInk(cr, kRed, 13.5, 8, 25.5, 17.5);
}

void DrawBeam(cairo_t* cr, double tilt) {
  // The hook points may sit on the frame's edge; keep the whole beam inside
  // by letting the ends touch the points with the beam's edge.
  const double lo = kBeamHalf;
  const double hi = kLeverHeight - kBeamHalf;
  const double yl = std::clamp(kLeverHeight - 2.25 * tilt, lo, hi);
  const double yr = std::clamp(2.25 * tilt, lo, hi);
  const double dx = kHookRightX - kHookLeftX;
  const double dy = yr - yl;
  const double len = std::hypot(dx, dy);
  const double ux = dx / len;
  const double uy = dy / len;
  const double ext = 1.6;  // beyond the hook points
  cairo_save(cr);
  cairo_translate(cr, kHookLeftX - ux * ext, yl - uy * ext);
  cairo_rotate(cr, std::atan2(dy, dx));
  RoundRect(cr, 0, -kBeamHalf, len + 2 * ext, 2 * kBeamHalf, 1.2);
  FillInk(cr, kWood, 0, -kBeamHalf, len * 0.3, kBeamHalf * 4, 0.9);
  cairo_move_to(cr, 1.5, -0.4);
  cairo_line_to(cr, len + 2 * ext - 1.5, -0.4);
  SetColour(cr, kWhite, 0.35);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Eyes where ropes are tied, and the pivot bolt.
  const double eyes[][2] = {{kHookLeftX + 0.5, yl}, {kHookRightX - 0.5, yr}};
  for (const auto& e : eyes) {
    Ellipse(cr, e[0], e[1], 0.9, 0.9);
    SetColour(cr, Darker(kWood, 0.55));
    cairo_fill(cr);
  }
  Ellipse(cr, 19.5, 9.0, 1.5, 1.5);
  FillInk(cr, kSteel, 18, 7.5, 21, 10.5, 0.8);
}

bool ForgeLever(const std::string& root) {
  bool ok = true;
  for (int k = 0; k < kTilts; ++k) {
    Frame frame(kLeverWidth, kLeverHeight);
    DrawFulcrum(frame.Cr());
    DrawBeam(frame.Cr(), k);
    ok = SaveNumbered(frame, root, "lever\\m_r1_000%1d.bmp", "lever\\A_m_r1_000%1d.bmp", k) && ok;
  }
  return ok;
}

// ---- Scissors: 28 x 16, finger rings on the left, blades on the right
// half; frame 0 open to frame 3 closed.

constexpr int kScissorsWidth = 28;
constexpr int kScissorsHeight = 16;
constexpr double kPivotX = 12.5;
constexpr double kPivotY = 8.0;
constexpr Rgb kHandle{236, 78, 64};

// One half of the scissors, turned by `angle` about the pivot: its blade
// points right, its handle and ring left on the other side (`side` +1 puts
// the ring below the axis).
void DrawHalf(cairo_t* cr, double angle, double side) {
  cairo_save(cr);
  cairo_translate(cr, kPivotX, kPivotY);
  cairo_rotate(cr, angle);
  // Blade: straight back edge, curved cutting edge to a point.
  cairo_move_to(cr, -1.0, -side * 2.4);
  cairo_curve_to(cr, 6.0, -side * 2.6, 11.0, -side * 1.6, 14.8, -side * 0.1);
  cairo_line_to(cr, -1.0, side * 0.9);
  cairo_close_path(cr);
  FillInk(cr, Lighter(kSteel, 0.2), 0, -3, 14, 3, 0.9);
  // Shank and ring.
  cairo_move_to(cr, 0.5, 0);
  cairo_line_to(cr, -5.5, side * 2.2);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 2.6);
  cairo_stroke_preserve(cr);
  SetColour(cr, kHandle);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  Ellipse(cr, -8.0, side * 2.7, 3.0, 2.6);
  Ellipse(cr, -8.0, side * 2.7, 1.3, 1.0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  FillInk(cr, kHandle, -11, side * 3.2 - 3, -5, side * 3.2 + 3, 0.9);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_restore(cr);
}

bool ForgeScissors(const std::string& root) {
  const double open[] = {0.42, 0.28, 0.14, 0.0};
  bool ok = true;
  for (int f = 0; f < 4; ++f) {
    Frame frame(kScissorsWidth, kScissorsHeight);
    cairo_t* cr = frame.Cr();
    DrawHalf(cr, open[f], -1.0);
    DrawHalf(cr, -open[f], 1.0);
    Ellipse(cr, kPivotX, kPivotY, 1.3, 1.3);
    FillInk(cr, kBrass, kPivotX - 1.3, kPivotY - 1.3, kPivotX + 1.3, kPivotY + 1.3, 0.8);
    ok = SaveNumbered(frame, root, "scissors\\m_n1_000%1d.bmp", "scissors\\A_m_n1_000%1d.bmp", f) &&
         ok;
  }
  return ok;
}

}  // namespace

bool ForgeLeverAndScissors(const std::string& root) {
  bool ok = ForgeLever(root);
  ok = ForgeScissors(root) && ok;
  return ok;
}

}  // namespace qv::forge
