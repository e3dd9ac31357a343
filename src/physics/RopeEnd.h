#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include "physics/Geometry.h"

namespace qv {

class GameObject;
class Stream;
class Surface;
class World;

// How a hook holds a rope or belt end (RopeEnd::mode), set by the hook
// owner's AttachRope.
constexpr int kRopeModeNone = 0;
constexpr int kRopeModeTie = 1;     // a rope end is tied here
constexpr int kRopeModePulley = 2;  // the rope runs over it
constexpr int kRopeModeWheel = 4;   // a belt end

constexpr int kRopeEndRecordSize = 16;

// One fastening of a rope or belt to a hook of some object.
class RopeEnd {
 public:
  // Hook point of the fastening; false without an object or when the object
  // has no such hook (point then stays (0, 0)).
  bool HookPoint(Vec2* point) const;
  bool IsTie() const { return (mode & kRopeModeTie) != 0; }

  // 16 bytes: mode, the object's fileId (0 for none), hook, whole rest length.
  bool Save(Stream& stream) const;
  // Reads the record; the object stays unset until Relink resolves objectId.
  bool Load(Stream& stream);
  // The object whose fileId equals objectId, first in world order; an id
  // that matches nothing (or 0) leaves the end without object.
  void Relink(const World& world);

  int mode = kRopeModeNone;
  GameObject* object = nullptr;
  int hook = 0;
  // Rest length of the segment to the next end, in half units.
  Fixed restLength = Fixed(-1.0);
  // The object reference as read from a file, until Relink.
  std::int32_t objectId = 0;
};

// The ordered, owned ends of a rope (up to 20) or a belt (2).
class RopeEndList {
 public:
  static constexpr int kMaxEnds = 20;

  explicit RopeEndList(int capacity);

  int Count() const { return count_; }
  int Capacity() const { return capacity_; }
  bool IsFull() const { return count_ >= capacity_; }
  // End i, or null outside 0..Count()-1.
  RopeEnd* At(int i) const;
  // Offers a new end to object's AttachRope; false when full or refused.
  bool Add(GameObject* object, int hook);
  // Deletes end i and closes the gap; other indices do nothing.
  void RemoveAt(int i);
  // Moves ends from..Count()-1 to the end of other (which must have room).
  void MoveTail(int from, RopeEndList& other);
  void Clear();

  // True when every end has an object that has not left the simulation.
  bool AllPresent() const;
  bool HookPoint(int i, Vec2* point) const;

  // i32 count, then the end records.
  bool Save(Stream& stream) const;
  // False for a short record or a count outside 0..Capacity(); the list is
  // then left empty.
  bool Load(Stream& stream);
  void Relink(const World& world);
  // An 8 x 8 pixel rectangle on each hook point.
  void DrawOutline(Surface& surface) const;

 private:
  std::array<std::unique_ptr<RopeEnd>, kMaxEnds> ends_;
  int count_ = 0;
  int capacity_;
};

}  // namespace qv
