#include "physics/Rope.h"

#include <cstdlib>
#include <memory>

#include "gfx/Surface.h"
#include "parts/PartCreators.h"
#include "physics/LoopRope.h"
#include "physics/RopeGeometry.h"
#include "physics/World.h"
#include "util/Stream.h"

namespace qv {
namespace {

// Force with which a taut segment pulls its end object.
const Fixed kRopePull = kGravity * 5.0;
// Rope that slides over the pulleys per sub-step, and the shortest segment
// before a knot runs into its pulley (both in half units).
constexpr Fixed kRopeSlide = Fixed(0.2);
constexpr Fixed kRopeShortest = Fixed(4.0);
constexpr Fixed kBurnThrough = Fixed(3.0);
constexpr Fixed kBurnStep = Fixed(0.02);
// A cut end's knot protects the rope this far around the cutting area.
constexpr int kKnotGuard = 4;

Vec2 Halved(Vec2 v) {
  return Vec2(v.x / 2, v.y / 2);
}

Vec2 ToPixels(Vec2 p) {
  return Vec2(Fixed(WorldToPixel(p.x)), Fixed(WorldToPixel(p.y)));
}

bool InGrownBox(Vec2 p, const Box& b, int grow) {
  int x = p.x.ToInt(), y = p.y.ToInt();
  return (b.x - grow).ToInt() <= x && x <= (b.Right() + grow).ToInt() &&
         (b.y - grow).ToInt() <= y && y <= (b.Bottom() + grow).ToInt();
}

void DrawSegment(Surface& surface, Vec2 p0, Vec2 p1, bool loose, bool selected) {
  std::uint8_t g = selected ? 28 : 200;
  p0 = ToPixels(p0);
  p1 = ToPixels(p1);
  if (!loose) {
    surface.DrawLineSmooth(p0.x.ToInt(), p0.y.ToInt(), p1.x.ToInt(), p1.y.ToInt(), 200, g, 28);
    return;
  }
  // A loose end sags: a curve dipping below the straight span.
  Fixed sag = Fixed::FromRaw(std::abs((p0.y - p1.y).Raw())) / 4;
  Vec2 mid((p0.x + p1.x) / 2, (p0.y + p1.y) / 2);
  Vec2 points[4] = {p0, Vec2(p0.x, mid.y - sag), Vec2(mid.x, mid.y + sag), p1};
  surface.DrawCurveSmooth(points, 4, 200, g, 28);
}

}  // namespace

Rope::Rope() : ends_(kRopeMaxEnds) {
  flags &= ~kFlagCollidable;
  box = Box(Fixed(), Fixed(), Fixed(4), Fixed(4));
}

Rope::~Rope() = default;

bool Rope::AddEnd(GameObject* object, int hook) {
  return ends_.Add(object, hook);
}

void Rope::RemoveEnd(int i) {
  ends_.RemoveAt(i);
}

bool Rope::LastEndIsTie() const {
  if (EndCount() < 2) return false;
  const RopeEnd* last = End(EndCount() - 1);
  if (last->object == nullptr) return false;
  RopeEnd scratch;
  last->object->AttachRope(last->hook, &scratch);
  return scratch.IsTie();
}

bool Rope::IsSlack() const {
  return !ends_.AllPresent();
}

void Rope::OnPlaced(int /*index*/) {
  for (int i = 0; i + 1 < EndCount(); ++i) {
    Vec2 p, q;
    if (!ends_.HookPoint(i, &p) || !ends_.HookPoint(i + 1, &q)) continue;
    End(i)->restLength = SegmentMeasure(p, q);
  }
}

void Rope::ApplyForces(Fixed /*dt*/) {
  if (EndCount() < 2 || IsSlack()) return;
  Step();
}

void Rope::Pull(int endIndex, Vec2 from, Vec2 to) {
  Vec2 d = DirectionTo(from, to);
  End(endIndex)->object->AddForce(this, Vec2(kRopePull * d.x, kRopePull * d.y));
}

void Rope::Step() {
  const int n = EndCount();
  Vec2 p0, p1, pLast, pBefore;
  bool points = ends_.HookPoint(0, &p0) && ends_.HookPoint(1, &p1) &&
                ends_.HookPoint(n - 1, &pLast) && ends_.HookPoint(n - 2, &pBefore);
  if (!points) return;
  if (SegmentMeasure(p0, p1) > End(0)->restLength) Pull(0, p0, p1);
  if (SegmentMeasure(pLast, pBefore) > End(n - 2)->restLength) Pull(n - 1, pLast, pBefore);
  if (n >= 3) Slide(p0, p1, pLast, pBefore);
}

void Rope::Slide(Vec2 p0, Vec2 p1, Vec2 pLast, Vec2 pBefore) {
  int n = EndCount();
  RopeEnd* firstEnd = End(0);
  RopeEnd* lastSegment = End(n - 2);
  GameObject* first = firstEnd->object;
  GameObject* last = End(n - 1)->object;
  const Fixed l1 = SegmentMeasure(p0, p1);
  const Fixed l2 = SegmentMeasure(pLast, pBefore);

  if (l1 > firstEnd->restLength && lastSegment->restLength > kRopeShortest) {
    if (last->IsStatic()) {
      Vec2 pull = Halved(pBefore - pLast);
      last->OnEvent(kEventRopePull, this, &pull);
    } else if (first->GetMass() > last->GetMass()) {
      firstEnd->restLength += kRopeSlide;
      lastSegment->restLength -= kRopeSlide;
    }
  }
  if (l2 > lastSegment->restLength && firstEnd->restLength > kRopeShortest) {
    if (first->IsStatic()) {
      Vec2 pull = Halved(p1 - p0);
      first->OnEvent(kEventRopePull, this, &pull);
    } else if (last->GetMass() > first->GetMass()) {
      firstEnd->restLength -= kRopeSlide;
      lastSegment->restLength += kRopeSlide;
    }
  }
  // A knot that reaches its pulley drops it from the rope.
  if (firstEnd->restLength <= kRopeShortest && first->IsRopeKnot()) {
    Fixed carried = End(1)->restLength;
    RemoveEnd(1);
    End(0)->restLength = carried;
  }
  n = EndCount();
  if (n >= 3 && End(n - 2)->restLength <= kRopeShortest && End(n - 1)->object->IsRopeKnot()) {
    RemoveEnd(n - 2);
  }
}

void Rope::OnEvent(int event, GameObject* other, void* data) {
  if ((event & kEventCut) == 0 || EndCount() < 2 || data == nullptr) return;
  int segment = 0;
  Vec2 k;
  // Only a crossing that can be cut counts, so every candle burns its own
  // rope and not whichever one its event happens to land on.
  if (!FindCut(*static_cast<const Box*>(data), &segment, &k)) return;
  const bool burning = other == nullptr || other->GetKind() == kKindCandle;
  if (burning && burn < kBurnThrough) {
    burn += kBurnStep;
    return;
  }
  if (CutAt(segment, k) && burning) burn = Fixed();
}

bool Rope::FindCut(const Box& area, int* segment, Vec2* point) const {
  for (int i = 0; i + 1 < EndCount(); ++i) {
    Vec2 p, q;
    if (!ends_.HookPoint(i, &p) || !ends_.HookPoint(i + 1, &q)) continue;
    RopePoint k;
    if (!SegmentCrossesBoxMiddle(p, q, area, &k)) continue;
    bool atKnot = (End(i)->object->IsRopeKnot() && InGrownBox(p, area, kKnotGuard)) ||
                  (End(i + 1)->object->IsRopeKnot() && InGrownBox(q, area, kKnotGuard));
    if (atKnot) continue;
    *segment = i;
    *point = Vec2(Fixed(k.x), Fixed(k.y));
    return true;
  }
  return false;
}

bool Rope::CutAt(int segment, Vec2 k) {
  World* w = GetWorld();
  if (w == nullptr || segment < 0 || segment + 1 >= EndCount()) return false;
  if (w->Count() + kRopeCutObjects > kWorldCapacity) return false;
  auto newKnot = std::make_unique<RopeKnot>();
  auto ownKnot = std::make_unique<RopeKnot>();
  auto rope = std::make_unique<Rope>();
  newKnot->SetPosition(k.x, k.y);
  ownKnot->SetPosition(k.x, k.y);
  rope->AddEnd(newKnot.get(), 0);
  ends_.MoveTail(segment + 1, rope->ends_);
  AddEnd(ownKnot.get(), 0);
  Rope* added = rope.get();
  w->Add(std::move(newKnot));
  w->Add(std::move(ownKnot));
  w->Add(std::move(rope));
  OnPlaced(w->IndexOf(this));
  added->OnPlaced(w->IndexOf(added));
  return true;
}

bool Rope::Contains(int x, int y) const {
  for (int i = 0; i + 1 < EndCount(); ++i) {
    Vec2 p, q;
    if (!ends_.HookPoint(i, &p) || !ends_.HookPoint(i + 1, &q)) continue;
    if (SegmentNearPoint(p, q, x, y)) return true;
  }
  return false;
}

void Rope::Draw(Surface& surface) {
  for (int i = 0; i + 1 < EndCount(); ++i) {
    Vec2 p, q;
    if (!ends_.HookPoint(i, &p) || !ends_.HookPoint(i + 1, &q)) continue;
    bool loose = End(i)->object->IsRopeKnot() || End(i + 1)->object->IsRopeKnot();
    DrawSegment(surface, p, q, loose, selected);
  }
}

void Rope::DrawOutline(Surface& surface) const {
  ends_.DrawOutline(surface);
}

bool Rope::Save(Stream& stream) {
  GameObject::Save(stream);
  ends_.Save(stream);
  return true;
}

bool Rope::Load(Stream& stream) {
  bool base = GameObject::Load(stream);
  return ends_.Load(stream) && base;
}

RopeKnot::RopeKnot() {
  mass = Fixed(1.0);
  box = Box(Fixed(), Fixed(), Fixed(6), Fixed(6));
  flags &= ~kFlagCollidable;
}

bool RopeKnot::AttachRope(int hook, RopeEnd* end) {
  if (hook != 0 || end == nullptr) return false;
  end->object = this;
  end->mode = kRopeModeTie;
  return true;
}

bool RopeKnot::GetHookPoint(int hook, Vec2* point) const {
  if (hook != 0) return false;
  *point = GetCenter();
  return true;
}

void RelinkRopeEnds(World& world) {
  for (int i = 0; i < world.Count(); ++i) {
    GameObject* o = world.At(i);
    if (o == nullptr) continue;
    if (auto* rope = dynamic_cast<Rope*>(o)) rope->Ends().Relink(world);
    if (auto* belt = dynamic_cast<LoopRope*>(o)) belt->Ends().Relink(world);
  }
}

std::unique_ptr<GameObject> CreateRope() {
  return std::make_unique<Rope>();
}

}  // namespace qv
