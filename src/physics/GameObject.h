#pragma once
#include <cstdint>

#include "physics/Events.h"
#include "physics/Geometry.h"
#include "physics/ObjectKind.h"

namespace qv {

class World;
class Surface;
class Stream;
class RopeEnd;
struct FrameSet;

// What an object is to the physics (GameObject::flags).
constexpr std::int32_t kFlagStatic = 2;      // the step never moves it
constexpr std::int32_t kFlagField = 4;       // a force field, not a body
constexpr std::int32_t kFlagCollidable = 8;  // takes part in contacts
constexpr std::int32_t kDefaultFlags = kFlagCollidable;

constexpr int kTargetSlots = 10;
// The base record of an object in a puzzle file, in bytes.
constexpr int kObjectRecordSize = 44;
constexpr std::int16_t kRecordMarker = 6;
constexpr std::int16_t kRecordVersion = 1;

// Frame drawing and mask flags.
constexpr int kMirrorX = 1;
constexpr int kMirrorY = 2;

// Base of everything that lives in a puzzle. The world step integrates and
// collides it; parts specialise it by overriding the virtual operations, and
// every operation has a harmless default.
class GameObject {
 public:
  GameObject();
  GameObject(const GameObject&) = delete;
  GameObject& operator=(const GameObject&) = delete;
  virtual ~GameObject();

  // Parts load their shared frame set (and sample) here; called once right
  // after creation.
  virtual bool LoadImages() { return true; }
  // The editor's selection rectangle.
  virtual void DrawOutline(Surface& surface) const;
  // Display name, or null.
  virtual const char* GetName() const { return nullptr; }
  virtual bool HasGravity() const { return hasGravity; }
  virtual bool IsRemoved() const { return removed; }
  // The file record after its three-value header (which the loader reads).
  // False when the stream ends early; the object keeps zeros for the rest.
  virtual bool Load(Stream& stream);
  // The whole record: header, then the base fields. True whatever the stream
  // reports, as the puzzle writer expects.
  virtual bool Save(Stream& stream);
  // Marker, kind and version; false as soon as a write stores nothing.
  virtual bool SaveHeader(Stream& stream);
  virtual int GetKind() const { return kNoKind; }
  // Inside the box, edges included.
  virtual bool Contains(int x, int y) const;
  // Outward unit normal of the box at the point, with the corner and
  // neighbour rules that let rows of blocks act as one surface.
  virtual Vec2 GetNormal(Fixed px, Fixed py) const;
  virtual void SetMass(Fixed m) { mass = m; }
  virtual Fixed GetMass() const { return mass; }
  virtual void SetVelocity(Vec2 v) { velocity = v; }
  virtual Vec2 GetVelocity() const { return velocity; }
  virtual void SetWorld(World* w) { world = w; }
  virtual World* GetWorld() const { return world; }
  virtual void ClearForces();
  // Called for every object once the list is complete (index in the list).
  virtual void OnPlaced(int /*index*/) {}
  virtual Box GetBox() const { return box; }
  // SetBox with a zero size: moves, keeps the size.
  virtual void SetPosition(Fixed x, Fixed y);
  // A box of zero width and height only moves the object.
  virtual void SetBox(Box b);
  virtual Vec2 GetForce() const { return force; }
  virtual void AddForce(GameObject* source, Vec2 v);
  virtual void ApplyForces(Fixed /*dt*/) {}
  virtual void Integrate(Fixed dt);
  virtual void Draw(Surface& /*surface*/) {}
  virtual void OnEvent(int /*event*/, GameObject* /*other*/, void* /*data*/) {}
  virtual Vec2 GetCenter() const;
  virtual bool IsStatic() const { return (flags & kFlagStatic) != 0; }
  virtual bool IsField() const { return (flags & kFlagField) != 0; }
  virtual bool IsCollidable() const;
  virtual bool IsRopeKnot() const { return false; }
  virtual bool CanDrive() const { return false; }
  // 0 still; 1 and 2 are the two turning directions.
  virtual int GetSpin() const { return 0; }
  // The class's shared frames, or null for classes without pictures.
  virtual const FrameSet* GetImages() const { return nullptr; }
  virtual bool AttachRope(int /*hook*/, RopeEnd* /*end*/) { return false; }
  virtual bool GetHookPoint(int /*hook*/, Vec2* /*point*/) const { return false; }
  virtual int GetHookCount() const { return 0; }
  virtual int GetOrientationCount() const { return orientationCount; }
  virtual int GetOrientation() const { return orientation; }
  virtual void SetOrientation(int n) { orientation = n; }
  virtual Fixed GetBounce() const { return bounce; }
  // The target protocol: a fixed ordered list of goals per class.
  virtual int GetTargetCount() const { return 0; }
  virtual const char* GetTargetName(int /*i*/) const { return nullptr; }
  virtual bool IsTargetMet(int /*i*/) const { return true; }
  virtual bool IsTargetSet(int i) const;
  virtual bool HasTargets() const;
  virtual void SetTarget(int i, bool on);
  virtual bool IsLocked() const { return locked; }
  virtual void SetLocked(bool on) { locked = on; }

  // Draws frame index of frames at the box's pixel corner when the box meets
  // the surface; flags: kMirrorX. Missing frames draw nothing.
  void DrawFrame(Surface& surface, const FrameSet& frames, int index, int flags) const;
  // Contains, then the alpha byte of the frame under the point (flags
  // kMirrorX / kMirrorY flip the lookup). False without an alpha map or when
  // the point falls outside the frame.
  bool MaskContains(const FrameSet& frames, int index, int x, int y, int flags) const;
  // The world point of a pixel of a frame drawn at the box.
  Vec2 FramePixelToWorld(int column, int row, int flags) const;
  // Leaves the simulation: removed and no longer collidable.
  void Remove();

  // The identity this object had from birth; fileId returns to it after a
  // load has re-linked references.
  std::int32_t Identity() const { return identity_; }
  void ResetFileId() { fileId = identity_; }

  Box box;
  Box prevBox;
  Vec2 force;
  Vec2 velocity;
  Fixed mass = Fixed(2);
  World* world = nullptr;
  std::int32_t flags = kDefaultFlags;
  int orientation = 0;
  int orientationCount = 1;
  bool removed = false;
  Fixed bounce = kDefaultBounce;
  bool hasGravity = true;
  bool locked = false;
  bool targets[kTargetSlots] = {};
  bool bounced = false;
  std::int32_t fileId;

 protected:
  // The box normal without any class's own shape (the base rules).
  Vec2 BoxNormal(Fixed px, Fixed py) const;

 private:
  bool HasStaticNeighbour(Fixed qx, Fixed qy) const;

  std::int32_t identity_;
};

}  // namespace qv
