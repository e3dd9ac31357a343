#include "physics/LoopRope.h"

#include <cstdlib>
#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/RopeGeometry.h"

namespace qv {

LoopRope::LoopRope() : ends_(kBeltMaxEnds) {
  flags &= ~kFlagCollidable;
  box = Box(Fixed(), Fixed(), Fixed(4), Fixed(4));
}

LoopRope::~LoopRope() = default;

bool LoopRope::AddEnd(GameObject* object, int hook) {
  return ends_.Add(object, hook);
}

bool LoopRope::BothEnds(GameObject** a, GameObject** b) const {
  if (!IsComplete()) return false;
  *a = End(0)->object;
  *b = End(1)->object;
  return *a != nullptr && *b != nullptr;
}

bool LoopRope::Joins(const GameObject* a, const GameObject* b) const {
  GameObject *first = nullptr, *second = nullptr;
  if (!BothEnds(&first, &second)) return false;
  return (first == a && second == b) || (first == b && second == a);
}

void LoopRope::ApplyForces(Fixed /*dt*/) {
  GameObject *first = nullptr, *second = nullptr;
  if (!BothEnds(&first, &second)) return;
  GameObject* source = first;
  GameObject* target = second;
  if (!(first->CanDrive() && first->GetSpin() != 0)) {
    if (!(second->CanDrive() && second->GetSpin() != 0)) return;
    source = second;
    target = first;
  }
  driven = true;
  target->OnEvent(kEventDrive, this, source);
}

void LoopRope::OnEvent(int event, GameObject* /*other*/, void* /*data*/) {
  if ((event & kEventDrive) != 0 && !driven) ApplyForces(Fixed());
}

bool LoopRope::Contains(int x, int y) const {
  Vec2 p, q;
  if (!IsComplete() || !ends_.HookPoint(0, &p) || !ends_.HookPoint(1, &q)) return false;
  return SegmentNearPoint(p, q, x, y);
}

void LoopRope::Draw(Surface& surface) {
  Vec2 p, q;
  if (!IsComplete() || !ends_.HookPoint(0, &p) || !ends_.HookPoint(1, &q)) return;
  Vec2 p0(Fixed(WorldToPixel(p.x)), Fixed(WorldToPixel(p.y)));
  Vec2 p1(Fixed(WorldToPixel(q.x)), Fixed(WorldToPixel(q.y)));
  Vec2 d = p0 - p1;
  if (std::abs(d.x.ToInt()) > 100 || std::abs(d.y.ToInt()) > 100) d = Vec2(d.x / 10, d.y / 10);
  Vec2 n(d.y, -d.x);
  NormalizeWide(n);
  Vec2 o(n.x * 3, n.y * 3);
  std::uint8_t r = selected ? 200 : 0, g = selected ? 28 : 0, b = selected ? 28 : 0;
  surface.DrawLineSmooth((p0.x - o.x).ToInt(), (p0.y - o.y).ToInt(), (p1.x - o.x).ToInt(),
                         (p1.y - o.y).ToInt(), r, g, b);
  surface.DrawLineSmooth((p0.x + o.x).ToInt(), (p0.y + o.y).ToInt(), (p1.x + o.x).ToInt(),
                         (p1.y + o.y).ToInt(), r, g, b);
}

void LoopRope::DrawOutline(Surface& surface) const {
  ends_.DrawOutline(surface);
}

bool LoopRope::Save(Stream& stream) {
  GameObject::Save(stream);
  ends_.Save(stream);
  return true;
}

bool LoopRope::Load(Stream& stream) {
  bool base = GameObject::Load(stream);
  return ends_.Load(stream) && base;
}

std::unique_ptr<GameObject> CreateLoopRope() {
  return std::make_unique<LoopRope>();
}

}  // namespace qv
