#include "parts/Carrot.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "parts/Rabbit.h"

namespace qv {
namespace {

FrameSet gCarrotFrames;
const char* const kCarrotTargets[] = {"be eaten with a Rabbit"};

}  // namespace

Carrot::Carrot() : share_(gCarrotFrames) {
  orientationCount = 2;
  box = Box(Fixed(), Fixed(), Fixed(20), Fixed(8));
}

bool Carrot::LoadImages() {
  // One picture, whose name holds no number.
  return share_.Load(1, 0, "carrot\\m_c_.bmp", "carrot\\A_m_c_.bmp", &frame);
}

bool Carrot::Contains(int x, int y) const {
  return MaskContains(gCarrotFrames, 0, x, y, orientation == 1 ? kMirrorX : 0);
}

void Carrot::Draw(Surface& surface) {
  DrawFrame(surface, gCarrotFrames, 0, orientation == 1 ? kMirrorX : 0);
}

void Carrot::OnEvent(int event, GameObject* other, void* /*data*/) {
  if ((event & kEventContact) == 0 || other == nullptr || other->GetKind() != kKindRabbit) return;
  auto* rabbit = dynamic_cast<Rabbit*>(other);
  if (rabbit == nullptr) return;
  rabbit->StartEating(true, this);
  rabbit->SetVelocity(Vec2());
  removed = true;
}

const FrameSet* Carrot::GetImages() const {
  return &gCarrotFrames;
}

const char* Carrot::GetTargetName(int i) const {
  return TargetNameOf(kCarrotTargets, 1, i);
}

std::unique_ptr<GameObject> CreateCarrot() {
  return std::make_unique<Carrot>();
}

}  // namespace qv
