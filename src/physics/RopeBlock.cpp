#include "physics/RopeBlock.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/RopeEnd.h"

namespace qv {
namespace {

FrameSet gRopeBlockFrames;

}  // namespace

RopeBlock::RopeBlock() : share_(gRopeBlockFrames) {
  flags |= kFlagStatic;
  box = Box(Fixed(), Fixed(), Fixed(26), Fixed(30));
}

bool RopeBlock::LoadImages() {
  return share_.Load(5, 0, "block\\b_l_100%02d.bmp", "block\\A_b_l_100%02d.bmp", &frame);
}

bool RopeBlock::Contains(int x, int y) const {
  return MaskContains(gRopeBlockFrames, 0, x, y, 0);
}

Vec2 RopeBlock::GetNormal(Fixed px, Fixed py) const {
  Vec2 n = Vec2(px, py) - GetCenter();
  NormalizeWide(n);
  return n;
}

void RopeBlock::Draw(Surface& surface) {
  DrawFrame(surface, gRopeBlockFrames, 0, 0);
}

const FrameSet* RopeBlock::GetImages() const {
  return &gRopeBlockFrames;
}

bool RopeBlock::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || end == nullptr) return false;
  end->object = this;
  end->mode = kRopeModePulley;
  return true;
}

bool RopeBlock::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0) return false;
  *point = GetCenter();
  return true;
}

std::unique_ptr<GameObject> CreateRopeBlock() {
  return std::make_unique<RopeBlock>();
}

}  // namespace qv
