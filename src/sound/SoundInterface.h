#pragma once

namespace qv {

constexpr int kSampleSlotCount = 20;
constexpr int kNoSample = -1;

// Everything that makes a noise goes through this interface; callers never
// see the mixer behind it. Slots are 0..19, -1 meaning no sample.
class SoundInterface {
 public:
  virtual ~SoundInterface() = default;
  virtual bool Startup() = 0;
  virtual void Shutdown() = 0;
  // 1 on success, -1 on failure.
  virtual int LoadMusic() = 0;
  // The first free slot, or -1 when none is free or the file does not load.
  virtual int LoadSample(const char* path) = 0;
  // Silences and frees the slot; slots outside 0..19 are ignored.
  virtual void FreeSample(int slot) = 0;
  // -1 for a slot outside 0..19 or an empty slot, else 1 (even when every
  // voice was busy and nothing sounds).
  virtual int PlaySample(int slot) = 0;
  virtual void SetVolume(int /*percent*/) {}
  virtual int GetVolume() { return 100; }
  virtual void SetSoundOn(bool /*on*/) {}
  virtual void SetMusicOn(bool /*on*/) {}
};

// The one program-wide sound service. Until a real one is installed it is a
// silent service that keeps the slot rules.
SoundInterface& Sound();
// Installs a service (not owned); null restores the silent one. Returns the
// previous service.
SoundInterface* SetSound(SoundInterface* service);

// A service that plays nothing but hands out and frees slots like the real
// one, so callers behave the same without audio.
class SilentSound : public SoundInterface {
 public:
  bool Startup() override { return false; }
  void Shutdown() override;
  int LoadMusic() override { return -1; }
  int LoadSample(const char* path) override;
  void FreeSample(int slot) override;
  int PlaySample(int slot) override;
  void SetVolume(int percent) override { volume_ = percent; }
  int GetVolume() override { return volume_; }

 protected:
  bool used_[kSampleSlotCount] = {};
  int volume_ = 100;
};

}  // namespace qv
