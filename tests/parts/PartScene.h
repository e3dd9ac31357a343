#pragma once
#include <memory>
#include <vector>

#include "gfx/Surface.h"
#include "parts/PartConventions.h"
#include "physics/World.h"
#include "sound/SoundInterface.h"
#include "util/Folders.h"

namespace qv::test {

// A plain body that keeps the events it receives, with the box or point
// they carried.
class EventLog : public GameObject {
 public:
  struct Entry {
    int code;
    GameObject* sender;
    Box area;   // for events that carry a Box
    Vec2 kick;  // for the lever kick
  };
  EventLog() { box = Box(Fixed(0), Fixed(0), Fixed(10), Fixed(10)); }
  void OnEvent(int event, GameObject* sender, void* data) override {
    Entry e{event, sender, Box(), Vec2()};
    bool boxed = (event & (kEventCut | kEventIgnite | kEventBullet)) != 0;
    if (data && boxed) e.area = *static_cast<const Box*>(data);
    if (data && (event & kEventLeverKick)) e.kick = *static_cast<const Vec2*>(data);
    entries.push_back(e);
  }
  int Count(int code) const {
    int n = 0;
    for (const Entry& e : entries) n += e.code == code ? 1 : 0;
    return n;
  }
  std::vector<Entry> entries;
};

// Counts the plays of the sound service for the life of the object.
class CountingSound : public SilentSound {
 public:
  CountingSound() : previous_(SetSound(this)) {}
  ~CountingSound() override { SetSound(previous_); }
  CountingSound(const CountingSound&) = delete;
  CountingSound& operator=(const CountingSound&) = delete;
  int PlaySample(int slot) override {
    plays.push_back(slot);
    return SilentSound::PlaySample(slot);
  }
  std::vector<int> plays;

 private:
  SoundInterface* previous_;
};

// Opaque frames of a chosen pixel size put into a class's frame set as if it
// had been loaded, so a test decides the masks and picture sizes itself.
// Objects created afterwards share them and free them with the last one.
class InstalledFrames {
 public:
  InstalledFrames(FrameSet& set, int count, int width, int height) : set_(set) {
    set_.frames.clear();
    for (int i = 0; i < count; ++i) {
      auto s = std::make_unique<Surface>();
      s->Create(width, height);
      set_.frames.push_back(std::move(s));
    }
    set_.frameCount = count;
  }
  // One frame of another size (a picture smaller than the object's box).
  void Resize(int index, int width, int height) {
    set_.frames[static_cast<std::size_t>(index)]->Create(width, height);
  }
  ~InstalledFrames() {
    if (set_.instanceCount > 0) return;
    set_.frames.clear();
    set_.frameCount = 0;
  }
  InstalledFrames(const InstalledFrames&) = delete;
  InstalledFrames& operator=(const InstalledFrames&) = delete;

 private:
  FrameSet& set_;
};

// Points the data folder at nothing while it lives, so only frames a test
// installs have shapes, whatever pictures the build has made.
class NoPictures {
 public:
  NoPictures() { SetProgramFolderOverride("/nonexistent-quirkvale-data/"); }
  ~NoPictures() { SetProgramFolderOverride(""); }
  NoPictures(const NoPictures&) = delete;
  NoPictures& operator=(const NoPictures&) = delete;
};

// A world with its three fields, into which parts are dropped at a position.
class Scene {
 public:
  Scene() { world.SetUpNew(); }

  template <typename T>
  T* Add(int x, int y) {
    auto obj = std::make_unique<T>();
    obj->LoadImages();
    obj->SetPosition(Fixed(x), Fixed(y));
    T* raw = obj.get();
    return world.Add(std::move(obj)) ? raw : nullptr;
  }
  // Takes an object made elsewhere (a probe, a bullet); null if refused.
  template <typename T>
  T* Put(std::unique_ptr<T> obj) {
    T* raw = obj.get();
    return world.Add(std::move(obj)) ? raw : nullptr;
  }
  void SubSteps(int n) {
    for (int i = 0; i < n; ++i) world.SubStep(kTimeStep);
  }

  NoPictures noPictures;
  World world;
};

}  // namespace qv::test
