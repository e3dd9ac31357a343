#include "physics/Ball.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"

namespace qv {
namespace {

FrameSet gTennisFrames;
FrameSet gFootballFrames;

constexpr int kBallFrames = 9;
// The screen height the leave-the-screen goal falls back to without a back
// buffer.
constexpr int kScreenHeight = 320;
const Fixed kLeverLaunch = Fixed(60.0);
constexpr int kLeverPivotDepth = 100;

const char* const kBallTargetNames[kBallTargetCount] = {"hit the object", "get inside the bucket",
                                                        "fall and leave the screen"};

bool IsFloorPiece(const GameObject& obj) {
  return obj.GetKind() == kKindGround || obj.GetKind() == kKindGroundBlock;
}

}  // namespace

Ball::Ball() {
  bounce = Fixed(1.0);
}

bool Ball::Contains(int x, int y) const {
  if (!GameObject::Contains(x, y)) return false;
  const Fixed r(box.w.ToInt() / 2);
  const Fixed dx = box.x + r - x;
  const Fixed dy = box.y + r - y;
  return dx * dx + dy * dy <= r * r;
}

Vec2 Ball::GetNormal(Fixed px, Fixed py) const {
  Vec2 n(px - (box.x + box.w / 2), py - (box.y + box.w / 2));
  Normalize(n);
  return n;
}

void Ball::ApplyForces(Fixed /*dt*/) {}

void Ball::Draw(Surface& surface) {
  if (inBucket) return;
  const FrameSet& set = Frames();
  const Fixed speed = velocity.x < 0 ? -velocity.x : velocity.x;
  const Fixed rate = velocity.x < 0 ? -kBallSpinFactor : kBallSpinFactor;
  spinFrame += rate * speed;
  if (spinFrame >= set.frameCount) {
    spinFrame = Fixed();
  } else if (spinFrame < 0) {
    spinFrame = Fixed(set.frameCount - 1);
  }
  DrawFrame(surface, set, spinFrame.ToInt(), 0);
}

void Ball::OnEvent(int event, GameObject* other, void* /*data*/) {
  if (other == nullptr) return;
  if ((event & kEventContact) != 0 && !IsFloorPiece(*other)) hitObject_ = true;
  if ((event & kEventLeverKick) == 0 || other->GetKind() != kKindLever) return;
  const Box lever = other->GetBox();
  if (!IntersectBoxes(box, lever, nullptr)) return;
  // Flung away from a point below the middle of the lever.
  const Vec2 top(box.x + box.w / 2, box.y);
  const Vec2 pivot(lever.x + lever.w / 2, lever.y + lever.h + kLeverPivotDepth);
  Vec2 d = top - pivot;
  Normalize(d);
  velocity.x += kLeverLaunch * d.x;
  velocity.y += kLeverLaunch * d.y;
}

const char* Ball::GetTargetName(int i) const {
  return TargetNameOf(kBallTargetNames, kBallTargetCount, i);
}

bool Ball::IsTargetMet(int i) const {
  switch (i) {
    case kBallGoalHit:
      return hitObject_;
    case kBallGoalBucket:
      return (flags & ~kFlagCollidable) != 0;
    case kBallGoalLeaveScreen: {
      const Surface* screen = BackBuffer();
      const int height = screen != nullptr ? screen->Height() : kScreenHeight;
      return box.y / 2 > height;
    }
    default:
      return false;
  }
}

void Ball::EnterBucket(GameObject* holder) {
  if (inBucket || holder == nullptr) return;
  bucket = holder;
  flags &= ~kFlagCollidable;
  flags |= kFlagStatic;
  const Box b = holder->GetBox();
  SetBox(Box(b.x + 5, b.y + 4, Fixed(), Fixed()));
  holder->SetMass(holder->GetMass() + mass);
  velocity = Vec2();
  inBucket = true;
}

TennisBall::TennisBall() : share_(gTennisFrames) {
  box.w = Fixed(16);
  box.h = Fixed(16);
}

bool TennisBall::LoadImages() {
  return share_.Load(kBallFrames, 0, "ball\\t\\ball_2_000%1d.bmp", "ball\\t\\A_ball_2_000%1d.bmp",
                     &spinFrame);
}

const FrameSet& TennisBall::Frames() const {
  return gTennisFrames;
}

Football::Football() : share_(gFootballFrames) {
  box.w = Fixed(32);
  box.h = Fixed(32);
}

bool Football::LoadImages() {
  return share_.Load(kBallFrames, 0, "ball\\f\\ball_1_000%1d.bmp", "ball\\f\\A_ball_1_000%1d.bmp",
                     &spinFrame);
}

const FrameSet& Football::Frames() const {
  return gFootballFrames;
}

std::unique_ptr<GameObject> CreateTennisBall() {
  return std::make_unique<TennisBall>();
}
std::unique_ptr<GameObject> CreateFootball() {
  return std::make_unique<Football>();
}

}  // namespace qv
