#pragma once
#include <memory>
#include <vector>

#include "physics/Fixed.h"

namespace qv {

class Surface;

// The animation frames of one part class, shared by all its objects: loaded
// by the first object that asks, released with the last.
struct FrameSet {
  std::vector<std::unique_ptr<Surface>> frames;
  // 0 while not loaded; a class whose bitmaps are missing still counts them.
  int frameCount = 0;
  // Objects of the class that have loaded the set.
  int instanceCount = 0;

  // Frame i, or null when out of range or not loaded.
  const Surface* Frame(int i) const;
  FrameSet() = default;
  FrameSet(const FrameSet&) = delete;
  FrameSet& operator=(const FrameSet&) = delete;
  ~FrameSet();
};

// Counts one more user of the set and, if it is not loaded yet, loads count
// frames named by the printf formats (one int conversion, numbered from
// first) under the images folder. Sets *frame to 0. Missing files leave empty
// frames; always true.
bool LoadFrameSet(int count, int first, const char* nameFormat, const char* alphaFormat,
                  Fixed* frame, FrameSet& set);
// One user fewer; the last one (or one that never counted) frees the frames.
void ReleaseFrameSet(FrameSet& set);

// An object's share of its class's frame set: loads through LoadFrameSet at
// most once and gives the share back when the object goes, so an object that
// never loaded cannot take the frames from the others.
class FrameShare {
 public:
  explicit FrameShare(FrameSet& set) : set_(set) {}
  FrameShare(const FrameShare&) = delete;
  FrameShare& operator=(const FrameShare&) = delete;
  ~FrameShare();
  bool Load(int count, int first, const char* nameFormat, const char* alphaFormat, Fixed* frame);
  bool Held() const { return held_; }
  const FrameSet& Set() const { return set_; }

 private:
  FrameSet& set_;
  bool held_ = false;
};

// The sample of a part class that makes a noise: loaded once into a slot of
// the sound service, freed with its last user.
struct ClassSample {
  int id = -1;
  int userCount = 0;
};

// Loads the sample (a name under the sounds folder, such as
// "Wav\bangbang.wav") if the class has no user yet, and counts one more.
void LoadClassSample(ClassSample& sample, const char* fileName);
void ReleaseClassSample(ClassSample& sample);
// Plays it; the result is never looked at.
void PlayClassSample(const ClassSample& sample);

// An object's share of its class's sample, released with the object.
class SampleShare {
 public:
  explicit SampleShare(ClassSample& sample) : sample_(sample) {}
  SampleShare(const SampleShare&) = delete;
  SampleShare& operator=(const SampleShare&) = delete;
  ~SampleShare();
  void Load(const char* fileName);
  void Play() const { PlayClassSample(sample_); }

 private:
  ClassSample& sample_;
  bool held_ = false;
};

// The target protocol's text for indices past a class's list.
inline constexpr const char* kNoTargetsName = "NO TARGETS";
// names[i] for 0 <= i < count, else kNoTargetsName.
const char* TargetNameOf(const char* const* names, int count, int i);

}  // namespace qv
