#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

// ---- Bucket: 18 x 23. The top quarter is the mouth: balls held inside show
// above the rim. The handle's top middle is the rope hook. Frame 0 is drawn;
// frame 1 is the collision shape, the mouth filled in so a ball dropping in
// touches it.

constexpr int kBucketWidth = 18;
constexpr int kBucketHeight = 23;
constexpr int kBucketFrames = 5;
constexpr double kRimY = 6.0;

void DrawHandle(cairo_t* cr) {
  cairo_move_to(cr, 1.8, kRimY + 0.5);
  cairo_curve_to(cr, 2.5, -0.6, 15.5, -0.6, 16.2, kRimY + 0.5);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 1.7);
  cairo_stroke_preserve(cr);
  SetColour(cr, kSteel);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
}

void DrawPail(cairo_t* cr) {
  cairo_move_to(cr, 1.5, kRimY);
  cairo_line_to(cr, 16.5, kRimY);
  cairo_line_to(cr, 14.5, kBucketHeight - 0.5);
  cairo_line_to(cr, 3.5, kBucketHeight - 0.5);
  cairo_close_path(cr);
  FillInk(cr, kSteel, 1.5, kRimY, 16.5, kBucketHeight);
  for (double y : {12.0, 18.0}) {
    double inset = (y - kRimY) * 2.0 / (kBucketHeight - kRimY);
    cairo_move_to(cr, 1.8 + inset, y);
    cairo_line_to(cr, 16.2 - inset, y);
  }
  SetColour(cr, Darker(kSteel, 0.3));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 4.5, kRimY + 3.0);
  cairo_line_to(cr, 5.5, kBucketHeight - 3.0);
  SetColour(cr, kWhite, 0.6);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  RoundRect(cr, 0.5, kRimY - 1.0, 17.0, 2.6, 1.2);
  FillInk(cr, Lighter(kSteel, 0.2), 0.5, kRimY - 1, 17.5, kRimY + 1.6, 0.9);
}

void DrawMouthFilled(cairo_t* cr) {
  cairo_move_to(cr, 1.5, kRimY);
  cairo_curve_to(cr, 3.0, 1.5, 15.0, 1.5, 16.5, kRimY);
  cairo_close_path(cr);
  FillInk(cr, Darker(kSteel, 0.45), 1.5, 1.5, 16.5, kRimY);
}

bool ForgeBucket(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kBucketFrames; ++f) {
    Frame frame(kBucketWidth, kBucketHeight);
    cairo_t* cr = frame.Cr();
    if (f == 1) DrawMouthFilled(cr);
    DrawHandle(cr);
    DrawPail(cr);
    ok = SaveNumbered(frame, root, "bucket\\m_v2_00%02d.bmp", "bucket\\A_m_v2_00%02d.bmp", f) && ok;
  }
  return ok;
}

// ---- Balloon: 19 x 20, ten frames swaying from one side to the other (the
// game plays them forth and back); the string ends at the bottom middle.

constexpr int kBalloonWidth = 19;
constexpr int kBalloonHeight = 20;
constexpr int kBalloonFrames = 10;
constexpr Rgb kRubber{238, 56, 86};

void DrawBalloon(cairo_t* cr, double sway) {
  const double cx = kBalloonWidth / 2.0 + 1.8 * sway;
  const double cy = 7.6;
  const double endX = kBalloonWidth / 2.0;
  // String from the knot to the hook, bending against the sway.
  cairo_move_to(cr, cx, cy + 7.8);
  cairo_curve_to(cr, cx - 1.8 * sway, cy + 9.5, endX + 1.2 * sway, kBalloonHeight - 2.0, endX,
                 kBalloonHeight - 0.3);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, 0.14 * sway);
  // Knot.
  cairo_move_to(cr, 0, 6.8);
  cairo_line_to(cr, 1.3, 8.3);
  cairo_line_to(cr, -1.3, 8.3);
  cairo_close_path(cr);
  FillInk(cr, kRubber, -1.3, 6.8, 1.3, 8.3, 0.8);
  // Body, a little narrower at the bottom.
  cairo_move_to(cr, 0, -7.2);
  cairo_curve_to(cr, 4.6, -7.2, 7.0, -3.4, 7.0, -0.4);
  cairo_curve_to(cr, 7.0, 3.6, 3.2, 7.0, 0, 7.0);
  cairo_curve_to(cr, -3.2, 7.0, -7.0, 3.6, -7.0, -0.4);
  cairo_curve_to(cr, -7.0, -3.4, -4.6, -7.2, 0, -7.2);
  cairo_close_path(cr);
  FillRound(cr, kRubber, 0, 0, 7.2);
  Ink(cr);
  Glint(cr, -3.0, -3.4, 1.6, 2.2, 0.85);
  cairo_restore(cr);
}

bool ForgeBalloon(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kBalloonFrames; ++f) {
    Frame frame(kBalloonWidth, kBalloonHeight);
    DrawBalloon(frame.Cr(), -1.0 + 2.0 * f / (kBalloonFrames - 1));
    ok = SaveNumbered(frame, root, "balloon\\m_p1m2_000%1d.bmp", "balloon\\A_m_p1m2_000%1d.bmp",
                      f) &&
         ok;
  }
  return ok;
}

}  // namespace

bool ForgeBucketAndBalloon(const std::string& root) {
  bool ok = ForgeBucket(root);
  ok = ForgeBalloon(root) && ok;
  return ok;
}

}  // namespace qv::forge
