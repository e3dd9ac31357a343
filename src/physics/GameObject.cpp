#include "physics/GameObject.h"

#include "gfx/Surface.h"
#include "parts/PartConventions.h"
#include "physics/World.h"
#include "util/Stream.h"

namespace qv {
namespace {

// Identities only need to be unique among the objects alive together; a
// counter that skips 0 (the file's "no object") does that.
std::uint32_t gNextIdentity = 0;

std::int32_t NewIdentity() {
  ++gNextIdentity;
  if (gNextIdentity == 0) ++gNextIdentity;
  return static_cast<std::int32_t>(gNextIdentity);
}

Vec2 Normalized(int x, int y) {
  Vec2 v{Fixed(x), Fixed(y)};
  Normalize(v);
  return v;
}

Box PixelBox(const Box& b) {
  return Box(b.x / 2, b.y / 2, b.w / 2, b.h / 2);
}

}  // namespace

GameObject::GameObject() : fileId(0), identity_(NewIdentity()) {
  fileId = identity_;
}

GameObject::~GameObject() = default;

void GameObject::DrawOutline(Surface& surface) const {
  Box p = PixelBox(box);
  surface.DrawRect(p.x.ToInt(), p.y.ToInt(), p.w.ToInt(), p.h.ToInt(), 192, 192, 64);
}

bool GameObject::SaveHeader(Stream& stream) {
  if (stream.WriteShort(kRecordMarker) <= 0) return false;
  if (stream.WriteShort(static_cast<std::int16_t>(GetKind())) <= 0) return false;
  return stream.WriteShort(kRecordVersion) > 0;
}

bool GameObject::Save(Stream& stream) {
  SaveHeader(stream);
  stream.WriteLong(box.x.ToInt());
  stream.WriteLong(box.y.ToInt());
  stream.WriteLong(box.w.ToInt());
  stream.WriteLong(box.h.ToInt());
  stream.WriteLong(fileId);
  stream.WriteLong(GetOrientation());
  stream.WriteLong(IsLocked() ? 1 : 0);
  for (bool t : targets) stream.WriteByte(t ? 1 : 0);
  return true;
}

bool GameObject::Load(Stream& stream) {
  std::int32_t v[7] = {};
  bool complete = true;
  for (std::int32_t& value : v) complete = stream.ReadLong(&value) == 4 && complete;
  std::uint8_t t[kTargetSlots] = {};
  for (std::uint8_t& b : t) complete = stream.ReadByte(&b) == 1 && complete;

  box = Box(Fixed(v[0]), Fixed(v[1]), Fixed(v[2]), Fixed(v[3]));
  prevBox = box;
  SetOrientation(v[5]);
  SetLocked(v[6] > 0);
  for (int i = 0; i < kTargetSlots; ++i) targets[i] = t[i] != 0;
  fileId = v[4];
  return complete;
}

bool GameObject::Contains(int x, int y) const {
  return box.x <= x && x <= box.x + box.w && box.y <= y && y <= box.y + box.h;
}

bool GameObject::HasStaticNeighbour(Fixed qx, Fixed qy) const {
  return world != nullptr && world->StaticObjectAt(qx, qy) != nullptr;
}

Vec2 GameObject::GetNormal(Fixed px, Fixed py) const {
  return BoxNormal(px, py);
}

Vec2 GameObject::BoxNormal(Fixed px, Fixed py) const {
  const Fixed dx = px - box.x;
  const Fixed dy = py - box.y;
  const Fixed w = box.w;
  const Fixed h = box.h;
  const Fixed r = kCornerReach;
  if (dx < r && dy < r) {
    bool left = HasStaticNeighbour(box.x - 4, box.y + 2);
    bool above = HasStaticNeighbour(box.x + 4, box.y - 2);
    if (left && above) return Normalized(-10, -10);
    if (left) return Vec2(Fixed(0), Fixed(-1));
    if (above) return Vec2(Fixed(-1), Fixed(0));
    return Normalized(-3, -10);
  }
  if (dx > w - r && dy < r) {
    bool right = HasStaticNeighbour(box.x + w + 4, box.y + 2);
    bool above = HasStaticNeighbour(box.x + w - 4, box.y - 2);
    if (right && above) return Normalized(10, -10);
    if (right) return Vec2(Fixed(0), Fixed(-1));
    if (above) return Vec2(Fixed(1), Fixed(0));
    return Normalized(3, -10);
  }
  if (dx < r && dy > h - r) return Vec2(Fixed(-1), Fixed(0));
  if (dx > w - r && dy > h - r) return Vec2(Fixed(1), Fixed(0));
  if (dy < r) return Vec2(Fixed(0), Fixed(-1));
  if (dy > h - r) return Vec2(Fixed(0), Fixed(1));
  if (dx < r) return Vec2(Fixed(-1), Fixed(0));
  if (dx > w - r) return Vec2(Fixed(1), Fixed(0));
  // Deep inside: the two diagonals pick the face.
  const bool belowMain = dy >= (h * dx) / w;
  const bool belowAnti = dy >= (h * (w - dx)) / w;
  if (belowMain && belowAnti) return Vec2(Fixed(0), Fixed(1));
  if (belowMain) return Vec2(Fixed(-1), Fixed(0));
  if (belowAnti) return Vec2(Fixed(1), Fixed(0));
  return Vec2(Fixed(0), Fixed(-1));
}

void GameObject::ClearForces() {
  force = Vec2();
  bounced = false;
}

void GameObject::SetPosition(Fixed x, Fixed y) {
  SetBox(Box(x, y, Fixed(), Fixed()));
}

void GameObject::SetBox(Box b) {
  if (b.w == Fixed() && b.h == Fixed()) {
    box.x = b.x;
    box.y = b.y;
  } else {
    box = b;
  }
}

void GameObject::AddForce(GameObject* /*source*/, Vec2 v) {
  force = force + v;
}

void GameObject::Integrate(Fixed dt) {
  if (IsStatic() || IsField()) return;
  velocity.x += (force.x * dt) / mass;
  velocity.y += (force.y * dt) / mass;
  prevBox = box;
  box.x += velocity.x * dt;
  box.y += velocity.y * dt;
}

Vec2 GameObject::GetCenter() const {
  return Vec2(box.x + box.w / 2, box.y + box.h / 2);
}

bool GameObject::IsCollidable() const {
  if (IsRemoved() || IsField()) return false;
  return (flags & kFlagCollidable) != 0;
}

bool GameObject::IsTargetSet(int i) const {
  return i >= 0 && i < kTargetSlots && targets[i];
}

bool GameObject::HasTargets() const {
  const int count = GetTargetCount();
  for (int i = 0; i < count; ++i) {
    if (IsTargetSet(i)) return true;
  }
  return false;
}

void GameObject::SetTarget(int i, bool on) {
  if (i >= 0 && i < kTargetSlots) targets[i] = on;
}

void GameObject::DrawFrame(Surface& surface, const FrameSet& frames, int index, int flags) const {
  const Surface* frame = frames.Frame(index);
  if (frame == nullptr) return;
  Box p = PixelBox(box);
  Box screen(Fixed(0), Fixed(0), Fixed(surface.Width()), Fixed(surface.Height()));
  if (!IntersectBoxes(p, screen, nullptr)) return;
  frame->DrawTo(surface, p.x.ToInt(), p.y.ToInt(), frame->Width(), frame->Height(),
                flags & kMirrorX);
}

bool GameObject::MaskContains(const FrameSet& frames, int index, int x, int y, int flags) const {
  if (!GameObject::Contains(x, y)) return false;  // the box, not the shape
  const Surface* frame = frames.Frame(index);
  if (frame == nullptr || frame->Alpha() == nullptr) return false;
  int column = ((Fixed(x) - box.x) / 2).ToInt();
  int row = ((Fixed(y) - box.y) / 2).ToInt();
  if (flags & kMirrorX) column = frame->Width() - column - 1;
  if (flags & kMirrorY) row = frame->Height() - row - 1;
  if (column < 0 || row < 0 || column >= frame->Width() || row >= frame->Height()) return false;
  return frame->Alpha()[row * frame->Width() + column] != 0;
}

Vec2 GameObject::FramePixelToWorld(int column, int row, int flags) const {
  const int w = (box.w / 2).ToInt();
  const int h = (box.h / 2).ToInt();
  if (flags & kMirrorX) column = w - column - 1;
  if (flags & kMirrorY) row = h - row - 1;
  return Vec2(box.x + Fixed(column) * 2, box.y + Fixed(row) * 2);
}

void GameObject::Remove() {
  removed = true;
  flags &= ~kFlagCollidable;
}

}  // namespace qv
