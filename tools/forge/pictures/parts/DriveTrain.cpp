#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

constexpr double kPi = 3.14159265358979;

// Builds a path under a rotation about (cx, cy) and returns to screen space,
// so fills lit from the top left stay put while the shape turns.
template <typename PathFn>
void TurnedPath(cairo_t* cr, double cx, double cy, double turn, PathFn path) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, turn);
  path();
  cairo_restore(cr);
}

// ---- Pinion: 18 x 18 with the gear centred; 13 frames turn it by one
// symmetry period (a quarter turn), so the last frame runs into the first.

constexpr int kPinionSize = 18;
constexpr int kPinionFrames = 13;
constexpr int kTeeth = 8;

void GearOutline(cairo_t* cr, double outer, double root) {
  for (int i = 0; i < kTeeth; ++i) {
    double a = i * 2 * kPi / kTeeth;
    double pts[4][2] = {{root, a - 0.36}, {outer, a - 0.2}, {outer, a + 0.2}, {root, a + 0.36}};
    for (int k = 0; k < 4; ++k) {
      double x = pts[k][0] * std::cos(pts[k][1]);
      double y = pts[k][0] * std::sin(pts[k][1]);
      if (i == 0 && k == 0) {
        cairo_move_to(cr, x, y);
      } else {
        cairo_line_to(cr, x, y);
      }
    }
  }
  cairo_close_path(cr);
}

void DrawPinion(cairo_t* cr, double turn) {
  const double c = kPinionSize / 2.0;
  TurnedPath(cr, c, c, turn, [&] {
    GearOutline(cr, 8.4, 6.6);
    for (int i = 0; i < 4; ++i) {
      double a = kPi / 4 + i * kPi / 2;
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, 3.9 * std::cos(a), 3.9 * std::sin(a), 1.25, 2 * kPi, 0);
    }
  });
  FillInk(cr, kBrass, 1, 1, 17, 17, 0.9);
  Ellipse(cr, c, c, 5.4, 5.4);
  SetColour(cr, Darker(kBrass, 0.25));
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  Ellipse(cr, c, c, 1.7, 1.7);
  FillInk(cr, kIron, c - 1.7, c - 1.7, c + 1.7, c + 1.7, 0.8);
}

bool ForgePinion(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kPinionFrames; ++f) {
    Frame frame(kPinionSize, kPinionSize);
    DrawPinion(frame.Cr(), f * (kPi / 2) / kPinionFrames);
    ok = SaveNumbered(frame, root, "pinion\\S2A_00%02d.bmp", "pinion\\A_s2a_00%02d.bmp", f) && ok;
  }
  return ok;
}

// ---- Track: 22 x 11, a belt over two rollers; frames 0 to 3 move the belt
// one tread period (the top run to the right), the rest repeat the cycle.

constexpr int kTrackWidth = 22;
constexpr int kTrackHeight = 11;
constexpr int kTrackFrames = 16;
constexpr int kTreadFrames = 4;
constexpr Rgb kRubber{70, 72, 84};

void DrawRoller(cairo_t* cr, double cx, double cy, double turn) {
  Ellipse(cr, cx, cy, 3.3, 3.3);
  FillInk(cr, kSteel, cx - 3.3, cy - 3.3, cx + 3.3, cy + 3.3, 0.8);
  TurnedPath(cr, cx, cy, turn, [&] {
    cairo_move_to(cr, -2.4, 0);
    cairo_line_to(cr, 2.4, 0);
    cairo_move_to(cr, 0, -2.4);
    cairo_line_to(cr, 0, 2.4);
  });
  SetColour(cr, Darker(kSteel, 0.4));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void DrawTrack(cairo_t* cr, int step) {
  const double cy = kTrackHeight / 2.0;
  // Belt loop, filled in: the whole track is solid.
  RoundRect(cr, 0.5, 0.5, kTrackWidth - 1.0, kTrackHeight - 1.0, 5.0);
  FillInk(cr, kRubber, 0, 0, kTrackWidth, kTrackHeight);
  RoundRect(cr, 2.0, 2.0, kTrackWidth - 4.0, kTrackHeight - 4.0, 3.5);
  FillLit(cr, kIron, 2, 2, kTrackWidth - 2, kTrackHeight - 2);
  cairo_new_path(cr);
  const double turn = step * (kPi / 2) / kTreadFrames;
  DrawRoller(cr, 5.5, cy, turn);
  DrawRoller(cr, kTrackWidth - 5.5, cy, turn);
  // Drive hub in the middle, where the belt from a wheel is tied.
  Ellipse(cr, kTrackWidth / 2.0, cy, 1.6, 1.6);
  FillInk(cr, kBrass, 9.4, cy - 1.6, 12.6, cy + 1.6, 0.7);
  // Treads on the straight runs: top moving right, bottom moving left.
  for (int i = -1; i < 7; ++i) {
    double top = 3.0 + i * 4.0 + step;
    double bottom = 3.0 + i * 4.0 - step;
    if (top > 4.0 && top < kTrackWidth - 5.0) {
      cairo_move_to(cr, top, 0.9);
      cairo_line_to(cr, top + 1.4, 0.9);
    }
    if (bottom > 4.0 && bottom < kTrackWidth - 5.0) {
      cairo_move_to(cr, bottom, kTrackHeight - 0.9);
      cairo_line_to(cr, bottom + 1.4, kTrackHeight - 0.9);
    }
  }
  SetColour(cr, Lighter(kRubber, 0.5));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

bool ForgeTrack(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kTrackFrames; ++f) {
    Frame frame(kTrackWidth, kTrackHeight);
    DrawTrack(frame.Cr(), f % kTreadFrames);
    ok = SaveNumbered(frame, root, "track\\T1_00%02d.bmp", "track\\A_t1_00%02d.bmp", f) && ok;
  }
  return ok;
}

// ---- Squirrel cage: 33 x 24 facing left; the belt wheel's axle at pixel
// (24, 7). Frames 0 to 11 the squirrel running and the cage turning; frame
// 12 is the cage at rest.

constexpr int kCageWidth = 33;
constexpr int kCageHeight = 24;
constexpr int kCageFrames = 13;
constexpr int kRunFrames = 12;
constexpr double kWheelX = 11.5;
constexpr double kWheelY = 10.5;
constexpr double kWheelR = 9.6;
constexpr double kAxleX = 24.5;
constexpr double kAxleY = 7.5;
constexpr Rgb kFur{214, 118, 48};
constexpr Rgb kBelly{250, 226, 180};

void DrawStand(cairo_t* cr) {
  RoundRect(cr, 0.5, 20.5, kCageWidth - 1.0, 3.0, 1.0);
  FillInk(cr, kWood, 0.5, 20.5, kCageWidth - 0.5, 23.5);
  cairo_move_to(cr, kWheelX, kWheelY);
  cairo_line_to(cr, 5.5, 20.8);
  cairo_move_to(cr, kWheelX, kWheelY);
  cairo_line_to(cr, 17.5, 20.8);
  cairo_move_to(cr, kAxleX, kAxleY);
  cairo_line_to(cr, kAxleX, 20.8);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke_preserve(cr);
  SetColour(cr, kWood);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
}

void DrawWheel(cairo_t* cr, double turn) {
  Ellipse(cr, kWheelX, kWheelY, kWheelR, kWheelR);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke_preserve(cr);
  SetColour(cr, kSteel);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  TurnedPath(cr, kWheelX, kWheelY, turn, [&] {
    for (int i = 0; i < 6; ++i) {
      double a = i * kPi / 3;
      cairo_move_to(cr, 1.5 * std::cos(a), 1.5 * std::sin(a));
      cairo_line_to(cr, (kWheelR - 1) * std::cos(a), (kWheelR - 1) * std::sin(a));
    }
  });
  SetColour(cr, Darker(kSteel, 0.3));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  for (int i = 0; i < 12; ++i) {
    double a = turn + i * kPi / 6 + kPi / 12;
    Ellipse(cr, kWheelX + (kWheelR - 1.4) * std::cos(a), kWheelY + (kWheelR - 1.4) * std::sin(a),
            0.7, 0.7);
  }
  SetColour(cr, Darker(kSteel, 0.45));
  cairo_fill(cr);
  Ellipse(cr, kWheelX, kWheelY, 1.5, 1.5);
  FillInk(cr, kBrass, kWheelX - 1.5, kWheelY - 1.5, kWheelX + 1.5, kWheelY + 1.5, 0.7);
}

// The squirrel at the bottom of the wheel, running to the left; `phase`
// swings its legs (one stride per 2 pi).
void DrawSquirrel(cairo_t* cr, double phase, bool running) {
  const double bx = kWheelX + 0.5;
  const double by = 15.4 + (running ? 0.4 * std::sin(phase * 2) : 0.0);
  // Tail curled up behind.
  cairo_move_to(cr, bx + 2.5, by + 0.5);
  cairo_curve_to(cr, bx + 7.5, by + 1.0, bx + 8.0, by - 6.5, bx + 4.0, by - 6.0);
  cairo_curve_to(cr, bx + 2.5, by - 5.5, bx + 4.5, by - 3.0, bx + 5.0, by - 2.0);
  cairo_curve_to(cr, bx + 4.5, by - 0.5, bx + 3.5, by - 0.5, bx + 2.5, by - 0.5);
  cairo_close_path(cr);
  FillInk(cr, Lighter(kFur, 0.1), bx + 2, by - 6.5, bx + 8, by + 1, 0.8);
  // Legs.
  const double swing = running ? std::sin(phase) * 1.6 : 0.0;
  cairo_move_to(cr, bx - 2.0, by + 1.0);
  cairo_line_to(cr, bx - 2.0 - swing, by + 3.2);
  cairo_move_to(cr, bx + 1.8, by + 1.0);
  cairo_line_to(cr, bx + 1.8 + swing, by + 3.2);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Body and head.
  Ellipse(cr, bx, by, 3.6, 2.3);
  FillInk(cr, kFur, bx - 3.6, by - 2.3, bx + 3.6, by + 2.3, 0.8);
  Ellipse(cr, bx - 3.8, by - 1.6, 2.0, 1.7);
  FillInk(cr, kFur, bx - 5.8, by - 3.3, bx - 1.8, by, 0.8);
  cairo_move_to(cr, bx - 3.4, by - 3.0);
  cairo_line_to(cr, bx - 2.6, by - 4.6);
  cairo_line_to(cr, bx - 2.2, by - 2.6);
  FillInk(cr, kFur, bx - 3.4, by - 4.6, bx - 2.2, by - 2.6, 0.7);
  Ellipse(cr, bx - 0.6, by + 0.8, 2.2, 1.0);
  SetColour(cr, kBelly);
  cairo_fill(cr);
  Ellipse(cr, bx - 4.3, by - 1.9, 0.5, 0.5);
  SetColour(cr, kInk);
  cairo_fill(cr);
}

void DrawPulley(cairo_t* cr, double turn) {
  cairo_move_to(cr, kWheelX, kWheelY);
  cairo_line_to(cr, kAxleX, kAxleY);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke_preserve(cr);
  SetColour(cr, kSteel);
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
  Ellipse(cr, kAxleX, kAxleY, 3.4, 3.4);
  FillInk(cr, kRed, kAxleX - 3.4, kAxleY - 3.4, kAxleX + 3.4, kAxleY + 3.4, 0.9);
  TurnedPath(cr, kAxleX, kAxleY, turn, [&] {
    cairo_move_to(cr, 1.4, 0);
    cairo_line_to(cr, 2.6, 0);
  });
  SetColour(cr, kWhite, 0.8);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  Ellipse(cr, kAxleX, kAxleY, 1.2, 1.2);
  FillInk(cr, kBrass, kAxleX - 1.2, kAxleY - 1.2, kAxleX + 1.2, kAxleY + 1.2, 0.6);
}

bool ForgeCage(const std::string& root) {
  bool ok = true;
  for (int f = 0; f < kCageFrames; ++f) {
    Frame frame(kCageWidth, kCageHeight);
    cairo_t* cr = frame.Cr();
    const bool running = f < kRunFrames;
    const int step = running ? f : 0;
    // The squirrel runs left, so the cage turns anticlockwise: a third of a
    // turn over the cycle, a whole number of spoke and rung periods.
    const double turn = -step * (2 * kPi / 3) / kRunFrames;
    DrawStand(cr);
    DrawWheel(cr, turn);
    DrawSquirrel(cr, step * 2 * kPi / 6, running);
    // The belt pulley turns clockwise, geared against the cage, so belts
    // leave it the way pinions and tracks turn when driven forward.
    DrawPulley(cr, -turn * 3);
    ok = SaveNumbered(frame, root, "squirre_cage\\m_e3_00%02d.bmp",
                      "squirre_cage\\A_m_e3_00%02d.bmp", f) &&
         ok;
  }
  return ok;
}

}  // namespace

bool ForgeDriveTrain(const std::string& root) {
  bool ok = ForgePinion(root);
  ok = ForgeTrack(root) && ok;
  ok = ForgeCage(root) && ok;
  return ok;
}

}  // namespace qv::forge
