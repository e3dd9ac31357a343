#include "parts/SquirrelCage.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/Ostrich.h"
#include "parts/PartCreators.h"
#include "physics/RopeEnd.h"

namespace qv {
namespace {

FrameSet gCageFrames;
ClassSample gCageSample;
constexpr int kCageFrameCount = 13;
// The wheel's axle, a pixel of the unmirrored frame.
constexpr int kAxleColumn = 24;
constexpr int kAxleRow = 7;
const char* const kCageTargets[] = {"be running"};

}  // namespace

SquirrelCage::SquirrelCage() : share_(gCageFrames), sample_(gCageSample) {
  flags |= kFlagStatic;
  mass = Fixed(100);
  orientationCount = 2;
  box = Box(Fixed(), Fixed(), Fixed(66), Fixed(48));
}

bool SquirrelCage::LoadImages() {
  sample_.Load("Wav\\dedodedo.wav");
  return share_.Load(kCageFrameCount, 0, "squirre_cage\\m_e3_00%02d.bmp",
                     "squirre_cage\\A_m_e3_00%02d.bmp", &frame);
}

void SquirrelCage::Draw(Surface& surface) {
  if (running) {
    frame += 1;
    if (frame >= kCageFrameCount - 1) frame = Fixed();
  }
  DrawFrame(surface, gCageFrames, frame.ToInt(), orientation == 1 ? kMirrorX : 0);
}

void SquirrelCage::OnEvent(int event, GameObject* other, void* /*data*/) {
  if ((event & kEventContact) == 0 || running || other == nullptr) return;
  const int kind = other->GetKind();
  if (kind == kKindBomb) return;
  auto* ostrich = kind == kKindOstrich ? dynamic_cast<Ostrich*>(other) : nullptr;
  if (kind == kKindOstrich && (ostrich == nullptr || !ostrich->IsScared())) return;
  running = true;
  sample_.Play();
  if (ostrich != nullptr) ostrich->NoteCageStarted();
}

const FrameSet* SquirrelCage::GetImages() const {
  return &gCageFrames;
}

int SquirrelCage::GetSpin() const {
  if (!running) return 0;
  if (orientation == 0) return 1;
  return orientation == 1 ? 2 : 0;
}

bool SquirrelCage::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || end == nullptr) return false;
  end->object = this;
  end->mode = kRopeModeWheel;
  return true;
}

bool SquirrelCage::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0) return false;
  *point = FramePixelToWorld(kAxleColumn, kAxleRow, orientation == 1 ? kMirrorX : 0);
  return true;
}

const char* SquirrelCage::GetTargetName(int i) const {
  return TargetNameOf(kCageTargets, 1, i);
}

bool SquirrelCage::IsTargetMet(int i) const {
  return i == 0 && running;
}

std::unique_ptr<GameObject> CreateSquirrelCage() {
  return std::make_unique<SquirrelCage>();
}

}  // namespace qv
