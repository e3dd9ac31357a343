#include "parts/Flashlight.h"

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

// Only a blow between these fractions of the width reaches the switch.
constexpr Fixed kSwitchFrom = Fixed(0.25);
constexpr Fixed kSwitchTo = Fixed(0.75);

}  // namespace

FrameSet& Flashlight::Frames() {
  static FrameSet set;
  return set;
}

Flashlight::Flashlight() : share_(Frames()) {
  box = Box(0, 0, 60, 32);
  flags |= kFlagStatic;
  orientationCount = 2;
}

bool Flashlight::LoadImages() {
  return share_.Load(kFlashlightFrameCount, 0, "flashlight\\flashlight%1d.bmp",
                     "flashlight\\A_flashlight%1d.bmp", &frame);
}

bool Flashlight::Contains(int x, int y) const {
  return MaskContains(Frames(), frame.ToInt(), x, y, MirrorFlags());
}

void Flashlight::OnEvent(int event, GameObject* /*other*/, void* data) {
  if (!(event & kEventContact) || !data) return;
  Fixed px = static_cast<const Vec2*>(data)->x;
  if (box.x + kSwitchFrom * box.w < px && px < box.x + kSwitchTo * box.w) on = true;
}

void Flashlight::ApplyForces(Fixed /*dt*/) {
  if (on && world) world->BroadcastEvent(kEventLight, this, this);
}

void Flashlight::Draw(Surface& surface) {
  frame = on ? kFlashlightOnFrame : kFlashlightOffFrame;
  Box pixels(box.x / 2, box.y / 2, box.w / 2, box.h / 2);
  Box screen(0, 0, surface.Width(), surface.Height());
  Box meet;
  if (!IntersectBoxes(pixels, screen, &meet)) return;
  DrawFrame(surface, Frames(), frame.ToInt(), MirrorFlags());
  const Surface* beam = Frames().Frame(kFlashlightBeamFrame);
  if (!on || !beam) return;
  int px = pixels.x.ToInt();
  int py = pixels.y.ToInt();
  int pw = pixels.w.ToInt();
  if (orientation == 0) {
    beam->DrawTo(surface, px - (beam->Width() - 1), py - 4, beam->Width(), beam->Height(), 0);
  } else {
    beam->DrawTo(surface, px + pw - 2, py - 4, beam->Width(), beam->Height(), kMirrorX);
  }
}

std::unique_ptr<GameObject> CreateFlashlight() {
  return std::make_unique<Flashlight>();
}

}  // namespace qv
