#pragma once
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "sound/Channel.h"
#include "sound/MusicPlayer.h"

namespace qv {

class AudioOutput;
class Module;
class Sample;

constexpr int kMixerBufferCount = 6;

// The software sound engine: voices playing samples and music players
// playing modules, mixed in integers into a ring of six buffers that its own
// output thread keeps queued on the audio device.
class Mixer {
 public:
  Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;
  ~Mixer();

  // Opens the system audio device. Rates other than 11025, 22050 and 44100
  // become 22050; bits 16 or 8; 1..3 music players; 8..64 voices.
  bool OpenDevice(int rate, int bits, bool stereo, int musicCount, int voiceCount);
  // The same on a given output (tests, other devices).
  bool OpenDevice(int rate, int bits, bool stereo, int musicCount, int voiceCount,
                  std::unique_ptr<AudioOutput> output);
  // Open without a device or thread: the caller pulls sound with Render.
  bool OpenOffline(int rate, int bits, bool stereo, int musicCount, int voiceCount);
  bool CloseDevice();
  bool IsOpen() const { return open_; }

  // A channel handle, or -1 when closed, the sample is empty or no voice is free.
  int PlayOnVoice(const Sample& sample);
  int StartModule(const Module& module);
  void Pause();
  void Resume();
  bool IsPaused() const { return paused_; }

  void SetVoiceVolume(int v);
  void SetMusicVolume(int v);
  int GetVoiceVolume() const { return voiceMaster_; }
  int GetMusicVolume() const { return musicMaster_; }

  // Music players first (0..musicCount-1), then the voices; null otherwise.
  Channel* ChannelByHandle(int handle);
  void StopChannel(int handle);
  // Stops every voice that plays sample's data, so it can be freed.
  void StopSample(const Sample& sample);
  bool IsChannelFree(int handle);

  // Mixes bytes of output under the lock (offline use and tests).
  void Render(std::uint8_t* out, int bytes);

  int OutputRate() const { return outputRate_; }
  int BufferSize() const { return bufferSize_; }
  int BytesPerFrame() const { return bytesPerFrame_; }
  int MusicCount() const { return static_cast<int>(players_.size()); }
  int VoiceCount() const { return static_cast<int>(voices_.size()); }
  // Buffers the output thread has handed to the device.
  long long BuffersQueued();

 private:
  bool Prepare(int rate, int bits, bool stereo, int musicCount, int voiceCount);
  void Release();
  void MixBuffer(std::uint8_t* target, int bytes);
  void MixFrame(std::uint8_t* out);
  void OutputThread();
  void Refill();

  std::unique_ptr<AudioOutput> output_;
  std::thread thread_;
  std::mutex lock_;         // guards mixing and every channel change
  std::mutex threadMutex_;  // guards the device and the thread's flags
  std::condition_variable wake_;
  bool stop_ = false;
  bool paused_ = false;
  bool open_ = false;
  int outputRate_ = 0;
  std::vector<MusicPlayer> players_;
  std::vector<Voice> voices_;
  std::vector<std::uint8_t> mixMemory_;
  int bufferSize_ = 0;
  int totalSize_ = 0;
  int bytesPerFrame_ = 1;
  int nextBuffer_ = 0;
  long long buffersQueued_ = 0;
  bool stereo_ = false;
  bool is16_ = false;
  int musicMaster_ = 64;
  int voiceMaster_ = 64;
};

}  // namespace qv
