#include "parts/Candle.h"

#include <cstdlib>

#include "gfx/Surface.h"
#include "parts/Bomb.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

constexpr Fixed kFlameRate = Fixed::FromRaw(13);  // 0.05 per sub-step
const char* const kTargetNames[kCandleTargetCount] = {
    "set fire to a bomb",
    "burn through a rope",
    "burst into flame",
};

}  // namespace

FrameSet& Candle::Frames() {
  static FrameSet set;
  return set;
}

Candle::Candle() : share_(Frames()) {
  box = Box(0, 0, 30, 40);
}

bool Candle::LoadImages() {
  return share_.Load(kCandleFrameCount, 0, "candle\\candle_0%1d.bmp", "candle\\A_candle_0%1d.bmp",
                     &frame);
}

bool Candle::Contains(int x, int y) const {
  return MaskContains(Frames(), frame.ToInt(), x, y, 0);
}

Box Candle::FlameBox() const {
  return Box(box.x + box.w / 4, box.y - box.h / 4, box.w / 2, box.h / 2);
}

void Candle::ApplyForces(Fixed /*dt*/) {
  if (!burning) return;
  frame += kFlameRate;
  if (frame >= kCandleFrameCount - 1) frame = 1;
  if (!world) return;
  Box flame = FlameBox();
  // A cut adds a new rope to the world: that is how the candle learns that
  // its own flame burnt one through.
  int before = world->Count();
  world->BroadcastEvent(kEventIgniteAndCut, this, &flame);
  for (int i = before; i < world->Count(); ++i) {
    if (world->At(i)->GetKind() == kKindRope) cutRope_ = true;
  }
}

void Candle::Draw(Surface& surface) {
  DrawFrame(surface, Frames(), frame.ToInt(), 0);
}

void Candle::OnEvent(int event, GameObject* other, void* data) {
  if (!burning && (event & kEventIgnite) && other != this && data) {
    CatchFlame(*static_cast<const Box*>(data));
  }
  if (!burning && (event & kEventBullet) && other) CatchBullet(*other);
  if (!burning && event == kEventExplosion && other && other != this) CatchExplosion(*other);
}

void Candle::CatchFlame(const Box& flame) {
  Box grown(flame.x - 3, flame.y - 3, flame.w + 6, flame.h + 6);
  Fixed wickX = Fixed((box.x + box.w / 2).ToInt());
  Fixed wickY = Fixed((box.y + box.h / 4).ToInt());
  if (wickX >= grown.x && wickX <= grown.Right() && wickY >= grown.y && wickY <= grown.Bottom()) {
    burning = true;
  }
}

void Candle::CatchBullet(const GameObject& bullet) {
  Vec2 d = GetCenter() - bullet.GetCenter();
  int dx = std::abs((d.x / 2).ToInt());
  int dy = std::abs((d.y / 2).ToInt());
  if (dx > 5 || dy > 10) return;
  if (dx * dx + dy * dy > 50) return;
  burning = true;
}

void Candle::CatchExplosion(const GameObject& bomb) {
  if (InsideBlast(bomb, *this)) burning = true;
}

const char* Candle::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kCandleTargetCount, i);
}

bool Candle::IsTargetMet(int i) const {
  switch (i) {
    case kCandleGoalLightBomb:
      return litBomb_;
    case kCandleGoalBurnRope:
      return cutRope_;
    case kCandleGoalBurn:
      return burning;
    default:
      return false;
  }
}

std::unique_ptr<GameObject> CreateCandle() {
  return std::make_unique<Candle>();
}

}  // namespace qv
