#pragma once
#include <memory>

#include "sound/SoundInterface.h"

namespace qv {

class AudioOutput;
class Mixer;
class Module;
class Sample;

// The real sound service: a mixer on the audio device, twenty sample slots
// and the background tune.
class SoundSystem : public SoundInterface {
 public:
  static constexpr int kOutputRate = 11025;
  static constexpr int kVoiceCount = 8;

  SoundSystem();
  ~SoundSystem() override;

  bool Startup() override;
  // Starts on a given output instead of the system's device (tests).
  bool StartupWith(std::unique_ptr<AudioOutput> output);
  void Shutdown() override;
  int LoadMusic() override;
  int LoadSample(const char* path) override;
  void FreeSample(int slot) override;
  int PlaySample(int slot) override;
  void SetVolume(int percent) override;
  int GetVolume() override;
  void SetSoundOn(bool on) override;
  void SetMusicOn(bool on) override;

  Mixer* GetMixer() { return mixer_.get(); }
  int MusicChannel() const { return musicChannel_; }
  int LastVoice(int slot) const;

 private:
  bool ValidSlot(int slot) const { return slot >= 0 && slot < kSampleSlotCount; }
  void ResetSlots();

  std::unique_ptr<Mixer> mixer_;
  std::unique_ptr<Module> music_;
  std::unique_ptr<Sample> samples_[kSampleSlotCount];
  int lastVoice_[kSampleSlotCount];
  int musicChannel_ = 0;
};

// The one program-wide sound service.
SoundSystem& TheSoundSystem();
// Makes it the service Sound() returns, in place of the silent one; the
// application then starts it. Returns it.
SoundInterface& InstallSoundSystem();

}  // namespace qv
