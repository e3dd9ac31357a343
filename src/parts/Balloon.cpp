#include "parts/Balloon.h"

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/RopeEnd.h"
#include "physics/World.h"

namespace qv {
namespace {

// Slightly more than the gravity field's 9 per unit of mass.
constexpr int kLiftPerMass = 10;
constexpr Fixed kSwayStep = Fixed::FromRaw(5 * 10);  // per drawn tick
const char* const kTargetNames[kBalloonTargetCount] = {
    "touch an object",
    "be blown up by a bullet",
    "fly off",
};

}  // namespace

FrameSet& Balloon::Frames() {
  static FrameSet set;
  return set;
}

Balloon::Balloon() : share_(Frames()) {
  box = Box(0, 0, 38, 40);
  mass = Fixed(25);
}

bool Balloon::LoadImages() {
  return share_.Load(kBalloonFrameCount, 0, "balloon\\m_p1m2_000%1d.bmp",
                     "balloon\\A_m_p1m2_000%1d.bmp", &frame);
}

bool Balloon::Contains(int x, int y) const {
  return MaskContains(Frames(), 0, x, y, 0);
}

Vec2 Balloon::GetNormal(Fixed px, Fixed py) const {
  Vec2 c = GetCenter();
  Vec2 n(px - c.x, py - c.y);
  Normalize(n);
  return n;
}

bool Balloon::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || !end) return false;
  end->object = this;
  end->mode = kRopeModeTie;
  return true;
}

bool Balloon::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0 || !point) return false;
  *point = Vec2(box.x + box.w / 2, box.y + box.h);
  return true;
}

void Balloon::ApplyForces(Fixed /*dt*/) {
  AddForce(this, Vec2(0, Fixed(-kLiftPerMass) * mass));
}

// Touches count for the touch goal; a bullet whose centre passes through the
// balloon's shape pops it (it leaves the run and its ropes go slack) and
// flies on.
void Balloon::OnEvent(int event, GameObject* other, void* /*data*/) {
  if (event & kEventContact) touched_ = true;
  if ((event & kEventBullet) && other && !removed) {
    Vec2 c = other->GetCenter();
    if (MaskContains(Frames(), 0, c.x.ToInt(), c.y.ToInt(), 0)) Remove();
  }
}

void Balloon::Draw(Surface& surface) {
  frame += kSwayStep * animDirection;
  if (frame >= kBalloonFrameCount) {
    animDirection = -1;
    frame = kBalloonFrameCount - 1;
  } else if (frame < 0) {
    frame = 0;
    animDirection = 1;
  }
  DrawFrame(surface, Frames(), frame.ToInt(), 0);
}

const char* Balloon::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kBalloonTargetCount, i);
}

bool Balloon::IsTargetMet(int i) const {
  switch (i) {
    case kBalloonGoalTouch:
      return touched_;
    case kBalloonGoalPopped:
      return removed;
    case kBalloonGoalFlyOff:
      return box.y + box.h < 0;
    default:
      return false;
  }
}

std::unique_ptr<GameObject> CreateBalloon() {
  return std::make_unique<Balloon>();
}

}  // namespace qv
