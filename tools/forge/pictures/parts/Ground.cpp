#include <cmath>

#include "parts/Families.h"
#include "parts/Ink.h"

namespace qv::forge {
namespace {

// A piece is 24 x 11 pixels lying flat, 24 x 22 as a slope, 11 x 24 upright.
constexpr int kTileWidth = 12;  // two tiles across a flat piece
constexpr int kFlatHeight = 11;
constexpr int kSlopeWidth = 24;
constexpr int kSlopeHeight = 22;
constexpr int kUprightWidth = 11;
constexpr int kUprightHeight = 24;

constexpr Rgb kSoil{160, 104, 58};
constexpr Rgb kGrass{96, 196, 66};
constexpr Rgb kBrick{202, 88, 58};
constexpr Rgb kMortar{206, 178, 150};

// Small fixed variation so repeated bricks and pebbles do not look stamped.
double Jitter(int a, int b) {
  unsigned h = static_cast<unsigned>(a * 73856093) ^ static_cast<unsigned>(b * 19349663);
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return (h % 1000) / 1000.0;
}

// Grass blades along a line from (x0, y0) to (x1, y1): tufts rise `tall`
// above it and the sod reaches `deep` below it. Blades repeat every
// `period` pixels so tiles join without a seam.
void GrassBand(cairo_t* cr, double x0, double y0, double x1, double y1, double tall, double deep,
               double period) {
  const double slope = (y1 - y0) / (x1 - x0);
  auto lineY = [&](double x) { return y0 + slope * (x - x0); };
  const double step = period / 4.0;
  cairo_move_to(cr, x0, lineY(x0) + deep);
  cairo_line_to(cr, x0, lineY(x0) - tall * 0.45);
  int i = 0;
  for (double x = x0; x < x1 + step; x += step, ++i) {
    double tip = (i % 2 == 0) ? tall : tall * 0.6;
    double xt = std::fmin(x + step * 0.5, x1);
    cairo_line_to(cr, xt, lineY(xt) - tip);
    double xv = std::fmin(x + step, x1);
    cairo_line_to(cr, xv, lineY(xv) - tall * 0.3);
  }
  cairo_line_to(cr, x1, lineY(x1) + deep);
  cairo_close_path(cr);
  FillLit(cr, kGrass, x0, y0 - tall, x1, y1 + deep);
  cairo_new_path(cr);
}

// Outline only the grass tips and the cut ends, not the tile seams.
void GrassTips(cairo_t* cr, double x0, double y0, double x1, double y1, double tall,
               double period) {
  const double slope = (y1 - y0) / (x1 - x0);
  auto lineY = [&](double x) { return y0 + slope * (x - x0); };
  const double step = period / 4.0;
  cairo_move_to(cr, x0, lineY(x0) - tall * 0.45);
  int i = 0;
  for (double x = x0; x < x1 + step; x += step, ++i) {
    double tip = (i % 2 == 0) ? tall : tall * 0.6;
    double xt = std::fmin(x + step * 0.5, x1);
    cairo_line_to(cr, xt, lineY(xt) - tip);
    double xv = std::fmin(x + step, x1);
    cairo_line_to(cr, xv, lineY(xv) - tall * 0.3);
  }
  Ink(cr, 0.8);
}

void Pebbles(cairo_t* cr, double x0, double x1, double top, double slope, double depth) {
  int n = 0;
  for (double x = x0 + 1.5; x < x1 - 0.5; x += 3.0, ++n) {
    double y = top + slope * (x - x0) + 1.5 + Jitter(n, 7) * (depth - 3.0);
    Ellipse(cr, x + Jitter(n, 3) - 0.5, y, 0.7, 0.5);
  }
  SetColour(cr, Darker(kSoil, 0.35));
  cairo_fill(cr);
}

void Soil(cairo_t* cr, double x0, double top0, double x1, double top1, double depth) {
  cairo_move_to(cr, x0, top0);
  cairo_line_to(cr, x1, top1);
  cairo_line_to(cr, x1, top1 + depth);
  cairo_line_to(cr, x0, top0 + depth);
  cairo_close_path(cr);
  FillLit(cr, kSoil, x0, top0, x1, top1 + depth);
  cairo_new_path(cr);
  Pebbles(cr, x0, x1, top0, (top1 - top0) / (x1 - x0), depth);
}

bool ForgeGrassFlat(const std::string& root) {
  Frame f(kTileWidth, kFlatHeight);
  cairo_t* cr = f.Cr();
  const double top = kFlatHeight / 2.0;
  Soil(cr, 0, top, kTileWidth, top, kFlatHeight - top);
  cairo_move_to(cr, 0, kFlatHeight - 0.5);
  cairo_line_to(cr, kTileWidth, kFlatHeight - 0.5);
  Ink(cr);
  GrassBand(cr, 0, top, kTileWidth, top, 4.5, 1.5, kTileWidth);
  GrassTips(cr, 0, top, kTileWidth, top, 4.5, kTileWidth);
  return f.Save(root, "ground\\gr_1.bmp");
}

bool ForgeGrassSlope(const std::string& root) {
  Frame f(kSlopeWidth, kSlopeHeight);
  cairo_t* cr = f.Cr();
  // The solid soil starts a quarter down and is three eighths thick.
  const double h = kSlopeHeight;
  const double band = h * 3.0 / 4.0;
  const double top0 = h / 4.0;
  const double top1 = top0 + band / 2.0;
  Soil(cr, 0, top0, kSlopeWidth, top1, band / 2.0);
  cairo_move_to(cr, 0.5, top0);
  cairo_line_to(cr, 0.5, top0 + band / 2.0 - 0.5);
  cairo_line_to(cr, kSlopeWidth - 0.5, h - 0.5);
  cairo_line_to(cr, kSlopeWidth - 0.5, top1);
  Ink(cr);
  GrassBand(cr, 0, top0, kSlopeWidth, top1, 4.5, 1.5, kTileWidth);
  GrassTips(cr, 0, top0, kSlopeWidth, top1, 4.5, kTileWidth);
  return f.Save(root, "ground\\gr_2.bmp");
}

bool ForgeGrassUpright(const std::string& root) {
  Frame f(kUprightWidth, kUprightHeight);
  cairo_t* cr = f.Cr();
  const double top = kUprightHeight / 2.0;
  Soil(cr, 0, top, kUprightWidth, top, kUprightHeight - top);
  cairo_rectangle(cr, 0.5, top, kUprightWidth - 1, kUprightHeight - top - 0.5);
  Ink(cr);
  // Tall reeds on top: the upper half is grass, not ground.
  GrassBand(cr, 0.5, top, kUprightWidth - 0.5, top, 7.0, 1.5, kUprightWidth - 1.0);
  GrassTips(cr, 0.5, top, kUprightWidth - 0.5, top, 7.0, kUprightWidth - 1.0);
  return f.Save(root, "ground\\gr_3.bmp");
}

// Brick courses inside the current clip; `slope` shears the courses so they
// follow a sloped band.
void Bricks(cairo_t* cr, double width, double height, double slope, double course, double brick) {
  cairo_save(cr);
  cairo_matrix_t shear;
  cairo_matrix_init(&shear, 1, slope, 0, 1, 0, 0);
  cairo_transform(cr, &shear);
  cairo_rectangle(cr, -2, -height, width + 4, height * 3);
  SetColour(cr, kMortar);
  cairo_fill(cr);
  int row = 0;
  for (double v = 0; v < height; v += course, ++row) {
    double offset = (row % 2) ? brick / 2.0 : 0.0;
    int col = 0;
    for (double u = -offset; u < width; u += brick, ++col) {
      cairo_rectangle(cr, u + 0.5, v + 0.5, brick - 1.0, course - 1.0);
      Rgb tone = Mix(kBrick, Darker(kBrick, 0.25), Jitter(row, col + 11));
      FillLit(cr, tone, u, v, u + brick, v + course);
      cairo_new_path(cr);
    }
  }
  cairo_restore(cr);
}

bool ForgeBrickFlat(const std::string& root) {
  Frame f(kTileWidth, kFlatHeight);
  cairo_t* cr = f.Cr();
  Bricks(cr, kTileWidth, kFlatHeight, 0, kFlatHeight / 2.0, kTileWidth / 2.0);
  cairo_move_to(cr, 0, 0.5);
  cairo_line_to(cr, kTileWidth, 0.5);
  cairo_move_to(cr, 0, kFlatHeight - 0.5);
  cairo_line_to(cr, kTileWidth, kFlatHeight - 0.5);
  Ink(cr);
  return f.Save(root, "ground\\br_1.bmp");
}

bool ForgeBrickSlope(const std::string& root) {
  Frame f(kSlopeWidth, kSlopeHeight);
  cairo_t* cr = f.Cr();
  // The solid band runs from the top-left corner down to half height at the
  // right and is half the height thick.
  const double half = kSlopeHeight / 2.0;
  auto band = [&] {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, kSlopeWidth, half);
    cairo_line_to(cr, kSlopeWidth, kSlopeHeight);
    cairo_line_to(cr, 0, half);
    cairo_close_path(cr);
  };
  cairo_save(cr);
  band();
  cairo_clip(cr);
  Bricks(cr, kSlopeWidth, half, half / kSlopeWidth, half / 2.0, 6.0);
  cairo_restore(cr);
  cairo_move_to(cr, 0.5, 0.7);
  cairo_line_to(cr, kSlopeWidth - 0.5, half + 0.2);
  cairo_line_to(cr, kSlopeWidth - 0.5, kSlopeHeight - 0.7);
  cairo_line_to(cr, 0.5, half - 0.2);
  cairo_close_path(cr);
  Ink(cr);
  return f.Save(root, "ground\\br_2.bmp");
}

bool ForgeBrickUpright(const std::string& root) {
  Frame f(kUprightWidth, kUprightHeight);
  cairo_t* cr = f.Cr();
  Bricks(cr, kUprightWidth, kUprightHeight, 0, kUprightHeight / 4.0, kUprightWidth / 2.0);
  cairo_rectangle(cr, 0.5, 0.5, kUprightWidth - 1, kUprightHeight - 1);
  Ink(cr);
  return f.Save(root, "ground\\br_3.bmp");
}

}  // namespace

bool ForgeGround(const std::string& root) {
  bool ok = ForgeGrassFlat(root);
  ok = ForgeGrassSlope(root) && ok;
  ok = ForgeGrassUpright(root) && ok;
  ok = ForgeBrickFlat(root) && ok;
  ok = ForgeBrickSlope(root) && ok;
  ok = ForgeBrickUpright(root) && ok;
  return ok;
}

}  // namespace qv::forge
