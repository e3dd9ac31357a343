#include "physics/RopeGeometry.h"

#include <algorithm>

namespace qv {
namespace {

bool Within(int v, int a, int b) {
  return std::min(a, b) <= v && v <= std::max(a, b);
}

// Slope dy / dx in Fixed; a zero dx divides to 0 rather than trapping.
Fixed Slope(int x1, int y1, int x2, int y2) {
  return Fixed(y2 - y1) / Fixed(x2 - x1);
}

}  // namespace

bool SegmentCrossesHorizontal(int x1, int y1, int x2, int y2, int v, int xa, int xb,
                              RopePoint* out) {
  int cx = x1;
  if (x2 != x1) cx = x1 + (Fixed(v - y1) / Slope(x1, y1, x2, y2)).ToInt();
  if (!Within(cx, x1, x2) || !Within(v, y1, y2) || !Within(cx, xa, xb)) return false;
  if (out != nullptr) *out = RopePoint{cx, v};
  return true;
}

bool SegmentCrossesVertical(int x1, int y1, int x2, int y2, int v, int ya, int yb, RopePoint* out) {
  int cy = y1;
  if (x2 != x1) cy = y1 + (Fixed(v - x1) * Slope(x1, y1, x2, y2)).ToInt();
  if (!Within(cy, y1, y2) || !Within(v, x1, x2) || !Within(cy, ya, yb)) return false;
  if (out != nullptr) *out = RopePoint{v, cy};
  return true;
}

bool SegmentCrossesBoxMiddle(Vec2 p, Vec2 q, const Box& box, RopePoint* out) {
  int x1 = p.x.ToInt(), y1 = p.y.ToInt(), x2 = q.x.ToInt(), y2 = q.y.ToInt();
  int midY = (box.y + box.h / 2).ToInt();
  if (SegmentCrossesHorizontal(x1, y1, x2, y2, midY, box.x.ToInt(), box.Right().ToInt(), out)) {
    return true;
  }
  int midX = (box.x + box.w / 2).ToInt();
  return SegmentCrossesVertical(x1, y1, x2, y2, midX, box.y.ToInt(), box.Bottom().ToInt(), out);
}

bool SegmentNearPoint(Vec2 p, Vec2 q, int x, int y) {
  return SegmentCrossesBoxMiddle(p, q, Box(Fixed(x - 10), Fixed(y - 10), Fixed(20), Fixed(20)),
                                 nullptr);
}

Fixed SegmentMeasure(Vec2 p, Vec2 q) {
  Vec2 d = q - p;
  return LengthWide(Vec2(d.x / 2, d.y / 2));
}

Vec2 DirectionTo(Vec2 p, Vec2 q) {
  Vec2 d = q - p;
  NormalizeWide(d);
  return d;
}

}  // namespace qv
