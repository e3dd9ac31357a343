#include "parts/Magnifier.h"

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

// Where the spot lies and is drawn relative to the lens.
constexpr int kSpotLeftShift = -18;
constexpr int kSpotRightShift = 10;
constexpr int kHotDrop = 12;
constexpr int kSpotDrawDrop = 8;

}  // namespace

FrameSet& Magnifier::Frames() {
  static FrameSet set;
  return set;
}

Magnifier::Magnifier() : share_(Frames()) {
  box = Box(0, 0, 24, 64);
  flags |= kFlagStatic;
}

bool Magnifier::LoadImages() {
  return share_.Load(kMagnifierFrameCount, 2, "magnifier\\magnifier_%1d.bmp",
                     "magnifier\\A_magnifier_%1d.bmp", &frame);
}

bool Magnifier::Contains(int x, int y) const {
  return MaskContains(Frames(), kMagnifierLensFrame, x, y, 0);
}

Box Magnifier::CatchBox() const {
  return Box(box.x - 20, box.y + 10, box.w + 40, 24);
}

Box Magnifier::HotBox() const {
  const Surface* spot = Frames().Frame(kMagnifierSpotFrame);
  int width = spot ? spot->Width() : 0;
  int height = spot ? spot->Height() : 0;
  Box hot = box;
  hot.w = Fixed(2 * width);
  hot.h = Fixed(2 * height - 8);
  hot.x += beamLeft ? kSpotLeftShift : kSpotRightShift;
  hot.y += kHotDrop;
  return hot;
}

void Magnifier::OnEvent(int event, GameObject* other, void* /*data*/) {
  if (!(event & kEventLight) || lit || !other) return;
  Box light = other->GetBox();
  int facing = other->GetOrientation();
  Fixed px = light.x;
  Fixed py = light.y + light.h / 2;
  if (facing == 1) px += light.w;
  Fixed ix = Fixed(px.ToInt());
  Fixed iy = Fixed(py.ToInt());
  Box c = CatchBox();
  if (ix >= c.x && ix <= c.Right() && iy >= c.y && iy <= c.Bottom()) {
    lit = true;
    beamLeft = 1 - facing;
  }
}

void Magnifier::ApplyForces(Fixed /*dt*/) {
  if (!lit || !world) return;
  Box hot = HotBox();
  world->BroadcastEvent(kEventIgniteAndCut, this, &hot);
}

void Magnifier::Draw(Surface& surface) {
  DrawFrame(surface, Frames(), kMagnifierLensFrame, 0);
  if (!lit) return;
  Box kept = box;
  box.x += beamLeft ? kSpotLeftShift : kSpotRightShift;
  box.y += kSpotDrawDrop;
  DrawFrame(surface, Frames(), kMagnifierSpotFrame, beamLeft ? kMirrorX : 0);
  box = kept;
}

std::unique_ptr<GameObject> CreateMagnifier() {
  return std::make_unique<Magnifier>();
}

}  // namespace qv
