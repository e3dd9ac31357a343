#include "parts/Ostrich.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

FrameSet gOstrichFrames;
constexpr int kOstrichFrameCount = 39;
const char* const kOstrichTargets[] = {"start up the Squirre Cage", "hide its head"};

}  // namespace

Ostrich::Ostrich() : share_(gOstrichFrames) {
  orientationCount = 2;
  box = Box(Fixed(), Fixed(), Fixed(70), Fixed(70));
}

bool Ostrich::LoadImages() {
  return share_.Load(kOstrichFrameCount, 0, "ostrich\\2\\ostr_2_00%02d.bmp",
                     "ostrich\\2\\A_ostr_2_00%02d.bmp", &frame);
}

bool Ostrich::Contains(int x, int y) const {
  return MaskContains(gOstrichFrames, frame.ToInt(), x, y, orientation == 1 ? kMirrorX : 0);
}

void Ostrich::ApplyForces(Fixed /*dt*/) {
  bool seen = false;
  int facing = 0;
  for (int i = 0; world != nullptr && i < world->Count(); ++i) {
    GameObject* o = world->At(i);
    if (o == nullptr || o->IsStatic() || o->IsField() || o->GetKind() != kKindMan) continue;
    Fixed c = o->box.y + o->box.h / 2;
    if (c < box.y || c > box.y + box.h) continue;
    // Turn the back to it.
    facing = box.x >= o->box.x ? 1 : 0;
    seen = true;
  }
  if (seen) {
    SetOrientation(facing);
    scared = true;
  }
  if (!scared) {
    frame = Fixed();
  } else if (onGrass) {
    frame += 1;
    if (frame >= kOstrichHeadHidden) frame = Fixed(kOstrichHeadHidden);
  } else {
    frame += 1;
    if (frame >= kOstrichFrameCount - 1) {
      scared = false;
      frame = Fixed();
    }
  }
}

void Ostrich::Draw(Surface& surface) {
  DrawFrame(surface, gOstrichFrames, frame.ToInt(), orientation == 1 ? kMirrorX : 0);
}

void Ostrich::OnEvent(int event, GameObject* other, void* /*data*/) {
  if ((event & kEventContact) == 0 || other == nullptr) return;
  const int kind = other->GetKind();
  if (kind == kKindGround) onGrass = true;
  if (kind == kKindTennisBall || kind == kKindFootball || kind == kKindBucket ||
      kind == kKindOstrich) {
    scared = true;
  }
}

const FrameSet* Ostrich::GetImages() const {
  return &gOstrichFrames;
}

const char* Ostrich::GetTargetName(int i) const {
  return TargetNameOf(kOstrichTargets, 2, i);
}

bool Ostrich::IsTargetMet(int i) const {
  if (i == kOstrichGoalStartCage) return startedCage;
  if (i == kOstrichGoalHideHead) return scared && onGrass && frame == kOstrichHeadHidden;
  return false;
}

std::unique_ptr<GameObject> CreateOstrich() {
  return std::make_unique<Ostrich>();
}

}  // namespace qv
