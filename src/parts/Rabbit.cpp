#include "parts/Rabbit.h"

#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

FrameSet gRabbitFrames;
ClassSample gRabbitSample;
constexpr int kRabbitFrameCount = 17;
// Frames 0..10 are the run cycle, 12..15 the eating cycle.
constexpr int kRunCycleEnd = 11;
constexpr int kEatFirst = 12;
constexpr int kEatEnd = 16;
constexpr Fixed kRunRate = Fixed(0.25);
constexpr Fixed kEatRate = Fixed(0.15);
constexpr int kRunSpeed = 8;
// Contacts this far above the feet are walls; a running rabbit hops this high.
constexpr int kWallMargin = 8;
constexpr int kHop = 2;
// Half the standing height in pixels, where eating frames are measured from.
constexpr int kStandingPixelHeight = 30;
const char* const kRabbitTargets[] = {"eat the Carrot", "run away from the ememy"};

}  // namespace

Rabbit::Rabbit() : share_(gRabbitFrames), sample_(gRabbitSample) {
  orientationCount = 2;
  box = Box(Fixed(), Fixed(), Fixed(40), Fixed(60));
}

bool Rabbit::LoadImages() {
  sample_.Load("Wav\\rabbit1.wav");
  return share_.Load(kRabbitFrameCount, 0, "rabbit\\r_m1_00%02d.bmp", "rabbit\\A_r_m1_00%02d.bmp",
                     &frame);
}

bool Rabbit::Contains(int x, int y) const {
  if (boxContains) return GameObject::Contains(x, y);
  return MaskContains(gRabbitFrames, frame.ToInt(), x, y, orientation == 1 ? kMirrorX : 0);
}

int Rabbit::FramePixelHeight(int index) const {
  const Surface* s = gRabbitFrames.Frame(index);
  return s != nullptr ? s->Height() : 0;
}

Fixed Rabbit::FrameBoxHeight(int index) const {
  int h = FramePixelHeight(index);
  // A missing picture keeps the box as it is rather than flattening it.
  return h > 0 ? Fixed(2 * h) : box.h;
}

bool Rabbit::Scan(int* dir) {
  Fixed bestCarrot, bestEnemy, previous;
  bool carrotSeen = false, enemySeen = false;
  if (world == nullptr) return false;
  for (int i = 0; i < world->Count(); ++i) {
    GameObject* o = world->At(i);
    // An eaten carrot is gone: removed objects are not seen.
    if (o == nullptr || o->IsStatic() || o->IsField() || o->IsRemoved()) continue;
    const int kind = o->GetKind();
    if (kind == kKindCarrot && !enemySeen) {
      if (LookAt(o->GetBox(), box, dir, &bestCarrot, &previous, true)) carrotSeen = true;
    } else if (IsEnemyKind(kind)) {
      if (LookAt(o->GetBox(), box, dir, &bestEnemy, &previous, false)) enemySeen = true;
    }
  }
  return carrotSeen || enemySeen;
}

void Rabbit::ApplyForces(Fixed /*dt*/) {
  int dir = -1;
  if (Scan(&dir)) {
    SetOrientation(dir);
    runDirection = dir;
    running = true;
    runTimer = kRabbitRunTime;
  } else if (running) {
    SetOrientation(runDirection);
    if (--runTimer < 0) {
      runTimer = 0;
      // A run ends only at the start of a cycle.
      if (frame == 0 || frame >= kRunCycleEnd) {
        frame = Fixed();
        running = false;
      }
    }
  }
  Animate();
}

void Rabbit::Animate() {
  if (running && !eating) {
    frame += kRunRate;
    if (frame >= kRunCycleEnd) frame = Fixed();
    box.h = FrameBoxHeight(frame.ToInt());
    velocity.x = Fixed(orientation == 1 ? kRunSpeed : -kRunSpeed);
  } else if (eating) {
    if (frame < kEatFirst) frame = Fixed(kEatFirst);
    frame += kEatRate;
    if (frame >= kEatEnd) frame = Fixed(kEatFirst);
    box.h = FrameBoxHeight(frame.ToInt());
  }
}

void Rabbit::TurnAtWall(GameObject* other) {
  Vec2 p;
  boxContains = true;
  bool found = world != nullptr && world->FindContactPoint(*this, *other, &p);
  boxContains = false;
  if (!found || !(p.y < box.y + box.h - kWallMargin) || !other->IsStatic()) return;
  // Face away from the wall for good, not as a toggle the next contact undoes.
  int away = p.x > box.x + box.w / 2 ? 0 : 1;
  SetOrientation(away);
  runDirection = away;
}

void Rabbit::OnEvent(int event, GameObject* other, void* /*data*/) {
  if ((event & kEventContact) == 0 || other == nullptr) return;
  const int kind = other->GetKind();
  if (kind == kKindCarrot) sample_.Play();
  if (kind == kKindFox || kind == kKindWolf) {
    removed = true;
  } else if (running) {
    TurnAtWall(other);
    box.y -= kHop;
  } else if (kind != kKindTrack) {
    // Standing: undo the last move so nothing pushes the rabbit.
    box = prevBox;
    skipIntegrate = true;
  }
}

void Rabbit::Integrate(Fixed dt) {
  if (!skipIntegrate) GameObject::Integrate(dt);
  skipIntegrate = false;
}

void Rabbit::Draw(Surface& surface) {
  DrawFrame(surface, gRabbitFrames, frame.ToInt(), orientation == 1 ? kMirrorX : 0);
}

void Rabbit::StartEating(bool flag, GameObject* eaten) {
  carrot = eaten;
  eating = flag;
  if (!flag) return;
  running = false;
  int h = FramePixelHeight(frame.ToInt());
  if (h > 0) box.y -= 2 * (kStandingPixelHeight - h);
}

const FrameSet* Rabbit::GetImages() const {
  return &gRabbitFrames;
}

const char* Rabbit::GetTargetName(int i) const {
  return TargetNameOf(kRabbitTargets, 2, i);
}

bool Rabbit::IsTargetMet(int i) const {
  if (i == kRabbitGoalEat) return eating;
  if (i == kRabbitGoalRunAway) {
    const Surface* screen = BackBuffer();
    return screen != nullptr && box.y / 2 > screen->Height();
  }
  return false;
}

std::unique_ptr<GameObject> CreateRabbit() {
  return std::make_unique<Rabbit>();
}

}  // namespace qv
