#pragma once
#include <cairo.h>

#include <string>

#include "Frame.h"

namespace qv::forge {

// The shared look of the part sprites: one palette, dark outlines and light
// falling from the top left.

struct Rgb {
  double r;
  double g;
  double b;
};

constexpr Rgb kInk{38, 28, 40};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSteel{172, 184, 198};
constexpr Rgb kIron{92, 100, 118};
constexpr Rgb kBrass{230, 182, 64};
constexpr Rgb kWood{200, 136, 70};
constexpr Rgb kRed{226, 58, 50};
constexpr Rgb kYellow{252, 214, 58};
constexpr Rgb kOrange{246, 134, 36};
constexpr Rgb kLeaf{86, 184, 62};
constexpr Rgb kFlame{255, 170, 40};

Rgb Mix(Rgb a, Rgb b, double t);
inline Rgb Lighter(Rgb c, double t) {
  return Mix(c, kWhite, t);
}
inline Rgb Darker(Rgb c, double t) {
  return Mix(c, Rgb{0, 0, 0}, t);
}

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);

// Fills the current path (kept) with base lit from the top left of the box
// (x0, y0)-(x1, y1): lighter there, darker toward the bottom right.
void FillLit(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1);
// The same with a radial glow for round bodies of radius r around (cx, cy).
void FillRound(cairo_t* cr, Rgb base, double cx, double cy, double r);
// Strokes the current path with the outline ink and clears it.
void Ink(cairo_t* cr, double width = 1.0);
// Fill lit, then outline: the usual finish of a cartoon shape.
void FillInk(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1, double width = 1.0);
// A small white glint, the reflection of the top-left light.
void Glint(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.8);

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Writes frame number n of a set: the printf patterns of its picture and
// "A_" companion, both game paths relative to the images root.
bool SaveNumbered(const Frame& frame, const std::string& root, const char* namePattern,
                  const char* alphaPattern, int n);

}  // namespace qv::forge
