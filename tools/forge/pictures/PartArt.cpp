#include "PartArt.h"

#include <cmath>

#include "Style.h"

namespace qv::forge {
namespace {

using namespace style;
using namespace style::ink;

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double w) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, c);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

void Gear(cairo_t* cr, double cx, double cy, double outer, double inner, int teeth, Rgb c,
          double lw) {
  cairo_new_path(cr);
  for (int i = 0; i < teeth; ++i) {
    double a = 2 * M_PI * i / teeth;
    double s = M_PI / teeth;
    cairo_arc(cr, cx, cy, inner, a - s * 0.5, a);
    cairo_line_to(cr, cx + outer * std::cos(a + s * 0.15), cy + outer * std::sin(a + s * 0.15));
    cairo_line_to(cr, cx + outer * std::cos(a + s * 0.85), cy + outer * std::sin(a + s * 0.85));
    cairo_arc(cr, cx, cy, inner, a + s, a + s * 1.5);
  }
  cairo_close_path(cr);
  FillLit(cr, c, lw);
}

void TennisBall(cairo_t* cr, double lw) {
  Circle(cr, 12, 12, 10);
  FillLit(cr, Hex(0xd8f03a), lw);
  cairo_save(cr);
  Circle(cr, 12, 12, 10);
  cairo_clip(cr);
  cairo_set_line_width(cr, lw * 1.1);
  SetColour(cr, kWhite);
  cairo_arc(cr, 1, 12, 8, -M_PI / 2.4, M_PI / 2.4);
  cairo_stroke(cr);
  cairo_arc(cr, 23, 12, 8, M_PI - M_PI / 2.4, M_PI + M_PI / 2.4);
  cairo_stroke(cr);
  cairo_restore(cr);
  Gloss(cr, 8.5, 8, 4, 3);
}

void Football(cairo_t* cr, double lw) {
  auto pent = [&](double cx, double cy, double r, double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 5; ++i) {
      double a = turn + 2 * M_PI * i / 5 - M_PI / 2;
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
  };
  cairo_save(cr);
  Circle(cr, 12, 12, 10.5 - lw / 2);
  cairo_clip(cr);
  cairo_pattern_t* shade = cairo_pattern_create_radial(8, 7, 1, 12, 12, 12);
  cairo_pattern_add_color_stop_rgb(shade, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.72, 0.76, 0.84);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  pent(12, 12, 3.6, 0);
  for (int i = 0; i < 5; ++i) {
    double a = 2 * M_PI * i / 5 + M_PI / 2;
    pent(12 + 9.6 * std::cos(a), 12 + 9.6 * std::sin(a), 3.6, M_PI);
  }
  SetColour(cr, Hex(0x262a33));
  cairo_fill(cr);
  SetColour(cr, Hex(0x262a33));
  cairo_set_line_width(cr, lw * 0.6);
  for (int i = 0; i < 5; ++i) {
    double a = 2 * M_PI * i / 5 - M_PI / 2;
    cairo_move_to(cr, 12 + 3.6 * std::cos(a), 12 + 3.6 * std::sin(a));
    cairo_line_to(cr, 12 + 7 * std::cos(a), 12 + 7 * std::sin(a));
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  Gloss(cr, 8, 7.5, 3.5, 2.5, 0.6);
  Circle(cr, 12, 12, 10.5);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}

void Bomb(cairo_t* cr, double lw) {
  cairo_move_to(cr, 16, 6);
  cairo_curve_to(cr, 18, 2, 20, 4, 21, 2.5);
  SetColour(cr, kWood);
  cairo_set_line_width(cr, lw * 1.3);
  cairo_stroke(cr);
  Star(cr, 21, 2.5, 3, 1.2, 6);
  FillFlat(cr, kYellow, 0);
  Star(cr, 21, 2.5, 1.6, 0.7, 6, 0.5);
  FillFlat(cr, kWhite, 0);
  cairo_save(cr);
  cairo_translate(cr, 15.5, 7.5);
  cairo_rotate(cr, M_PI / 4);
  RoundedRect(cr, -2.5, -2, 5, 4, 0.8);
  cairo_restore(cr);
  FillLit(cr, kSteel, lw);
  Circle(cr, 11, 14, 8.5);
  FillLit(cr, Hex(0x3a3f5c), lw);
  Gloss(cr, 8, 10.5, 3.2, 2.4, 0.8);
}

void Balloon(cairo_t* cr, double lw) {
  cairo_move_to(cr, 12, 19);
  cairo_curve_to(cr, 10, 21, 14, 22, 12, 24);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw * 0.7);
  cairo_stroke(cr);
  cairo_move_to(cr, 12, 18);
  cairo_line_to(cr, 10.3, 20.3);
  cairo_line_to(cr, 13.7, 20.3);
  cairo_close_path(cr);
  FillFlat(cr, Darker(kRed, 0.1), lw * 0.8);
  cairo_move_to(cr, 12, 18.5);
  cairo_curve_to(cr, 5, 16, 3.5, 10, 4, 8);
  cairo_curve_to(cr, 4.5, 3, 8, 1, 12, 1);
  cairo_curve_to(cr, 16, 1, 19.5, 3, 20, 8);
  cairo_curve_to(cr, 20.5, 10, 19, 16, 12, 18.5);
  cairo_close_path(cr);
  FillLit(cr, kRed, lw);
  Gloss(cr, 8.5, 6.5, 2.6, 3.5, 0.8);
}

void Bucket(cairo_t* cr, double lw) {
  cairo_arc(cr, 12, 9, 8.5, M_PI, 2 * M_PI);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw * 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, 3, 9);
  cairo_line_to(cr, 21, 9);
  cairo_line_to(cr, 18.5, 22.5);
  cairo_line_to(cr, 5.5, 22.5);
  cairo_close_path(cr);
  FillLit(cr, kSteel, lw);
  Line(cr, 4.2, 14, 19.8, 14, Lighter(kSteel, 0.4), lw * 0.8);
  Ellipse(cr, 12, 9, 9, 2);
  FillFlat(cr, Darker(kSteel, 0.45), lw);
  Gloss(cr, 7, 16, 1.4, 4, 0.5);
}

void Brick(cairo_t* cr, double lw) {
  cairo_rectangle(cr, 1, 5, 22, 14);
  FillFlat(cr, Hex(0xe8dcc8), 0);
  const Rgb brick = kBrick;
  for (int row = 0; row < 3; ++row) {
    double y = 5.5 + row * 4.5;
    double shift = row % 2 ? -4 : 0;
    for (double x = 1.5 + shift; x < 23; x += 8) {
      double x0 = std::max(x, 1.5), x1 = std::min(x + 7.3, 22.5);
      if (x1 - x0 < 1) continue;
      cairo_rectangle(cr, x0, y, x1 - x0, 3.8);
      FillLit(cr, brick, 0);
    }
  }
  cairo_rectangle(cr, 1, 5, 22, 14);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}

void Ground(cairo_t* cr, double lw) {
  cairo_rectangle(cr, 1, 9, 22, 11);
  FillLit(cr, kBrown, lw);
  for (int i = 0; i < 5; ++i) {
    Circle(cr, 4 + i * 4.2, 14 + (i % 2) * 3, 0.9);
    SetColour(cr, Darker(kBrown, 0.35));
    cairo_fill(cr);
  }
  cairo_move_to(cr, 1, 10.5);
  for (int i = 0; i <= 11; ++i) {
    double x = 1 + i * 2;
    cairo_line_to(cr, x, i % 2 ? 5.5 : 9);
  }
  cairo_line_to(cr, 23, 12);
  cairo_line_to(cr, 1, 12);
  cairo_close_path(cr);
  FillLit(cr, kGreen, lw);
}

void Rope(cairo_t* cr, double lw) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) Ellipse(cr, 12, 11 + i * 0.8, 8 - i * 2, 6 - i * 1.6);
    cairo_move_to(cr, 19, 13);
    cairo_curve_to(cr, 21, 18, 17, 20, 20, 23);
    SetColour(cr, pass == 0 ? kOutline : kWood);
    cairo_set_line_width(cr, pass == 0 ? lw * 3.2 : lw * 1.5);
    cairo_stroke(cr);
  }
}

void Lever(cairo_t* cr, double lw) {
  cairo_move_to(cr, 12, 12);
  cairo_line_to(cr, 17, 21);
  cairo_line_to(cr, 7, 21);
  cairo_close_path(cr);
  FillLit(cr, kRed, lw);
  cairo_save(cr);
  cairo_translate(cr, 12, 11);
  cairo_rotate(cr, -0.38);
  RoundedRect(cr, -11, -1.8, 22, 3.6, 1.2);
  FillLit(cr, kWood, lw);
  cairo_restore(cr);
  Circle(cr, 12, 11, 1.3);
  FillFlat(cr, kDark, 0);
}

void RopeBlock(cairo_t* cr, double lw) {
  RoundedRect(cr, 9.5, 1, 5, 8, 1);
  FillLit(cr, kDark, lw);
  Circle(cr, 12, 13, 8.5);
  FillLit(cr, Hex(0xa8692f), lw);
  Circle(cr, 12, 13, 5.5);
  FillFlat(cr, Darker(Hex(0xa8692f), 0.3), lw * 0.8);
  Circle(cr, 12, 13, 2);
  FillLit(cr, kSteel, lw * 0.8);
  Gloss(cr, 8.5, 8.5, 2.5, 1.8, 0.6);
}

void SquirrelCage(cairo_t* cr, double lw) {
  cairo_move_to(cr, 12, 12);
  cairo_line_to(cr, 6, 23);
  cairo_move_to(cr, 12, 12);
  cairo_line_to(cr, 18, 23);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw * 2.2);
  cairo_stroke(cr);
  Circle(cr, 12, 11, 10);
  FillFlat(cr, Hex(0xfbe7b0), lw);
  SetColour(cr, Darker(kWood, 0.2));
  cairo_set_line_width(cr, lw * 0.7);
  for (int i = 0; i < 8; ++i) {
    double a = M_PI * i / 4;
    cairo_move_to(cr, 12, 11);
    cairo_line_to(cr, 12 + 9.5 * std::cos(a), 11 + 9.5 * std::sin(a));
  }
  cairo_stroke(cr);
  Circle(cr, 12, 11, 8);
  SetColour(cr, kWood);
  cairo_set_line_width(cr, lw * 1.2);
  cairo_stroke(cr);
  // the squirrel
  cairo_move_to(cr, 15.5, 16);
  cairo_curve_to(cr, 21, 15, 19, 6, 14, 9);
  cairo_curve_to(cr, 16, 11, 16, 13, 15.5, 16);
  FillLit(cr, kOrange, lw * 0.8);
  Ellipse(cr, 11.5, 15, 4, 2.8);
  FillLit(cr, Hex(0xc8742e), lw * 0.8);
  Circle(cr, 8, 13, 2.3);
  FillLit(cr, Hex(0xc8742e), lw * 0.8);
  Circle(cr, 7.3, 12.6, 0.55);
  FillFlat(cr, kOutline, 0);
}

void Scissors(cairo_t* cr, double lw) {
  cairo_save(cr);
  cairo_translate(cr, 12, 12);
  for (int s = -1; s <= 1; s += 2) {
    cairo_save(cr);
    cairo_rotate(cr, s * 0.32);
    cairo_move_to(cr, -1, -1.2 * s);
    cairo_curve_to(cr, 4, -2.2 * s, 9, -1 * s, 11.5, 0);
    cairo_curve_to(cr, 8, 0.6 * s, 3, 1.2 * s, -1, 1.4 * s);
    cairo_close_path(cr);
    FillLit(cr, kSteel, lw);
    cairo_restore(cr);
  }
  for (int s = -1; s <= 1; s += 2) {
    Ellipse(cr, -7.5, 4.3 * s, 3.6, 2.9);
    Ellipse(cr, -7.5, 4.3 * s, 1.9, 1.3);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    FillLit(cr, kRed, lw);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_move_to(cr, -4.5, 3.2 * s);
    cairo_line_to(cr, -0.8, 0.8 * s);
    SetColour(cr, kRed);
    cairo_set_line_width(cr, lw * 1.6);
    cairo_stroke(cr);
  }
  Circle(cr, 0, 0, 1.3);
  FillFlat(cr, kDark, lw * 0.5);
  cairo_restore(cr);
}

void Flashlight(cairo_t* cr, double lw) {
  cairo_move_to(cr, 1, 8);
  cairo_line_to(cr, 9, 8);
  cairo_line_to(cr, 9, 16);
  cairo_line_to(cr, 1, 16);
  SetColour(cr, kYellow, 0.45);
  cairo_fill(cr);
  cairo_move_to(cr, 4, 5);
  cairo_line_to(cr, 10, 7);
  cairo_line_to(cr, 10, 17);
  cairo_line_to(cr, 4, 19);
  cairo_close_path(cr);
  FillLit(cr, kSteel, lw);
  RoundedRect(cr, 9.5, 8.5, 13, 7, 1.5);
  FillLit(cr, kBlue, lw);
  RoundedRect(cr, 14, 10.5, 3, 3, 0.8);
  FillFlat(cr, kRed, lw * 0.7);
  Ellipse(cr, 4, 12, 1.4, 6.6);
  FillFlat(cr, Hex(0xfff7a8), lw);
}

void Track(cairo_t* cr, double lw) {
  RoundedRect(cr, 1, 7, 22, 10, 5);
  FillFlat(cr, kDark, lw);
  Circle(cr, 6, 12, 3.5);
  FillLit(cr, kSteel, lw * 0.8);
  Circle(cr, 18, 12, 3.5);
  FillLit(cr, kSteel, lw * 0.8);
  Circle(cr, 12, 12, 2.2);
  FillLit(cr, kSteel, lw * 0.8);
  SetColour(cr, kYellow);
  cairo_set_line_width(cr, lw * 0.9);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 5 + i * 4.5, 7.6);
    cairo_line_to(cr, 6.5 + i * 4.5, 7.6);
  }
  cairo_stroke(cr);
}

void LoopRope(cairo_t* cr, double lw) {
  Circle(cr, 6, 15, 4);
  FillLit(cr, kSteel, lw);
  Circle(cr, 18, 8, 3);
  FillLit(cr, kSteel, lw);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    double a = std::atan2(-7, 12);
    double n = a - M_PI / 2;
    cairo_arc(cr, 6, 15, 5.2, n + 0.1, n + M_PI - 0.1 + 0.2);
    cairo_arc(cr, 18, 8, 4.2, n + M_PI + 0.1, n + 2 * M_PI - 0.1);
    cairo_close_path(cr);
    SetColour(cr, pass == 0 ? kOutline : kPurple);
    cairo_set_line_width(cr, pass == 0 ? lw * 3 : lw * 1.3);
    cairo_stroke(cr);
  }
  Circle(cr, 6, 15, 1.2);
  FillFlat(cr, kDark, 0);
  Circle(cr, 18, 8, 1);
  FillFlat(cr, kDark, 0);
}

void Candle(cairo_t* cr, double lw) {
  Ellipse(cr, 12, 5.5, 3, 4.5);
  FillFlat(cr, kOrange, lw * 0.8);
  Ellipse(cr, 12, 6.5, 1.5, 2.6);
  FillFlat(cr, kYellow, 0);
  Line(cr, 12, 9, 12, 11, kOutline, lw);
  RoundedRect(cr, 7.5, 10.5, 9, 11.5, 1.5);
  FillLit(cr, kRed, lw);
  cairo_move_to(cr, 8.5, 11);
  cairo_curve_to(cr, 9, 14, 10, 14, 10, 12);
  SetColour(cr, Lighter(kRed, 0.5));
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
  RoundedRect(cr, 4, 21, 16, 2.5, 1.2);
  FillLit(cr, Hex(0xd8a630), lw);
}

void Pinion(cairo_t* cr, double lw) {
  Gear(cr, 12, 12, 11, 8.2, 10, kYellow, lw);
  Circle(cr, 12, 12, 3.5);
  FillLit(cr, Darker(kYellow, 0.35), lw);
  Circle(cr, 12, 12, 1.2);
  FillFlat(cr, kDark, 0);
}

void Ostrich(cairo_t* cr, double lw) {
  // legs
  Line(cr, 14, 16, 12, 23, Hex(0xf2a7a0), lw * 1.4);
  Line(cr, 16, 16, 17, 23, Hex(0xf2a7a0), lw * 1.4);
  // neck and head, facing left
  cairo_move_to(cr, 11, 12);
  cairo_curve_to(cr, 8, 8, 4, 9, 5, 3);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw * 3.4);
  cairo_stroke(cr);
  cairo_move_to(cr, 11, 12);
  cairo_curve_to(cr, 8, 8, 4, 9, 5, 3);
  SetColour(cr, Hex(0xf4b6ae));
  cairo_set_line_width(cr, lw * 1.6);
  cairo_stroke(cr);
  Ellipse(cr, 5, 3.2, 2.4, 2);
  FillLit(cr, Hex(0xf4b6ae), lw);
  cairo_move_to(cr, 3, 3);
  cairo_line_to(cr, 0.5, 3.8);
  cairo_line_to(cr, 3, 4.5);
  cairo_close_path(cr);
  FillFlat(cr, kOrange, lw * 0.6);
  Circle(cr, 4.8, 2.6, 0.5);
  FillFlat(cr, kOutline, 0);
  // body with tail feathers
  cairo_move_to(cr, 9, 13);
  cairo_curve_to(cr, 9, 8, 18, 7, 22, 9);
  cairo_curve_to(cr, 24, 11, 21, 12, 22, 13);
  cairo_curve_to(cr, 20, 17, 11, 18, 9, 13);
  cairo_close_path(cr);
  FillLit(cr, Hex(0x444a5e), lw);
  cairo_move_to(cr, 13, 11);
  cairo_curve_to(cr, 16, 10, 18, 11, 19, 13);
  SetColour(cr, kWhite, 0.7);
  cairo_set_line_width(cr, lw * 0.8);
  cairo_stroke(cr);
}

void Pistol(cairo_t* cr, double lw) {
  cairo_move_to(cr, 13, 11);
  cairo_line_to(cr, 20, 11);
  cairo_line_to(cr, 22.5, 20);
  cairo_line_to(cr, 16.5, 20);
  cairo_close_path(cr);
  FillLit(cr, kWood, lw);
  cairo_move_to(cr, 13, 12);
  cairo_curve_to(cr, 13, 16, 11, 16, 10, 13.5);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
  RoundedRect(cr, 1.5, 6, 20, 5.5, 1.2);
  FillLit(cr, kSteel, lw);
  cairo_rectangle(cr, 1.5, 6.5, 2, 4.5);
  FillFlat(cr, kDark, 0);
  cairo_rectangle(cr, 17, 4.5, 3, 1.5);
  FillFlat(cr, kDark, lw * 0.6);
}

void Rabbit(cairo_t* cr, double lw) {
  Rgb fur = Hex(0xe9e4ee);
  for (int i = 0; i < 2; ++i) {
    Ellipse(cr, 8 + i * 3.5, 4.5, 1.7, 4.5);
    FillLit(cr, fur, lw);
    Ellipse(cr, 8 + i * 3.5, 4.8, 0.7, 3);
    FillFlat(cr, kPink, 0);
  }
  Ellipse(cr, 14.5, 16.5, 7, 6.5);
  FillLit(cr, fur, lw);
  Circle(cr, 21, 18, 2);
  FillFlat(cr, kWhite, lw);
  Ellipse(cr, 9.5, 10.5, 4.6, 4);
  FillLit(cr, fur, lw);
  Circle(cr, 8, 9.7, 0.8);
  FillFlat(cr, kOutline, 0);
  Circle(cr, 5.2, 11, 0.8);
  FillFlat(cr, kPink, 0);
  Ellipse(cr, 10.5, 22.4, 3.5, 1.3);
  FillLit(cr, fur, lw);
}

void Carrot(cairo_t* cr, double lw) {
  cairo_save(cr);
  cairo_translate(cr, 12, 12);
  cairo_rotate(cr, -0.6);
  for (int i = -1; i <= 1; ++i) {
    Ellipse(cr, 9 + 0.5 * std::abs(i), i * 2.2, 3.5, 1.2);
    FillLit(cr, kLime, lw * 0.8);
  }
  cairo_move_to(cr, 7, -3.5);
  cairo_curve_to(cr, 3, -4, -8, -1, -11, 0);
  cairo_curve_to(cr, -8, 1, 3, 4, 7, 3.5);
  cairo_curve_to(cr, 8.5, 2, 8.5, -2, 7, -3.5);
  FillLit(cr, kOrange, lw);
  SetColour(cr, Darker(kOrange, 0.3));
  cairo_set_line_width(cr, lw * 0.7);
  cairo_move_to(cr, 3, -2.5);
  cairo_line_to(cr, 3.5, -0.5);
  cairo_move_to(cr, -1, 1.8);
  cairo_line_to(cr, -0.5, 0.2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Magnifier(cairo_t* cr, double lw) {
  cairo_move_to(cr, 15, 15);
  cairo_line_to(cr, 21.5, 21.5);
  SetColour(cr, kOutline);
  cairo_set_line_width(cr, lw * 4.8);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  Line(cr, 15, 15, 21.5, 21.5, Hex(0xa8692f), lw * 2.8);
  Circle(cr, 10, 10, 8.5);
  FillLit(cr, Hex(0xd8a630), lw);
  Circle(cr, 10, 10, 6.6);
  cairo_pattern_t* p = cairo_pattern_create_linear(4, 4, 16, 16);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.96, 1.0);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.75, 0.95);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Gloss(cr, 7.5, 7, 2.6, 1.8, 0.9);
}

// Tools.

void Save(cairo_t* cr, double lw) {
  RoundedRect(cr, 3, 3, 18, 18, 1.5);
  FillLit(cr, kBlue, lw);
  cairo_rectangle(cr, 7, 3.5, 10, 6);
  FillFlat(cr, kSteel, lw * 0.8);
  cairo_rectangle(cr, 13, 4.5, 2.2, 4);
  FillFlat(cr, kDark, 0);
  RoundedRect(cr, 6, 12.5, 12, 8, 0.8);
  FillFlat(cr, kWhite, lw * 0.8);
  Line(cr, 8, 15, 16, 15, kSky, lw * 0.7);
  Line(cr, 8, 17.5, 16, 17.5, kSky, lw * 0.7);
}

void Load(cairo_t* cr, double lw) {
  cairo_move_to(cr, 2, 6);
  cairo_line_to(cr, 8, 6);
  cairo_line_to(cr, 10, 8);
  cairo_line_to(cr, 20, 8);
  cairo_line_to(cr, 20, 20);
  cairo_line_to(cr, 2, 20);
  cairo_close_path(cr);
  FillLit(cr, Darker(kYellow, 0.2), lw);
  RoundedRect(cr, 6, 3.5, 11, 11, 0.6);
  FillFlat(cr, kWhite, lw * 0.8);
  cairo_move_to(cr, 5, 11);
  cairo_line_to(cr, 23, 11);
  cairo_line_to(cr, 20, 20);
  cairo_line_to(cr, 2, 20);
  cairo_close_path(cr);
  FillLit(cr, kYellow, lw);
}

void Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double lw, bool both) {
  double a = std::atan2(y1 - y0, x1 - x0);
  auto head = [&](double x, double y, double dir) {
    cairo_move_to(cr, x + 5 * std::cos(dir), y + 5 * std::sin(dir));
    cairo_line_to(cr, x + 4.5 * std::cos(dir + 2.3), y + 4.5 * std::sin(dir + 2.3));
    cairo_line_to(cr, x + 4.5 * std::cos(dir - 2.3), y + 4.5 * std::sin(dir - 2.3));
    cairo_close_path(cr);
    FillLit(cr, c, lw);
  };
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetColour(cr, pass ? c : kOutline);
    cairo_set_line_width(cr, pass ? 2.4 : 2.4 + 2 * lw);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
  }
  head(x1, y1, a);
  if (both) head(x0, y0, a + M_PI);
}

void Stretch(cairo_t* cr, double lw) {
  cairo_rectangle(cr, 3, 3, 18, 18);
  SetColour(cr, kOutline, 0.35);
  double dash[] = {2, 2};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  Arrow(cr, 7.5, 16.5, 16.5, 7.5, kTeal, lw, true);
}

void Rotate(cairo_t* cr, double lw) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_arc(cr, 12, 12.5, 7.5, -M_PI * 0.15, M_PI * 1.35);
    SetColour(cr, pass ? kGreen : kOutline);
    cairo_set_line_width(cr, pass ? 2.6 : 2.6 + 2 * lw);
    cairo_stroke(cr);
  }
  double a = -M_PI * 0.15;
  double x = 12 + 7.5 * std::cos(a), y = 12.5 + 7.5 * std::sin(a);
  cairo_move_to(cr, x - 4.5, y - 0.5);
  cairo_line_to(cr, x + 4.2, y - 1.5);
  cairo_line_to(cr, x + 1, y + 6);
  cairo_close_path(cr);
  FillLit(cr, kGreen, lw);
}

void Bin(cairo_t* cr, double lw) {
  RoundedRect(cr, 9, 1.5, 6, 3, 1);
  FillLit(cr, Hex(0x7a8aa3), lw);
  RoundedRect(cr, 3.5, 4, 17, 3.2, 1);
  FillLit(cr, Hex(0x7a8aa3), lw);
  cairo_move_to(cr, 5, 7.5);
  cairo_line_to(cr, 19, 7.5);
  cairo_line_to(cr, 17.5, 22.5);
  cairo_line_to(cr, 6.5, 22.5);
  cairo_close_path(cr);
  FillLit(cr, Hex(0x7a8aa3), lw);
  for (int i = 0; i < 3; ++i)
    Line(cr, 9 + i * 3, 10, 9.2 + i * 2.8, 20, Darker(Hex(0x7a8aa3), 0.35), lw);
}

void TargetRings(cairo_t* cr, double cx, double cy, double r, double lw) {
  Circle(cr, cx, cy, r);
  FillLit(cr, kWhite, lw);
  Circle(cr, cx, cy, r * 0.72);
  FillFlat(cr, kRed, 0);
  Circle(cr, cx, cy, r * 0.46);
  FillFlat(cr, kWhite, 0);
  Circle(cr, cx, cy, r * 0.22);
  FillFlat(cr, kRed, 0);
}

void Target(cairo_t* cr, double lw) {
  TargetRings(cr, 11, 13, 9.5, lw);
  Arrow(cr, 22, 2, 12.5, 11.5, kYellow, lw * 0.8, false);
}

void Padlock(cairo_t* cr, double lw) {
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 12);
    cairo_arc_negative(cr, 12, 8, 4, 0, M_PI);
    cairo_line_to(cr, 8, 12);
    SetColour(cr, pass ? kSteel : kOutline);
    cairo_set_line_width(cr, pass ? 2 : 2 + 2 * lw);
    cairo_stroke(cr);
  }
  RoundedRect(cr, 5, 11, 14, 11, 2);
  FillLit(cr, kYellow, lw);
  Circle(cr, 12, 15.5, 1.6);
  FillFlat(cr, kOutline, 0);
  cairo_rectangle(cr, 11.3, 15.5, 1.4, 3.5);
  FillFlat(cr, kOutline, 0);
}

void OpenLock(cairo_t* cr, double lw) {
  // The shackle lifted out of the body on its right leg.
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 12);
    cairo_line_to(cr, 8, 5);
    cairo_arc(cr, 12, 5, 4, M_PI, 2 * M_PI);
    cairo_line_to(cr, 16, 7.5);
    SetColour(cr, pass ? kSteel : kOutline);
    cairo_set_line_width(cr, pass ? 2 : 2 + 2 * lw);
    cairo_stroke(cr);
  }
  RoundedRect(cr, 5, 11, 14, 11, 2);
  FillLit(cr, kLime, lw);
  Circle(cr, 12, 15.5, 1.6);
  FillFlat(cr, kOutline, 0);
  cairo_rectangle(cr, 11.3, 15.5, 1.4, 3.5);
  FillFlat(cr, kOutline, 0);
}

void Exit(cairo_t* cr, double lw) {
  cairo_rectangle(cr, 3, 2, 12, 20);
  FillLit(cr, kBrown, lw);
  cairo_move_to(cr, 4, 3);
  cairo_line_to(cr, 11, 5);
  cairo_line_to(cr, 11, 23);
  cairo_line_to(cr, 4, 21);
  cairo_close_path(cr);
  FillLit(cr, kWood, lw);
  Circle(cr, 9.5, 13, 0.9);
  FillFlat(cr, kYellow, 0);
  Arrow(cr, 12, 12, 21.5, 12, kRed, lw * 0.8, false);
}

void Task(cairo_t* cr, double lw) {
  cairo_move_to(cr, 3, 2);
  cairo_line_to(cr, 15, 2);
  cairo_line_to(cr, 19, 6);
  cairo_line_to(cr, 19, 22);
  cairo_line_to(cr, 3, 22);
  cairo_close_path(cr);
  FillLit(cr, kCream, lw);
  for (int i = 0; i < 3; ++i) Line(cr, 6, 6 + i * 3, 13, 6 + i * 3, kSteel, lw * 0.8);
  TargetRings(cr, 16, 17, 6.2, lw);
}

}  // namespace

void DrawArt(cairo_t* cr, Art art, double lw) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (art) {
    case Art::kMagnifier:
      Magnifier(cr, lw);
      break;
    case Art::kTennisBall:
      TennisBall(cr, lw);
      break;
    case Art::kFootball:
      Football(cr, lw);
      break;
    case Art::kBucket:
      Bucket(cr, lw);
      break;
    case Art::kBrick:
      Brick(cr, lw);
      break;
    case Art::kRope:
      Rope(cr, lw);
      break;
    case Art::kLever:
      Lever(cr, lw);
      break;
    case Art::kRopeBlock:
      RopeBlock(cr, lw);
      break;
    case Art::kSquirrelCage:
      SquirrelCage(cr, lw);
      break;
    case Art::kBalloon:
      Balloon(cr, lw);
      break;
    case Art::kScissors:
      Scissors(cr, lw);
      break;
    case Art::kFlashlight:
      Flashlight(cr, lw);
      break;
    case Art::kTrack:
      Track(cr, lw);
      break;
    case Art::kLoopRope:
      LoopRope(cr, lw);
      break;
    case Art::kCandle:
      Candle(cr, lw);
      break;
    case Art::kPinion:
      Pinion(cr, lw);
      break;
    case Art::kBomb:
      Bomb(cr, lw);
      break;
    case Art::kOstrich:
      Ostrich(cr, lw);
      break;
    case Art::kPistol:
      Pistol(cr, lw);
      break;
    case Art::kGround:
      Ground(cr, lw);
      break;
    case Art::kRabbit:
      Rabbit(cr, lw);
      break;
    case Art::kCarrot:
      Carrot(cr, lw);
      break;
    case Art::kSave:
      Save(cr, lw);
      break;
    case Art::kLoad:
      Load(cr, lw);
      break;
    case Art::kStretch:
      Stretch(cr, lw);
      break;
    case Art::kRotate:
      Rotate(cr, lw);
      break;
    case Art::kBin:
      Bin(cr, lw);
      break;
    case Art::kTarget:
      Target(cr, lw);
      break;
    case Art::kUnlock:
      OpenLock(cr, lw);
      break;
    case Art::kLock:
      Padlock(cr, lw);
      break;
    case Art::kExit:
      Exit(cr, lw);
      break;
    case Art::kTask:
      Task(cr, lw);
      break;
  }
  cairo_restore(cr);
}

void PlaceArt(cairo_t* cr, Art art, double x, double y, double size, double lwPixels) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  double s = size / 24.0;
  cairo_scale(cr, s, s);
  DrawArt(cr, art, lwPixels / s);
  cairo_restore(cr);
}

}  // namespace qv::forge
