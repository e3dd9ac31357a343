#include "sound/SoundInterface.h"

namespace qv {
namespace {

SilentSound& SilentService() {
  static SilentSound silent;
  return silent;
}

SoundInterface* gService = nullptr;

}  // namespace

SoundInterface& Sound() {
  return gService ? *gService : SilentService();
}

SoundInterface* SetSound(SoundInterface* service) {
  SoundInterface* previous = gService ? gService : &SilentService();
  gService = service;
  return previous;
}

void SilentSound::Shutdown() {
  for (bool& u : used_) u = false;
}

int SilentSound::LoadSample(const char* path) {
  if (path == nullptr) return kNoSample;
  for (int i = 0; i < kSampleSlotCount; ++i) {
    if (!used_[i]) {
      used_[i] = true;
      return i;
    }
  }
  return kNoSample;
}

void SilentSound::FreeSample(int slot) {
  if (slot >= 0 && slot < kSampleSlotCount) used_[slot] = false;
}

int SilentSound::PlaySample(int slot) {
  if (slot < 0 || slot >= kSampleSlotCount || !used_[slot]) return -1;
  return 1;
}

}  // namespace qv
