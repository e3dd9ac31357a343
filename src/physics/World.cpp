#include "physics/World.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "gfx/Surface.h"
#include "physics/ForceFields.h"

namespace qv {
namespace {

// Real overlaps are a few dozen units; the grid scan stops after this many
// rows and columns so that boxes from a damaged file cannot stall a step.
constexpr int kMaxScanLines = 512;

// k (whole units) as Fixed is below the bound, compared without wrap-around.
bool BelowWide(std::int64_t k, Fixed bound) {
  return k * kOne < static_cast<std::int64_t>(bound.Raw());
}

}  // namespace

void BackgroundColour(bool running, int levelNumber, std::uint8_t* r, std::uint8_t* g,
                      std::uint8_t* b) {
  static constexpr std::uint8_t kColours[4][3] = {
      {128, 128, 255}, {120, 187, 102}, {244, 211, 148}, {134, 211, 177}};
  const int pick = running ? (levelNumber & 3) : 0;
  *r = kColours[pick][0];
  *g = kColours[pick][1];
  *b = kColours[pick][2];
}

World::World()
    : contacts_(static_cast<std::size_t>(kWorldCapacity) * kWorldCapacity, 0),
      savedVelocities_(kWorldCapacity),
      velocitySums_(kWorldCapacity),
      contactCounts_(kWorldCapacity, 0),
      kicks_(kWorldCapacity) {}

World::~World() {
  Clear();
}

GameObject* World::At(int i) const {
  if (i < 0 || i >= count_) return nullptr;
  return objects_[i].get();
}

bool World::Add(std::unique_ptr<GameObject> obj) {
  if (obj == nullptr || count_ >= kWorldCapacity) return false;
  obj->SetWorld(this);
  objects_[count_++] = std::move(obj);
  return true;
}

void World::RemoveAt(int i) {
  if (i < 0 || i >= count_) return;
  objects_[i].reset();
  for (int k = i; k + 1 < count_; ++k) objects_[k] = std::move(objects_[k + 1]);
  objects_[count_ - 1].reset();
  --count_;
}

void World::Remove(GameObject* obj) {
  RemoveAt(IndexOf(obj));
}

int World::IndexOf(const GameObject* obj) const {
  if (obj == nullptr) return -1;
  for (int i = 0; i < count_; ++i) {
    if (objects_[i].get() == obj) return i;
  }
  return -1;
}

void World::Clear() {
  for (int i = 0; i < count_; ++i) objects_[i].reset();
  count_ = 0;
}

void World::SetUpNew() {
  Clear();
  Add(std::make_unique<GravityField>());
  Add(std::make_unique<DragField>());
  Add(std::make_unique<SupportField>());
  for (int i = 0; i < count_; ++i) objects_[i]->OnPlaced(i);
}

bool World::BoxesOverlap(const GameObject& a, const GameObject& b) const {
  return IntersectBoxes(a.box, b.box, nullptr);
}

Box World::OverlapBox(const GameObject& a, const GameObject& b) const {
  Box out;
  IntersectBoxes(a.box, b.box, &out);
  return out;
}

bool World::FindContactPoint(const GameObject& a, const GameObject& b, Vec2* point) const {
  const Box o = OverlapBox(a, b);
  const int cx = (o.x + o.w / 2).ToInt();
  const int cy = (o.y + o.h / 2).ToInt();
  if (cx >= (o.x + o.w).ToInt() || cy >= (o.y + o.h).ToInt()) return false;
  if (a.Contains(cx, cy) && b.Contains(cx, cy)) {
    *point = Vec2(Fixed(cx), Fixed(cy));
    return true;
  }
  // Awkward overlaps: scan a one-pixel grid for the extent of the common part.
  const Fixed right = o.x + o.w;
  const Fixed bottom = o.y + o.h;
  bool hit = false;
  std::int64_t minK = 0, maxK = 0, minR = 0, maxR = 0;
  std::int64_t r = o.y.ToInt();
  for (int row = 0; row < kMaxScanLines && BelowWide(r, bottom); ++row, r += 2) {
    std::int64_t k = o.x.ToInt();
    for (int col = 0; col < kMaxScanLines && BelowWide(k, right); ++col, k += 2) {
      const int ki = static_cast<int>(k);
      const int ri = static_cast<int>(r);
      if (!a.Contains(ki, ri) || !b.Contains(ki, ri)) continue;
      if (!hit) {
        minK = maxK = k;
        minR = maxR = r;
        hit = true;
      } else {
        minK = std::min(minK, k);
        maxK = std::max(maxK, k);
        minR = std::min(minR, r);
        maxR = std::max(maxR, r);
      }
    }
  }
  if (!hit) return false;
  *point =
      Vec2(Fixed(static_cast<int>((minK + maxK) / 2)), Fixed(static_cast<int>((minR + maxR) / 2)));
  return true;
}

GameObject* World::StaticObjectAt(Fixed px, Fixed py) const {
  const int x = px.ToInt();
  const int y = py.ToInt();
  for (int i = 0; i < count_; ++i) {
    GameObject* obj = objects_[i].get();
    if (obj->IsStatic() && obj->Contains(x, y)) return obj;
  }
  return nullptr;
}

void World::BroadcastEvent(int event, GameObject* sender, void* data) {
  for (int i = 0; i < count_; ++i) {
    if (objects_[i].get() != sender) Deliver(i, event, sender, data);
  }
}

void World::BroadcastEventExcept(int event, GameObject* sender, GameObject* other, void* data) {
  for (int i = 0; i < count_; ++i) {
    GameObject* obj = objects_[i].get();
    if (obj != sender && obj != other) Deliver(i, event, sender, data);
  }
}

// A lever's kick arrives from inside the collision pass, which would then
// reset and average away the new velocity of any object with a contact of its
// own. The kick is noted here and added back once the pass has averaged.
void World::Deliver(int i, int event, GameObject* sender, void* data) {
  GameObject* obj = objects_[i].get();
  if (!resolving_ || (event & kEventLeverKick) == 0 || i >= resolvingCount_) {
    obj->OnEvent(event, sender, data);
    return;
  }
  const Vec2 before = obj->GetVelocity();
  obj->OnEvent(event, sender, data);
  kicks_[i] = kicks_[i] + (obj->GetVelocity() - before);
}

bool World::InContact(int i, int j) const {
  if (i < 0 || j < 0 || i >= kWorldCapacity || j >= kWorldCapacity) return false;
  return contacts_[i * kWorldCapacity + j] != 0;
}

void World::DetectContacts() {
  std::fill(contacts_.begin(), contacts_.end(), 0);
  Vec2 point;
  for (int i = 0; i < count_; ++i) {
    GameObject& a = *objects_[i];
    if (!a.IsCollidable()) continue;
    for (int j = i + 1; j < count_; ++j) {
      GameObject& b = *objects_[j];
      if (!b.IsCollidable()) continue;
      if (a.IsStatic() && b.IsStatic()) continue;
      if (BoxesOverlap(a, b) && FindContactPoint(a, b, &point)) {
        Contact(i, j) = 1;
        Contact(j, i) = 1;
      }
    }
  }
}

void World::ResolveContacts() {
  // Objects a reaction adds while this runs wait for the next sub-step.
  const int n = count_;
  for (int i = 0; i < n; ++i) {
    savedVelocities_[i] = objects_[i]->GetVelocity();
    velocitySums_[i] = Vec2();
    contactCounts_[i] = 0;
    kicks_[i] = Vec2();
  }
  resolving_ = true;
  resolvingCount_ = n;
  Vec2 point;
  for (int i = 0; i < n; ++i) {
    GameObject& a = *objects_[i];
    if (!a.IsCollidable()) continue;
    for (int j = i + 1; j < n; ++j) {
      // A reaction may take an object out (a ball caught by a bucket): its
      // remaining pairs are not solved.
      if (!a.IsCollidable()) break;
      GameObject& b = *objects_[j];
      if (!b.IsCollidable() || Contact(i, j) == 0) continue;
      if (!FindContactPoint(a, b, &point)) continue;
      a.SetVelocity(savedVelocities_[i]);
      b.SetVelocity(savedVelocities_[j]);
      ResolvePair(a, b, point);
      velocitySums_[i] = velocitySums_[i] + a.GetVelocity();
      velocitySums_[j] = velocitySums_[j] + b.GetVelocity();
      ++contactCounts_[i];
      ++contactCounts_[j];
    }
  }
  resolving_ = false;
  for (int i = 0; i < n; ++i) {
    const int k = contactCounts_[i];
    if (k < 1) continue;  // a kick is already in its velocity
    const Vec2 average(velocitySums_[i].x / k, velocitySums_[i].y / k);
    objects_[i]->SetVelocity(average + kicks_[i]);
  }
}

namespace {

// The approach direction mirrored in the partner's surface, at the object's
// own speed scaled by its bounce.
Vec2 Reflected(Vec2 approach, Vec2 normal, Fixed speed, Fixed bounce) {
  Vec2 d = approach;
  Normalize(d);
  const Fixed twice = Dot(normal, d) * 2;
  Vec2 r(twice * normal.x - d.x, twice * normal.y - d.y);
  Normalize(r);
  return Vec2((-(r.x * speed)) * bounce, (-(r.y * speed)) * bounce);
}

}  // namespace

void World::ResolvePair(GameObject& a, GameObject& b, Vec2 point) {
  const Vec2 va = a.GetVelocity();
  const Vec2 vb = b.GetVelocity();
  const Fixed sa = Length(va);
  const Fixed sb = Length(vb);
  const Vec2 nb = b.GetNormal(point.x, point.y);
  // A is already leaving the static surface.
  if (Dot(va, nb) > 0 && b.IsStatic()) return;

  const Vec2 va2 = Reflected(va - vb, nb, sa, a.GetBounce());
  a.OnEvent(kEventContact, &b, &point);
  if (!a.IsStatic()) {
    a.prevBox = a.box;
    a.SetVelocity(va2);
    a.bounced = true;
  }

  const Vec2 na = a.GetNormal(point.x, point.y);
  const Vec2 vb2 = Reflected(vb - va, na, sb, b.GetBounce());
  b.OnEvent(kEventContact, &a, &point);
  if (!b.IsStatic()) {
    b.prevBox = b.box;
    b.SetVelocity(vb2);
    b.bounced = true;
  }
}

void World::SubStep(Fixed dt) {
  for (int i = 0; i < count_; ++i) {
    if (!objects_[i]->IsRemoved()) objects_[i]->ClearForces();
  }
  // Parts first, so the fields (and the support field last) see their forces.
  for (int i = kFieldCount; i < count_; ++i) {
    if (!objects_[i]->IsRemoved()) objects_[i]->ApplyForces(dt);
  }
  for (int i = 0; i < kFieldCount && i < count_; ++i) {
    if (!objects_[i]->IsRemoved()) objects_[i]->ApplyForces(dt);
  }
  DetectContacts();
  ResolveContacts();
  for (int i = 0; i < count_; ++i) {
    if (!objects_[i]->IsRemoved()) objects_[i]->Integrate(dt);
  }
}

void World::StepPhysics() {
  for (int s = 0; s < kSubSteps; ++s) SubStep(kTimeStep);
}

void World::DrawObjects(Surface& surface) {
  for (int i = 0; i < count_; ++i) {
    if (!objects_[i]->IsRemoved()) objects_[i]->Draw(surface);
  }
}

void World::StepWorld(Surface& surface, bool running, int levelNumber) {
  std::uint8_t r, g, b;
  BackgroundColour(running, levelNumber, &r, &g, &b);
  surface.Clear(r, g, b);
  StepPhysics();
  DrawObjects(surface);
}

}  // namespace qv
