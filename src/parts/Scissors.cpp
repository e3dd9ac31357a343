#include "parts/Scissors.h"

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

constexpr Fixed kClosingRate = Fixed(0.4);
constexpr int kClosed = 3;
const char* const kTargetNames[kScissorsTargetCount] = {"cut the Rope"};

}  // namespace

FrameSet& Scissors::Frames() {
  static FrameSet set;
  return set;
}

Scissors::Scissors() : share_(Frames()) {
  box = Box(0, 0, 56, 32);
  flags |= kFlagStatic;
  orientationCount = 2;
}

bool Scissors::LoadImages() {
  return share_.Load(kScissorsFrameCount, 0, "scissors\\m_n1_000%1d.bmp",
                     "scissors\\A_m_n1_000%1d.bmp", &frame);
}

bool Scissors::Contains(int x, int y) const {
  return MaskContains(Frames(), frame.ToInt(), x, y, MirrorFlags());
}

Box Scissors::CutBox() const {
  Box cut(box.x + box.w / 2, box.y, box.w / 2, box.h);
  if (orientation == 1) cut.x = box.x;
  return cut;
}

void Scissors::OnEvent(int event, GameObject* /*other*/, void* /*data*/) {
  if ((event & kEventContact) && !done) progress += kClosingRate;
}

void Scissors::ApplyForces(Fixed /*dt*/) {
  if (done) return;
  if (progress > 0) {
    progress += kClosingRate;
    frame = progress;
  }
  if (progress < kClosed) return;
  progress = kClosed;
  frame = kClosed;
  done = true;
  Box cut = CutBox();
  if (world) world->BroadcastEvent(kEventCut, this, &cut);
}

void Scissors::Draw(Surface& surface) {
  DrawFrame(surface, Frames(), frame.ToInt(), MirrorFlags());
}

const char* Scissors::GetTargetName(int i) const {
  return TargetNameOf(kTargetNames, kScissorsTargetCount, i);
}

std::unique_ptr<GameObject> CreateScissors() {
  return std::make_unique<Scissors>();
}

}  // namespace qv
