#pragma once
#include <memory>
#include <utility>
#include <vector>

#include "physics/GameObject.h"
#include "physics/World.h"

namespace qv::test {

// A plain body or block that records the events it receives.
class Probe : public GameObject {
 public:
  struct Event {
    int code;
    GameObject* other;
  };
  explicit Probe(Box b, bool isStatic = false) {
    box = b;
    if (isStatic) flags |= kFlagStatic;
  }
  void OnEvent(int event, GameObject* other, void*) override { events.push_back({event, other}); }
  std::vector<Event> events;
};

// Adds obj to the world and hands back a non-owning pointer of its type.
template <typename T>
T* Put(World& world, std::unique_ptr<T> obj) {
  T* raw = obj.get();
  return world.Add(std::move(obj)) ? raw : nullptr;
}

template <typename T, typename... Args>
T* Make(World& world, Args&&... args) {
  return Put(world, std::make_unique<T>(std::forward<Args>(args)...));
}

inline Box BoxAt(int x, int y, int w, int h) {
  return Box(Fixed(x), Fixed(y), Fixed(w), Fixed(h));
}

}  // namespace qv::test
