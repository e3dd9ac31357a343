#include "sound/SoundSystem.h"

#include "platform/AudioOutput.h"
#include "sound/Mixer.h"
#include "sound/Module.h"
#include "sound/Sample.h"
#include "util/Buffer.h"
#include "util/ByteString.h"

namespace qv {
namespace {

constexpr const char* kTunePath = "Sounds\\Mod\\3_fixed.mod";

}  // namespace

SoundSystem::SoundSystem() {
  ResetSlots();
}

SoundSystem::~SoundSystem() {
  Shutdown();
}

void SoundSystem::ResetSlots() {
  for (int i = 0; i < kSampleSlotCount; ++i) {
    samples_[i].reset();
    lastVoice_[i] = -1;
  }
}

bool SoundSystem::Startup() {
  return StartupWith(MakeSystemAudioOutput());
}

bool SoundSystem::StartupWith(std::unique_ptr<AudioOutput> output) {
  Shutdown();
  ResetSlots();
  mixer_ = std::make_unique<Mixer>();
  if (!mixer_->OpenDevice(kOutputRate, 8, false, 1, kVoiceCount, std::move(output))) {
    mixer_.reset();
    return false;
  }
  return true;
}

void SoundSystem::Shutdown() {
  if (mixer_) {
    mixer_->CloseDevice();
    mixer_.reset();
  }
  music_.reset();
  ResetSlots();
  musicChannel_ = 0;
}

int SoundSystem::LoadMusic() {
  if (!mixer_) return -1;
  if (mixer_->IsOpen()) mixer_->StopChannel(musicChannel_);
  music_ = std::make_unique<Module>();
  if (!music_->LoadMod(kTunePath)) {
    music_.reset();
    return -1;
  }
  music_->SetLoop(true);
  return 1;
}

int SoundSystem::LoadSample(const char* path) {
  if (path == nullptr) return kNoSample;
  int slot = -1;
  for (int i = 0; i < kSampleSlotCount && slot < 0; ++i) {
    if (!samples_[i]) slot = i;
  }
  if (slot < 0) return kNoSample;
  char* wide = nullptr;
  if (ToWide(path, &wide) < 0 || wide == nullptr) return kNoSample;
  auto sample = std::make_unique<Sample>();
  const bool ok = sample->LoadWav(wide);
  FreeBuffer(wide);
  if (!ok) return kNoSample;
  samples_[slot] = std::move(sample);
  lastVoice_[slot] = -1;
  return slot;
}

void SoundSystem::FreeSample(int slot) {
  if (!ValidSlot(slot)) return;
  // Every voice still reading the sample stops before its data goes.
  if (mixer_ && samples_[slot]) mixer_->StopSample(*samples_[slot]);
  samples_[slot].reset();
  lastVoice_[slot] = -1;
}

int SoundSystem::PlaySample(int slot) {
  if (!ValidSlot(slot) || !samples_[slot]) return -1;
  lastVoice_[slot] = mixer_ ? mixer_->PlayOnVoice(*samples_[slot]) : -1;
  return 1;
}

int SoundSystem::LastVoice(int slot) const {
  return ValidSlot(slot) ? lastVoice_[slot] : -1;
}

void SoundSystem::SetVolume(int percent) {
  if (!mixer_) return;
  const int v = percent * 64 / 100;
  mixer_->SetVoiceVolume(v);
  mixer_->SetMusicVolume(v);
}

int SoundSystem::GetVolume() {
  if (!mixer_) return 100;
  return (mixer_->GetVoiceVolume() + mixer_->GetMusicVolume()) * 100 >> 7;
}

void SoundSystem::SetSoundOn(bool on) {
  if (!mixer_) return;
  if (on) {
    mixer_->Resume();
  } else {
    mixer_->Pause();
  }
}

void SoundSystem::SetMusicOn(bool on) {
  if (!mixer_ || !music_) return;
  if (on) {
    // One music player: a second start would fail and lose the handle.
    if (musicChannel_ >= 0 && !mixer_->IsChannelFree(musicChannel_)) return;
    musicChannel_ = mixer_->StartModule(*music_);
  } else if (musicChannel_ != -1) {
    mixer_->StopChannel(musicChannel_);
  }
}

SoundSystem& TheSoundSystem() {
  static SoundSystem system;
  return system;
}

SoundInterface& InstallSoundSystem() {
  SetSound(&TheSoundSystem());
  return TheSoundSystem();
}

}  // namespace qv
