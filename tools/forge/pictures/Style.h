#pragma once
#include <cairo.h>

// Kept in a namespace of their own so they never meet the part sprites' ink.
namespace qv::forge::style {

// The shared look of every picture: dark outlines, light from the top left,
// a bright palette.
struct Rgb {
  double r, g, b;
};

constexpr Rgb Hex(unsigned v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

namespace ink {
constexpr Rgb kOutline = Hex(0x2a1d2f);
constexpr Rgb kWhite = Hex(0xffffff);
constexpr Rgb kRed = Hex(0xe8413a);
constexpr Rgb kOrange = Hex(0xff9a1f);
constexpr Rgb kYellow = Hex(0xffd23a);
constexpr Rgb kLime = Hex(0xb6e23c);
constexpr Rgb kGreen = Hex(0x3fae4a);
constexpr Rgb kTeal = Hex(0x2fb5a8);
constexpr Rgb kSky = Hex(0x4aa8f0);
constexpr Rgb kBlue = Hex(0x3565d8);
constexpr Rgb kPurple = Hex(0x8a52c9);
constexpr Rgb kPink = Hex(0xff7fb0);
constexpr Rgb kBrown = Hex(0x9a5b2e);
constexpr Rgb kWood = Hex(0xd49a5a);
constexpr Rgb kBrick = Hex(0xc4452d);
constexpr Rgb kSteel = Hex(0xa9b6c4);
constexpr Rgb kDark = Hex(0x3b3f4a);
constexpr Rgb kCream = Hex(0xfff1cf);
}  // namespace ink

Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighter(Rgb c, double t = 0.45);
Rgb Darker(Rgb c, double t = 0.35);

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
// Fills the current path with c lit from the top left over the path's extents,
// then strokes it with the outline colour; the path is consumed.
void FillLit(cairo_t* cr, Rgb c, double outlineWidth);
// Same with a flat fill.
void FillFlat(cairo_t* cr, Rgb c, double outlineWidth);
// A soft white highlight ellipse.
void Gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.7);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A star of n points, for sparks and bursts.
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double turn = 0);

}  // namespace qv::forge::style
