#pragma once
#include "physics/Geometry.h"

namespace qv {

// Integer point on a rope segment where it crosses a test line.
struct RopePoint {
  int x = 0;
  int y = 0;
};

// Does the segment (x1, y1)-(x2, y2) cross the horizontal line y = v between
// xa and xb (inclusive)? The crossing point goes to out.
bool SegmentCrossesHorizontal(int x1, int y1, int x2, int y2, int v, int xa, int xb,
                              RopePoint* out);
// The same for the vertical line x = v between ya and yb.
bool SegmentCrossesVertical(int x1, int y1, int x2, int y2, int v, int ya, int yb, RopePoint* out);
// A segment crosses the box's horizontal middle line, or else its vertical one.
bool SegmentCrossesBoxMiddle(Vec2 p, Vec2 q, const Box& box, RopePoint* out);
// Picking: the middle lines of the 20 x 20 box centred on (x, y).
bool SegmentNearPoint(Vec2 p, Vec2 q, int x, int y);

// The rope's measure of a segment: half the distance between the hook points,
// the difference halved per component before the length is taken. Squares are
// 64-bit, so spans across the whole screen measure right.
Fixed SegmentMeasure(Vec2 p, Vec2 q);
// The unit vector from p toward q (unchanged zero vector when they coincide).
Vec2 DirectionTo(Vec2 p, Vec2 q);

}  // namespace qv
