#include "physics/Geometry.h"

#include <cmath>

namespace qv {

Fixed Length(Vec2 v) {
  Fixed s = v.x * v.x + v.y * v.y;
  double root = std::sqrt(static_cast<double>(s.Raw()) / static_cast<double>(kOne));
  return Fixed(root);
}

Fixed LengthWide(Vec2 v) {
  // (raw*raw) >> 8 per axis, summed without wrap-around.
  auto sq = [](Fixed f) {
    std::int64_t r = f.Raw();
    return (r * r) >> kFractionBits;
  };
  std::int64_t s = sq(v.x) + sq(v.y);
  double root = std::sqrt(static_cast<double>(s) / static_cast<double>(kOne));
  return Fixed(root);
}

void Normalize(Vec2& v) {
  Fixed len = Length(v);
  if (len == Fixed()) return;
  v.x /= len;
  v.y /= len;
}

void NormalizeWide(Vec2& v) {
  Fixed len = LengthWide(v);
  if (len == Fixed()) return;
  v.x /= len;
  v.y /= len;
}

Fixed Dot(Vec2 a, Vec2 b) {
  if ((a.x == Fixed() && a.y == Fixed()) || (b.x == Fixed() && b.y == Fixed())) return Fixed();
  return a.x * b.x + a.y * b.y;
}

bool IntersectBoxes(const Box& a, const Box& b, Box* out) {
  Fixed left = a.x > b.x ? a.x : b.x;
  Fixed right = a.Right() < b.Right() ? a.Right() : b.Right();
  Fixed top = a.y > b.y ? a.y : b.y;
  Fixed bottom = a.Bottom() < b.Bottom() ? a.Bottom() : b.Bottom();
  bool result = true;
  if (left > right) {
    left = right = Fixed();
    result = false;
  }
  if (top > bottom) {
    top = bottom = Fixed();
    result = false;
  }
  if (out != nullptr) *out = Box(left, top, right - left, bottom - top);
  return result;
}

}  // namespace qv
