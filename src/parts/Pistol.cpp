#include "parts/Pistol.h"

#include "gfx/Surface.h"
#include "parts/Bullet.h"
#include "parts/PartCreators.h"
#include "physics/RopeEnd.h"
#include "physics/World.h"

namespace qv {
namespace {

constexpr Fixed kFiringRate = Fixed::FromRaw(51);  // 0.2 per sub-step
// The bullet leaves once the animation has passed this frame.
constexpr int kShotFrame = 2;
const char* const kTargetNames[kPistolTargetCount] = {"shoot", "shoot an object"};

}  // namespace

FrameSet& Pistol::Frames() {
  static FrameSet set;
  return set;
}

ClassSample& Pistol::Sample() {
  static ClassSample sample;
  return sample;
}

Pistol::Pistol() : share_(Frames()), sample_(Sample()) {
  box = Box(0, 0, 60, 36);
  flags |= kFlagStatic;
  orientationCount = 2;
}

bool Pistol::LoadImages() {
  sample_.Load("Wav\\laser.wav");
  return share_.Load(kPistolFrameCount, 0, "pistol\\pis_1_000%1d.bmp", "pistol\\A_pis_1_000%1d.bmp",
                     &frame);
}

bool Pistol::Contains(int x, int y) const {
  return MaskContains(Frames(), frame.ToInt(), x, y, MirrorFlags());
}

bool Pistol::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || !end) return false;
  end->object = this;
  end->mode = kRopeModeTie;
  return true;
}

bool Pistol::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0 || !point) return false;
  *point = FramePixelToWorld(20, 8, MirrorFlags());
  return true;
}

void Pistol::OnEvent(int event, GameObject* /*other*/, void* /*data*/) {
  if (!(event & kEventRopePull) || firing || fired) return;
  sample_.Play();
  firing = true;
}

void Pistol::ApplyForces(Fixed /*dt*/) {
  if (!firing) {
    frame = 0;
    return;
  }
  if (frame > kShotFrame && loaded) Shoot();
  frame += kFiringRate;
  if (frame >= kPistolFrameCount - 1) {
    firing = false;
    fired = true;
    frame = 0;
  }
}

// A full world refuses the bullet; the shot still counts as spent.
void Pistol::Shoot() {
  loaded = false;
  auto bullet = std::make_unique<Bullet>();
  bullet->LoadImages();
  bullet->SetDirection(orientation != 0);
  Fixed x = orientation == 1 ? box.x + box.w : box.x;
  bullet->SetPosition(x, box.y + kMuzzleDrop);
  if (world) world->Add(std::move(bullet));
}

void Pistol::Draw(Surface& surface) {
  DrawFrame(surface, Frames(), frame.ToInt(), MirrorFlags());
}

const char* Pistol::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kPistolTargetCount, i);
}

std::unique_ptr<GameObject> CreatePistol() {
  return std::make_unique<Pistol>();
}

}  // namespace qv
