#include "parts/PartConventions.h"

#include "gfx/Surface.h"
#include "sound/SoundInterface.h"
#include "util/Folders.h"

namespace qv {

FrameSet::~FrameSet() = default;

const Surface* FrameSet::Frame(int i) const {
  if (i < 0 || i >= static_cast<int>(frames.size())) return nullptr;
  return frames[static_cast<std::size_t>(i)].get();
}

bool LoadFrameSet(int count, int first, const char* nameFormat, const char* alphaFormat,
                  Fixed* frame, FrameSet& set) {
  const ByteString folder = ImagesFolder();
  if (frame != nullptr) *frame = Fixed();
  ++set.instanceCount;
  if (set.frameCount != 0) return true;
  if (count < 0) count = 0;
  set.frameCount = count;
  set.frames.clear();
  set.frames.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    auto surface = std::make_unique<Surface>();
    ByteString name;
    name.Format(nameFormat, first + i);
    surface->LoadBitmap((folder + name).Text());
    ByteString alpha;
    alpha.Format(alphaFormat, first + i);
    surface->LoadAlpha((folder + alpha).Text());
    set.frames.push_back(std::move(surface));
  }
  return true;
}

void ReleaseFrameSet(FrameSet& set) {
  const int before = set.instanceCount;
  --set.instanceCount;
  if (before >= 2) return;
  for (auto& f : set.frames) {
    if (f != nullptr) f->Release();
  }
  set.frames.clear();
  set.frameCount = 0;
  set.instanceCount = 0;
}

FrameShare::~FrameShare() {
  if (held_) ReleaseFrameSet(set_);
}

bool FrameShare::Load(int count, int first, const char* nameFormat, const char* alphaFormat,
                      Fixed* frame) {
  if (held_) {
    if (frame != nullptr) *frame = Fixed();
    return true;
  }
  held_ = true;
  return LoadFrameSet(count, first, nameFormat, alphaFormat, frame, set_);
}

void LoadClassSample(ClassSample& sample, const char* fileName) {
  if (sample.userCount <= 0) {
    sample.id = Sound().LoadSample((SoundsFolder() + ByteString(fileName)).Text());
  }
  ++sample.userCount;
}

void ReleaseClassSample(ClassSample& sample) {
  const int before = sample.userCount;
  --sample.userCount;
  if (before < 2) {
    Sound().FreeSample(sample.id);
    sample.id = kNoSample;
    sample.userCount = 0;
  }
}

void PlayClassSample(const ClassSample& sample) {
  Sound().PlaySample(sample.id);
}

SampleShare::~SampleShare() {
  if (held_) ReleaseClassSample(sample_);
}

void SampleShare::Load(const char* fileName) {
  if (held_) return;
  held_ = true;
  LoadClassSample(sample_, fileName);
}

const char* TargetNameOf(const char* const* names, int count, int i) {
  if (names == nullptr || i < 0 || i >= count) return kNoTargetsName;
  return names[i];
}

}  // namespace qv
