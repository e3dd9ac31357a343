#include "parts/Track.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "parts/Pinion.h"
#include "physics/RopeEnd.h"

namespace qv {
namespace {

FrameSet gTrackFrames;
constexpr int kTrackFrameCount = 16;
// Only the first four frames are the running belt.
constexpr int kTrackShownFrames = 4;
constexpr Fixed kTrackFrameStep = Fixed(0.2);
constexpr Fixed kTrackLastFrame = Fixed(3.98);
const Fixed kTrackPush = kGravity * 9;
const char* const kTrackTargets[] = {"get moving"};

}  // namespace

Track::Track() : share_(gTrackFrames) {
  flags |= kFlagStatic;
  box = Box(Fixed(), Fixed(), Fixed(44), Fixed(22));
}

bool Track::LoadImages() {
  return share_.Load(kTrackFrameCount, 0, "track\\T1_00%02d.bmp", "track\\A_t1_00%02d.bmp", &frame);
}

bool Track::Contains(int x, int y) const {
  return MaskContains(gTrackFrames, 0, x, y, 0);
}

void Track::Draw(Surface& surface) {
  DrawFrame(surface, gTrackFrames, frame.ToInt(), 0);
}

void Track::Drive(const GameObject* driver) {
  moving = true;
  const int spin = driver != nullptr ? driver->GetSpin() : kTurnNone;
  if (spin == kTurnForward) {
    direction = kTurnForward;
    frame += kTrackFrameStep;
    if (frame >= kTrackShownFrames) frame = Fixed();
  } else if (spin == kTurnBackward) {
    direction = kTurnBackward;
    frame -= kTrackFrameStep;
    if (frame < 0) frame = kTrackLastFrame;
  }
}

void Track::OnEvent(int event, GameObject* other, void* data) {
  if ((event & kEventDrive) != 0 && other != nullptr && other->GetKind() == kKindLoopRope) {
    Drive(static_cast<const GameObject*>(data));
    return;
  }
  if ((event & kEventContact) == 0 || !moving || other == nullptr || data == nullptr) return;
  const Vec2& p = *static_cast<const Vec2*>(data);
  Fixed push = kTrackPush * other->GetMass();
  if (direction == kTurnBackward) push = -push;
  // Under the belt the surface runs the other way.
  if (p.y > box.y + box.h / 2) push = -push / 3;
  other->AddForce(this, Vec2(push, Fixed()));
}

const FrameSet* Track::GetImages() const {
  return &gTrackFrames;
}

bool Track::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || end == nullptr) return false;
  end->object = this;
  end->mode = kRopeModeWheel;
  return true;
}

bool Track::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0) return false;
  *point = GetCenter();
  return true;
}

const char* Track::GetTargetName(int i) const {
  return TargetNameOf(kTrackTargets, 1, i);
}

std::unique_ptr<GameObject> CreateTrack() {
  return std::make_unique<Track>();
}

}  // namespace qv
