#pragma once
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/Surface.h"
#include "parts/PartConventions.h"
#include "physics/GameObject.h"
#include "physics/RopeEnd.h"
#include "physics/World.h"
#include "util/Stream.h"

namespace qv::test {

// A body with one hook at its centre that stands in for any part: it takes
// the kind, the hook mode and the spin a test gives it, and records events.
class HookBody : public GameObject {
 public:
  struct Event {
    int code;
    GameObject* other;
    Vec2 vec;            // the data for rope pulls and contacts
    GameObject* driver;  // the data for drives
  };
  explicit HookBody(Box b, bool isStatic = false, int kind = kNoKind, int mode = kRopeModeTie)
      : kind_(kind), mode_(mode) {
    box = b;
    prevBox = b;
    if (isStatic) flags |= kFlagStatic;
  }
  int GetKind() const override { return kind_; }
  int GetHookCount() const override { return 1; }
  bool AttachRope(int hook, RopeEnd* end) override {
    if (hook != 0) return false;
    end->object = this;
    end->mode = mode_;
    return true;
  }
  bool GetHookPoint(int hook, Vec2* point) const override {
    if (hook != 0) return false;
    *point = GetCenter();
    return true;
  }
  bool CanDrive() const override { return canDrive; }
  int GetSpin() const override { return spin; }
  void OnEvent(int event, GameObject* other, void* data) override {
    Event e{event, other, Vec2(), nullptr};
    if (data != nullptr && (event & (kEventRopePull | kEventContact)) != 0) {
      e.vec = *static_cast<Vec2*>(data);
    }
    if (data != nullptr && (event & kEventDrive) != 0) e.driver = static_cast<GameObject*>(data);
    events.push_back(e);
  }
  int CountEvents(int code) const {
    int n = 0;
    for (const Event& e : events) n += e.code == code ? 1 : 0;
    return n;
  }

  bool canDrive = false;
  int spin = 0;
  std::vector<Event> events;

 private:
  int kind_;
  int mode_;
};

template <typename T>
T* PutInto(World& world, std::unique_ptr<T> obj) {
  T* raw = obj.get();
  return world.Add(std::move(obj)) ? raw : nullptr;
}

template <typename T, typename... Args>
T* AddTo(World& world, Args&&... args) {
  return PutInto(world, std::make_unique<T>(std::forward<Args>(args)...));
}

inline Box UnitBox(int x, int y, int w, int h) {
  return Box(Fixed(x), Fixed(y), Fixed(w), Fixed(h));
}

// Gives a class's shared frames (already counted by LoadImages) blank opaque
// pictures: frame i is width x heights(i) pixels. Tests have no bitmaps on
// disk, and sizes and masks are what the parts read from their frames.
template <typename HeightOf>
void ShapeFrames(const FrameSet* set, int width, HeightOf heights) {
  auto* shared = const_cast<FrameSet*>(set);
  for (std::size_t i = 0; i < shared->frames.size(); ++i) {
    shared->frames[i]->Create(width, heights(static_cast<int>(i)));
  }
}

// A write-only stream that collects the bytes (read them back through
// MemoryFile::OpenBytes).
class CollectingStream : public Stream {
 public:
  bool Open(const char*, int) override { return true; }
  bool IsOpen() const override { return true; }
  void Close() override {}
  int Size() override { return static_cast<int>(bytes.size()); }
  bool Seek(int, int) override { return false; }
  int Read(void*, int) override { return 0; }
  int Write(const void* buffer, int count) override {
    const auto* p = static_cast<const std::uint8_t*>(buffer);
    bytes.insert(bytes.end(), p, p + count);
    return count;
  }
  bool VerifyChecksum(std::uint32_t) override { return true; }

  std::vector<std::uint8_t> bytes;
};

}  // namespace qv::test
