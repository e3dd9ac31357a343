#include "physics/RopeEnd.h"

#include <utility>

#include "gfx/Surface.h"
#include "physics/GameObject.h"
#include "physics/World.h"
#include "util/Stream.h"

namespace qv {

bool RopeEnd::HookPoint(Vec2* point) const {
  *point = Vec2();
  return object != nullptr && object->GetHookPoint(hook, point);
}

bool RopeEnd::Save(Stream& stream) const {
  bool ok = stream.WriteLong(mode) == 4;
  ok = stream.WriteLong(object != nullptr ? object->fileId : 0) == 4 && ok;
  ok = stream.WriteLong(hook) == 4 && ok;
  return stream.WriteLong(restLength.ToInt()) == 4 && ok;
}

bool RopeEnd::Load(Stream& stream) {
  std::int32_t v[4] = {};
  for (std::int32_t& value : v) {
    if (stream.ReadLong(&value) != 4) return false;
  }
  mode = v[0];
  objectId = v[1];
  object = nullptr;
  hook = v[2];
  restLength = Fixed(v[3]);
  return true;
}

void RopeEnd::Relink(const World& world) {
  object = nullptr;
  if (objectId == 0) return;
  for (int i = 0; i < world.Count(); ++i) {
    GameObject* candidate = world.At(i);
    if (candidate != nullptr && candidate->fileId == objectId) {
      object = candidate;
      return;
    }
  }
}

RopeEndList::RopeEndList(int capacity)
    : capacity_(capacity < 0 ? 0 : (capacity > kMaxEnds ? kMaxEnds : capacity)) {}

RopeEnd* RopeEndList::At(int i) const {
  return (i >= 0 && i < count_) ? ends_[i].get() : nullptr;
}

bool RopeEndList::Add(GameObject* object, int hook) {
  if (IsFull() || object == nullptr) return false;
  auto end = std::make_unique<RopeEnd>();
  if (!object->AttachRope(hook, end.get())) return false;
  end->hook = hook;
  ends_[count_++] = std::move(end);
  return true;
}

void RopeEndList::RemoveAt(int i) {
  if (i < 0 || i >= count_) return;
  for (int k = i; k + 1 < count_; ++k) ends_[k] = std::move(ends_[k + 1]);
  ends_[--count_].reset();
}

void RopeEndList::MoveTail(int from, RopeEndList& other) {
  if (from < 0) from = 0;
  for (int k = from; k < count_ && !other.IsFull(); ++k) {
    other.ends_[other.count_++] = std::move(ends_[k]);
  }
  for (int k = from; k < count_; ++k) ends_[k].reset();
  if (from < count_) count_ = from;
}

void RopeEndList::Clear() {
  for (auto& end : ends_) end.reset();
  count_ = 0;
}

bool RopeEndList::AllPresent() const {
  for (int i = 0; i < count_; ++i) {
    const GameObject* o = ends_[i]->object;
    if (o == nullptr || o->IsRemoved()) return false;
  }
  return true;
}

bool RopeEndList::HookPoint(int i, Vec2* point) const {
  *point = Vec2();
  const RopeEnd* end = At(i);
  return end != nullptr && end->HookPoint(point);
}

bool RopeEndList::Save(Stream& stream) const {
  bool ok = stream.WriteLong(count_) == 4;
  for (int i = 0; i < count_; ++i) ok = ends_[i]->Save(stream) && ok;
  return ok;
}

bool RopeEndList::Load(Stream& stream) {
  Clear();
  std::int32_t count = 0;
  if (stream.ReadLong(&count) != 4 || count < 0 || count > capacity_) return false;
  for (int i = 0; i < count; ++i) {
    auto end = std::make_unique<RopeEnd>();
    if (!end->Load(stream)) {
      Clear();
      return false;
    }
    ends_[count_++] = std::move(end);
  }
  return true;
}

void RopeEndList::Relink(const World& world) {
  for (int i = 0; i < count_; ++i) ends_[i]->Relink(world);
}

void RopeEndList::DrawOutline(Surface& surface) const {
  for (int i = 0; i < count_; ++i) {
    Vec2 p;
    if (!ends_[i]->HookPoint(&p)) continue;
    surface.DrawRect(WorldToPixel(p.x) - 4, WorldToPixel(p.y) - 4, 8, 8, 192, 192, 64);
  }
}

}  // namespace qv
