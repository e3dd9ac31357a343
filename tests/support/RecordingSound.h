#pragma once
#include <string>
#include <vector>

#include "sound/SoundInterface.h"

namespace qv::test {

// A sound service that keeps the slot rules and remembers every load, play
// and free, so tests can check who makes which noise.
class RecordingSound : public SilentSound {
 public:
  int LoadSample(const char* path) override {
    int slot = SilentSound::LoadSample(path);
    loads.push_back(path != nullptr ? path : "");
    return slot;
  }
  void FreeSample(int slot) override {
    frees.push_back(slot);
    SilentSound::FreeSample(slot);
  }
  int PlaySample(int slot) override {
    plays.push_back(slot);
    return SilentSound::PlaySample(slot);
  }

  std::vector<std::string> loads;
  std::vector<int> frees;
  std::vector<int> plays;
};

// Installs a recording service for the life of the object.
class ScopedRecordingSound {
 public:
  ScopedRecordingSound() : previous_(SetSound(&sound_)) {}
  ~ScopedRecordingSound() { SetSound(previous_); }
  ScopedRecordingSound(const ScopedRecordingSound&) = delete;
  ScopedRecordingSound& operator=(const ScopedRecordingSound&) = delete;
  RecordingSound& operator*() { return sound_; }
  RecordingSound* operator->() { return &sound_; }

 private:
  RecordingSound sound_;
  SoundInterface* previous_;
};

}  // namespace qv::test
