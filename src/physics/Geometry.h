#pragma once
#include <cstdint>

#include "physics/Fixed.h"

namespace qv {

struct Vec2 {
  Fixed x;
  Fixed y;
  constexpr Vec2() = default;
  constexpr Vec2(Fixed px, Fixed py) : x(px), y(py) {}
  friend constexpr bool operator==(Vec2 a, Vec2 b) { return a.x == b.x && a.y == b.y; }
  friend constexpr Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
  friend constexpr Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
};

// Axis-aligned box: top-left corner, width and height; y grows downward.
struct Box {
  Fixed x;
  Fixed y;
  Fixed w;
  Fixed h;
  constexpr Box() = default;
  constexpr Box(Fixed px, Fixed py, Fixed pw, Fixed ph) : x(px), y(py), w(pw), h(ph) {}
  constexpr Fixed Right() const { return x + w; }
  constexpr Fixed Bottom() const { return y + h; }
  friend constexpr bool operator==(const Box& a, const Box& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
  }
};

// Square root through double of a sum of 32-bit Fixed squares. A sum that
// wrapped negative gives raw INT32_MIN, as x86 converts the NaN.
Fixed Length(Vec2 v);
// Length with squares taken in 64 bits: equals Length wherever that does not
// wrap, and stays right for long spans.
Fixed LengthWide(Vec2 v);
void Normalize(Vec2& v);
// Normalize by LengthWide.
void NormalizeWide(Vec2& v);
Fixed Dot(Vec2 a, Vec2 b);
bool IntersectBoxes(const Box& a, const Box& b, Box* out);

// World units are half pixels: raw / 2, then the integer part.
constexpr int WorldToPixel(Fixed v) {
  return (v.Raw() / 2) >> kFractionBits;
}

}  // namespace qv
