#include "parts/Bullet.h"

#include "gfx/Surface.h"
#include "physics/World.h"

namespace qv {
namespace {

const char* const kTargetNames[kBulletTargetCount] = {"hit the object"};

}  // namespace

FrameSet& Bullet::Frames() {
  static FrameSet set;
  return set;
}

Bullet::Bullet() : share_(Frames()) {
  box = Box(0, 0, 14, 12);
}

bool Bullet::LoadImages() {
  return share_.Load(1, 0, "pistol\\bullet_%1d.bmp", "pistol\\A_bullet_%1d.bmp", &frame);
}

bool Bullet::Contains(int x, int y) const {
  return MaskContains(Frames(), 0, x, y, 0);
}

Vec2 Bullet::GetNormal(Fixed px, Fixed py) const {
  Vec2 c = GetCenter();
  Vec2 n(px - c.x, py - c.y);
  Normalize(n);
  return n;
}

void Bullet::SetDirection(bool right) {
  velocity = Vec2(right ? kBulletSpeed : -kBulletSpeed, 0);
}

void Bullet::ApplyForces(Fixed /*dt*/) {
  if (!world) return;
  Box own = box;
  world->BroadcastEvent(kEventBulletAndCut, this, &own);
}

// Level flight: forces and the vertical speed play no part.
void Bullet::Integrate(Fixed dt) {
  prevBox = box;
  box.x += velocity.x * dt;
}

void Bullet::Draw(Surface& surface) {
  DrawFrame(surface, Frames(), 0, 0);
}

const char* Bullet::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kBulletTargetCount, i);
}

}  // namespace qv
