#include "parts/Pinion.h"

#include <cstdlib>
#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/LoopRope.h"
#include "physics/RopeEnd.h"
#include "physics/World.h"

namespace qv {
namespace {

FrameSet gPinionFrames;
constexpr int kPinionFrameCount = 13;
constexpr Fixed kPinionFrameStep = Fixed(0.2);
constexpr Fixed kPinionLastFrame = Fixed(12.98);
// Half the distance between two centres, per axis, within which pinions mesh.
constexpr int kMeshReach = 15;
const Fixed kPinionPush = kGravity * 3;
const char* const kPinionTargets[] = {"be spinning"};

int Reversed(int direction) {
  if (direction == kTurnForward) return kTurnBackward;
  if (direction == kTurnBackward) return kTurnForward;
  return kTurnNone;
}

}  // namespace

Pinion::Pinion() : share_(gPinionFrames) {
  flags |= kFlagStatic;
  box = Box(Fixed(), Fixed(), Fixed(28), Fixed(28));
}

bool Pinion::LoadImages() {
  return share_.Load(kPinionFrameCount, 0, "pinion\\S2A_00%02d.bmp", "pinion\\A_s2a_00%02d.bmp",
                     &frame);
}

Vec2 Pinion::WheelCentre() const {
  return Vec2(box.x + box.w / 2, box.y + box.w / 2);
}

bool Pinion::Contains(int x, int y) const {
  if (!GameObject::Contains(x, y)) return false;
  Vec2 c = WheelCentre();
  Fixed dx = Fixed(x) - c.x, dy = Fixed(y) - c.y, r = box.w / 2;
  return dx * dx + dy * dy <= r * r;
}

Vec2 Pinion::GetNormal(Fixed px, Fixed py) const {
  Vec2 n = Vec2(px, py) - WheelCentre();
  NormalizeWide(n);
  return n;
}

void Pinion::ClearForces() {
  spinning = false;
  drivenThisStep = false;
}

void Pinion::Draw(Surface& surface) {
  Box kept = box;
  box.x -= 4;
  box.y -= 4;
  DrawFrame(surface, gPinionFrames, frame.ToInt(), 0);
  box = kept;
}

bool Pinion::SharesBeltWith(const GameObject* other) const {
  if (world == nullptr) return false;
  for (int i = 0; i < world->Count(); ++i) {
    GameObject* o = world->At(i);
    if (o == nullptr || o->GetKind() != kKindLoopRope) continue;
    auto* belt = dynamic_cast<LoopRope*>(o);
    if (belt != nullptr && belt->Joins(this, other)) return true;
  }
  return false;
}

void Pinion::Drive(GameObject* driver) {
  spinning = true;
  if (driver == nullptr) return;
  const bool fromPinion = driver->GetKind() == kKindPinion;
  if (fromPinion && drivenThisStep) return;
  bool belt = false;
  if (fromPinion) {
    Vec2 d = GetCenter() - driver->GetCenter();
    int dx = std::abs((d.x / 2).ToInt()), dy = std::abs((d.y / 2).ToInt());
    if (dx > kMeshReach || dy > kMeshReach) {
      if (!SharesBeltWith(driver)) return;
      belt = true;
    }
  }
  drivenThisStep = true;
  const int spin = driver->GetSpin();
  direction = (!fromPinion || belt) ? spin : Reversed(spin);
  if (direction == kTurnNone) return;
  if (direction == kTurnForward) {
    frame += kPinionFrameStep;
    if (frame >= kPinionFrameCount) frame = Fixed();
  } else {
    frame -= kPinionFrameStep;
    if (frame < 0) frame = kPinionLastFrame;
  }
  if (world != nullptr)
    world->BroadcastEventExcept(kEventDrive, this, fromPinion ? driver : this, this);
}

void Pinion::OnEvent(int event, GameObject* other, void* data) {
  if ((event & kEventDrive) != 0) {
    Drive(static_cast<GameObject*>(data));
    return;
  }
  if ((event & kEventContact) == 0 || !spinning || other == nullptr) return;
  // Always toward +x, whichever way the wheel turns.
  if (!other->IsStatic()) other->AddForce(this, Vec2(kPinionPush * other->GetMass(), Fixed()));
}

const FrameSet* Pinion::GetImages() const {
  return &gPinionFrames;
}

bool Pinion::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || end == nullptr) return false;
  end->object = this;
  end->mode = kRopeModeWheel;
  return true;
}

bool Pinion::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0) return false;
  *point = GetCenter();
  return true;
}

const char* Pinion::GetTargetName(int i) const {
  return TargetNameOf(kPinionTargets, 1, i);
}

std::unique_ptr<GameObject> CreatePinion() {
  return std::make_unique<Pinion>();
}

}  // namespace qv
