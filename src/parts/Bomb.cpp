#include "parts/Bomb.h"

#include <cstdlib>

#include "gfx/Surface.h"
#include "parts/Candle.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

constexpr Fixed kFuseRate = Fixed::FromRaw(5);        // 0.02 per sub-step
constexpr Fixed kExplosionRate = Fixed::FromRaw(38);  // 0.15 per sub-step
// A neighbour's blast leaves half a fuse.
constexpr Fixed kChainFuse = Fixed::FromRaw(640);
// The explosion frames are larger than the bomb and centre on it.
constexpr int kDrawShift = 24;
const char* const kTargetNames[kBombTargetCount] = {"be exploded"};

}  // namespace

bool InsideBlast(const GameObject& bomb, const GameObject& target) {
  Fixed r = Fixed(1.5 * std::abs(bomb.box.w.ToInt()));
  Vec2 d = bomb.GetCenter() - target.GetCenter();
  if (Fixed(std::abs(d.x.ToInt())) > r || Fixed(std::abs(d.y.ToInt())) > r) return false;
  return d.x * d.x + d.y * d.y < r * r;
}

FrameSet& Bomb::Frames() {
  static FrameSet set;
  return set;
}

ClassSample& Bomb::Sample() {
  static ClassSample sample;
  return sample;
}

Bomb::Bomb() : share_(Frames()), sample_(Sample()) {
  box = Box(0, 0, 26, 26);
  orientationCount = 2;
}

bool Bomb::LoadImages() {
  sample_.Load("Wav\\bangbang.wav");
  return share_.Load(kBombFrameCount, 0, "bomb\\bomb_00%02d.bmp", "bomb\\A_bomb_00%02d.bmp",
                     &frame);
}

bool Bomb::Contains(int x, int y) const {
  if (!GameObject::Contains(x, y)) return false;
  Fixed r = box.w / 2;
  Fixed dx = box.x + r - Fixed(x);
  Fixed dy = box.y + r - Fixed(y);
  return dx * dx + dy * dy <= r * r;
}

Vec2 Bomb::GetNormal(Fixed px, Fixed py) const {
  Fixed r = box.w / 2;
  Vec2 n(px - (box.x + r), py - (box.y + r));
  Normalize(n);
  return n;
}

Vec2 Bomb::FusePoint() const {
  return FramePixelToWorld(13, 0, orientation == 1 ? kMirrorX : 0);
}

void Bomb::ApplyForces(Fixed /*dt*/) {
  if (state == BombState::Burning)
    Burn();
  else if (state == BombState::Exploding)
    Explode();
}

void Bomb::Burn() {
  frame += kFuseRate;
  if (frame >= kBombBurstFrame) {
    frame = kBombBurstFrame;
    state = BombState::Exploding;
  }
}

void Bomb::Explode() {
  if (frame < kBombBurstFrame) frame = kBombBurstFrame;
  if (frame == kBombBurstFrame) {
    sample_.Play();
    if (world) world->BroadcastEvent(kEventExplosion, this, nullptr);
  }
  flags = (flags & ~kFlagCollidable) | kFlagStatic;
  velocity = Vec2();
  frame += kExplosionRate;
  if (frame > kBombLastFrame) {
    frame = kBombLastFrame;
    Remove();
  }
}

void Bomb::Draw(Surface& surface) {
  Box kept = box;
  box.x -= kDrawShift;
  box.y -= kDrawShift;
  DrawFrame(surface, Frames(), frame.ToInt(), orientation == 1 ? kMirrorX : 0);
  box = kept;
}

void Bomb::OnEvent(int event, GameObject* other, void* data) {
  if ((event & kEventLeverKick) && other && other->GetKind() == kKindLever && world &&
      world->BoxesOverlap(*this, *other)) {
    if (data) TakeKick(*other, *static_cast<const Vec2*>(data));
    return;
  }
  if ((event & kEventIgnite) && state == BombState::Idle && data) {
    if (!CatchFlame(*static_cast<const Box*>(data), other)) return;
  }
  if ((event & kEventBullet) && state != BombState::Exploding && other) CatchBullet(*other);
  if (event == kEventExplosion && other && other != this) CatchExplosion(*other);
}

void Bomb::TakeKick(const GameObject& lever, const Vec2& kick) {
  Vec2 n = lever.GetNormal(box.x + box.w / 2, box.y + box.h / 2);
  Fixed s = Length(Vec2(kick.x / 4, kick.y / 4)) * 4;
  velocity = velocity + Vec2(n.x * s, n.y * s);
}

bool Bomb::CatchFlame(const Box& flame, GameObject* source) {
  Vec2 c(flame.x + flame.w / 2, flame.y + flame.h / 2);
  Vec2 f = FusePoint();
  if (std::abs((f.x - c.x).ToInt()) > 20 || std::abs((f.y - c.y).ToInt()) > 20) return false;
  Box grown(flame.x - 6, flame.y - 6, flame.w + 12, flame.h + 12);
  Fixed fx = Fixed(f.x.ToInt());
  Fixed fy = Fixed(f.y.ToInt());
  if (fx >= grown.x && fx <= grown.Right() && fy >= grown.y && fy <= grown.Bottom()) {
    state = BombState::Burning;
    if (source && source->GetKind() == kKindCandle) static_cast<Candle*>(source)->NoteBombLit();
  }
  return true;
}

void Bomb::CatchBullet(GameObject& bullet) {
  Vec2 d = GetCenter() - bullet.GetCenter();
  int dx = std::abs((d.x / 2).ToInt());
  int dy = std::abs((d.y / 2).ToInt());
  if (dx > 20 || dy > 20) return;
  if (dx * dx + dy * dy > 225) return;
  state = BombState::Exploding;
  bullet.Remove();
}

void Bomb::CatchExplosion(const GameObject& other) {
  if (state != BombState::Idle || !InsideBlast(other, *this)) return;
  state = BombState::Burning;
  frame = kChainFuse;
}

const char* Bomb::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kBombTargetCount, i);
}

std::unique_ptr<GameObject> CreateBomb() {
  return std::make_unique<Bomb>();
}

}  // namespace qv
