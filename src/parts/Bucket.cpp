#include "parts/Bucket.h"

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/Ball.h"
#include "physics/RopeEnd.h"
#include "physics/World.h"

namespace qv {
namespace {

// The frame whose mask is the bucket's shape (not the one drawn).
constexpr int kShapeFrame = 1;
// Seats from the bucket's top-left corner.
const int kTennisSeats[kBucketCapacity][2] = {{6, 4}, {16, 4}, {11, -4}};
const int kFootballSeat[2] = {4, -10};
const char* const kTargetNames[kBucketTargetCount] = {
    "fall to the object",
    "hold a ball",
    "fall and leave the screen",
};

// The pictures' screen height in pixels; the handheld's when there is none.
int ScreenHeightPixels() {
  const Surface* screen = BackBuffer();
  return screen ? screen->Height() : 320;
}

bool IsBallKind(int kind) {
  return kind == kKindTennisBall || kind == kKindFootball;
}

}  // namespace

FrameSet& Bucket::Frames() {
  static FrameSet set;
  return set;
}

Bucket::Bucket() : share_(Frames()) {
  box = Box(0, 0, 36, 46);
}

bool Bucket::LoadImages() {
  return share_.Load(kBucketFrameCount, 0, "bucket\\m_v2_00%02d.bmp", "bucket\\A_m_v2_00%02d.bmp",
                     &frame);
}

bool Bucket::Contains(int x, int y) const {
  return MaskContains(Frames(), kShapeFrame, x, y, 0);
}

Vec2 Bucket::GetNormal(Fixed px, Fixed py) const {
  Vec2 c = GetCenter();
  Vec2 n(px - c.x, py - c.y);
  Normalize(n);
  return n;
}

bool Bucket::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || !end) return false;
  end->object = this;
  end->mode = kRopeModeTie;
  return true;
}

bool Bucket::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0 || !point) return false;
  *point = Vec2(box.x + box.w / 2, box.y);
  return true;
}

GameObject* Bucket::HeldBall(int i) const {
  return i >= 0 && i < ballCount ? balls[i] : nullptr;
}

void Bucket::ApplyForces(Fixed /*dt*/) {
  if (started_) return;
  started_ = true;
  startY_ = box.y;
}

void Bucket::OnEvent(int event, GameObject* other, void* data) {
  if (!(event & kEventContact) || !other || !data) return;
  NoteTouch(*other);
  if (IsBallKind(other->GetKind())) Catch(*other, *static_cast<const Vec2*>(data));
}

// A fall ends on something other than a ball once the bucket has come down
// far enough; standing where it was placed never counts.
void Bucket::NoteTouch(const GameObject& other) {
  if (!started_ || IsBallKind(other.GetKind())) return;
  if (box.y - startY_ >= kBucketFallDistance) fellOnObject_ = true;
}

void Bucket::Catch(GameObject& other, const Vec2& point) {
  if (point.y >= box.y + box.h / 4) return;  // only the mouth catches
  auto* ball = dynamic_cast<Ball*>(&other);
  if (!ball) return;
  bool tennis = other.GetKind() == kKindTennisBall;
  if (tennis ? ballCount >= kBucketCapacity : ballCount != 0) return;
  ball->EnterBucket(this);
  balls[ballCount++] = &other;
}

void Bucket::Draw(Surface& surface) {
  for (int i = 0; i < ballCount; ++i) {
    auto* ball = static_cast<Ball*>(balls[i]);
    const int* seat = ball->GetKind() == kKindTennisBall ? kTennisSeats[i] : kFootballSeat;
    ball->SetPosition(box.x + seat[0], box.y + seat[1]);
    ball->SetInBucket(false);
    ball->Draw(surface);
    ball->SetInBucket(true);
  }
  DrawFrame(surface, Frames(), 0, 0);
}

const char* Bucket::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kBucketTargetCount, i);
}

bool Bucket::IsTargetMet(int i) const {
  switch (i) {
    case kBucketGoalFallToObject:
      return fellOnObject_;
    case kBucketGoalHoldBall:
      return ballCount > 0;
    case kBucketGoalLeaveScreen:
      return box.y / 2 > ScreenHeightPixels();
    default:
      return false;
  }
}

std::unique_ptr<GameObject> CreateBucket() {
  return std::make_unique<Bucket>();
}

}  // namespace qv
