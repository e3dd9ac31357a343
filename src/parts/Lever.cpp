#include "parts/Lever.h"

#include <cstdlib>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/Rope.h"
#include "physics/RopeEnd.h"
#include "physics/World.h"

namespace qv {
namespace {

constexpr Fixed kSwingRate = Fixed(0.25);  // a full swing takes 32 sub-steps
// The hook points sit this far in from the ends.
constexpr int kHookInset = 6;
const char* const kTargetNames[kLeverTargetCount] = {"change its state"};

// (v.y, -v.x), normalised.
Vec2 PerpendicularUnit(Vec2 v) {
  Vec2 n(v.y, -v.x);
  Normalize(n);
  return n;
}

}  // namespace

FrameSet& Lever::Frames() {
  static FrameSet set;
  return set;
}

Lever::Lever() : share_(Frames()) {
  box = Box(0, 0, 78, 36);
  flags |= kFlagStatic;
  orientationCount = 2;
}

bool Lever::LoadImages() {
  return share_.Load(kLeverFrameCount, 0, "lever\\m_r1_000%1d.bmp", "lever\\A_m_r1_000%1d.bmp",
                     &frame);
}

bool Lever::Contains(int x, int y) const {
  return MaskContains(Frames(), tilt.ToInt(), x, y, 0);
}

Vec2 Lever::GetNormal(Fixed px, Fixed /*py*/) const {
  Vec2 c(box.x + box.w / 2, box.y + box.h / 2);
  if (px < c.x) {
    if (tilt >= kLeverLevel) return Vec2(0, -1);
    Vec2 lowLeft(box.x + kHookInset, c.y + box.h * (kLeverLevel - tilt) / 8);
    return PerpendicularUnit(c - lowLeft);
  }
  if (tilt <= kLeverLevel) return Vec2(0, -1);
  Vec2 lowRight(box.x + box.w - kHookInset, c.y + box.h * (tilt - kLeverLevel) / 8);
  return PerpendicularUnit(lowRight - c);
}

bool Lever::AttachRope(int hook, RopeEnd* end) {
  if ((hook != kLeverLeftHook && hook != kLeverRightHook) || !end) return false;
  end->object = this;
  end->mode = kRopeModeTie;
  return true;
}

bool Lever::GetHookPoint(int hook, Vec2* point) const {
  if (!point) return false;
  Fixed drop = tilt * (box.h / 8);
  if (hook == kLeverLeftHook) {
    *point = Vec2(box.x + kHookInset, box.y + box.h - drop);
    return true;
  }
  if (hook == kLeverRightHook) {
    *point = Vec2(box.x + box.w - kHookInset, box.y + drop);
    return true;
  }
  return false;
}

void Lever::ApplyForces(Fixed /*dt*/) {
  if (swing == 0) return;
  tilt += kSwingRate * swing;
  if (tilt <= kLeverLeftDown) {
    tilt = kLeverLeftDown;
    swing = 0;
  } else if (tilt >= kLeverRightDown) {
    tilt = kLeverRightDown;
    swing = 0;
  }
}

void Lever::Draw(Surface& surface) {
  DrawFrame(surface, Frames(), tilt.ToInt(), 0);
}

void Lever::OnEvent(int event, GameObject* other, void* data) {
  if ((event & kEventContact) && !hitThisStep && data) {
    OnContact(other, *static_cast<const Vec2*>(data));
  }
  if ((event & kEventRopePull) && data) OnRopePull(other, *static_cast<const Vec2*>(data));
}

bool Lever::StartsFromRest(int way) const {
  bool atRest =
      swing == 0 || (swing > 0 && tilt >= kLeverRightDown) || (swing < 0 && tilt <= kLeverLeftDown);
  bool canMove = way > 0 ? tilt < kLeverRightDown : tilt > kLeverLeftDown;
  return atRest && canMove;
}

// Whatever touches a half pushes it down. Only a hard blow that sets the
// lever going from rest kicks: one that lands while it already swings (a
// ball still bouncing on it) would fling its neighbours in every sub-step.
void Lever::OnContact(GameObject* other, const Vec2& point) {
  changed = true;
  int way = point.x >= box.x + box.w / 2 ? 1 : -1;
  bool fromRest = StartsFromRest(way);
  swing = way;
  if (!other || !fromRest) return;
  if (std::abs(other->GetVelocity().y.ToInt()) < 2) return;
  Kick(other);
  hitThisStep = true;
}

void Lever::OnRopePull(GameObject* rope, const Vec2& pull) {
  if (!world || !rope || world->IndexOf(rope) < 0 || rope->GetKind() != kKindRope) return;
  const Rope& r = *static_cast<const Rope*>(rope);
  bool up = pull.y < 0;
  bool down = pull.y > 0;
  int way = 0;
  for (int i = 0; i < r.EndCount(); ++i) {
    const RopeEnd* end = r.End(i);
    Vec2 hook;
    if (!end || end->object != this || !GetHookPoint(end->hook, &hook)) continue;
    if (hook.x >= box.x + box.w / 2) {
      if (up && tilt > kLeverLevel)
        way = -1;
      else if (down && tilt < kLeverLevel)
        way = 1;
    } else {
      if (up && tilt < kLeverLevel)
        way = 1;
      else if (down && tilt > kLeverLevel)
        way = -1;
    }
  }
  if (swing != 0 || way == 0) return;
  swing = way;
  changed = true;
  Kick(rope);
}

void Lever::Kick(GameObject* except) {
  if (!world) return;
  Vec2 kick(0, 40);
  world->BroadcastEventExcept(kEventLeverKick, this, except, &kick);
}

const char* Lever::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kLeverTargetCount, i);
}

std::unique_ptr<GameObject> CreateLever() {
  return std::make_unique<Lever>();
}

}  // namespace qv
