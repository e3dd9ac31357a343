#include "sound/Mixer.h"

#include <algorithm>
#include <chrono>

#include "platform/AudioOutput.h"
#include "sound/Module.h"
#include "sound/Sample.h"

namespace qv {
namespace {

constexpr int kLatencyMs = 135;
constexpr auto kPollInterval = std::chrono::milliseconds(5);

int ChooseRate(int rate) {
  return (rate == 11025 || rate == 22050 || rate == 44100) ? rate : 22050;
}

}  // namespace

Mixer::Mixer() = default;

Mixer::~Mixer() {
  CloseDevice();
}

bool Mixer::Prepare(int rate, int bits, bool stereo, int musicCount, int voiceCount) {
  if (open_) return false;
  rate = ChooseRate(rate);
  stereo_ = stereo;
  is16_ = bits == 16;
  players_ = std::vector<MusicPlayer>(static_cast<std::size_t>(std::clamp(musicCount, 1, 3)));
  voices_ = std::vector<Voice>(static_cast<std::size_t>(std::clamp(voiceCount, 8, 64)));
  musicMaster_ = voiceMaster_ = kMaxChannelVolume;
  for (MusicPlayer& p : players_) p.master = &musicMaster_;
  for (Voice& v : voices_) v.master = &voiceMaster_;
  outputRate_ = rate;
  bytesPerFrame_ = (1 << (stereo_ ? 1 : 0)) << (is16_ ? 1 : 0);
  // Six buffers hold about 135 ms; each a multiple of 8 bytes.
  const unsigned total = static_cast<unsigned>(rate * bytesPerFrame_) * kLatencyMs / 1000u;
  bufferSize_ = static_cast<int>((total / kMixerBufferCount + 7) & ~7u);
  totalSize_ = kMixerBufferCount * bufferSize_;
  mixMemory_.assign(static_cast<std::size_t>(totalSize_), is16_ ? 0 : 128);
  nextBuffer_ = 0;
  buffersQueued_ = 0;
  stop_ = false;
  paused_ = false;
  return true;
}

bool Mixer::OpenOffline(int rate, int bits, bool stereo, int musicCount, int voiceCount) {
  if (!Prepare(rate, bits, stereo, musicCount, voiceCount)) return false;
  open_ = true;
  return true;
}

bool Mixer::OpenDevice(int rate, int bits, bool stereo, int musicCount, int voiceCount) {
  return OpenDevice(rate, bits, stereo, musicCount, voiceCount, MakeSystemAudioOutput());
}

bool Mixer::OpenDevice(int rate, int bits, bool stereo, int musicCount, int voiceCount,
                       std::unique_ptr<AudioOutput> output) {
  if (open_ || output == nullptr) return false;
  if (!Prepare(rate, bits, stereo, musicCount, voiceCount)) return false;
  if (!output->Open(outputRate_, stereo_ ? 2 : 1, is16_ ? 16 : 8, bufferSize_)) {
    Release();
    return false;
  }
  output_ = std::move(output);
  output_->SetPaused(false);  // before the thread starts: only it touches the device then
  open_ = true;
  thread_ = std::thread(&Mixer::OutputThread, this);
  return true;
}

void Mixer::Release() {
  players_.clear();
  voices_.clear();
  mixMemory_.clear();
  mixMemory_.shrink_to_fit();
}

bool Mixer::CloseDevice() {
  if (!open_) return true;
  if (thread_.joinable()) {
    {
      // A paused thread is woken so that it sees the stop.
      std::lock_guard<std::mutex> g(threadMutex_);
      stop_ = true;
      paused_ = false;
    }
    wake_.notify_all();
    thread_.join();
  }
  if (output_) {
    output_->Close();
    output_.reset();
  }
  Release();
  open_ = false;
  paused_ = false;
  return true;
}

void Mixer::OutputThread() {
  std::unique_lock<std::mutex> lk(threadMutex_);
  while (!stop_) {
    wake_.wait_for(lk, kPollInterval, [this] { return stop_; });
    if (stop_ || paused_) continue;
    Refill();
  }
}

// Called with threadMutex_ held: tops the device's queue up to the ring.
void Mixer::Refill() {
  for (int n = 0; n < kMixerBufferCount; ++n) {
    if (output_->QueuedBytes() > (kMixerBufferCount - 1) * bufferSize_) break;
    std::uint8_t* target = mixMemory_.data() + nextBuffer_ * bufferSize_;
    {
      std::lock_guard<std::mutex> g(lock_);
      MixBuffer(target, bufferSize_);
    }
    output_->Queue(target, bufferSize_);
    nextBuffer_ = (nextBuffer_ + 1) % kMixerBufferCount;
    ++buffersQueued_;
  }
}

long long Mixer::BuffersQueued() {
  std::lock_guard<std::mutex> g(threadMutex_);
  return buffersQueued_;
}

void Mixer::Pause() {
  if (!open_) return;
  std::lock_guard<std::mutex> g(threadMutex_);
  if (output_) output_->SetPaused(true);
  paused_ = true;
}

void Mixer::Resume() {
  if (!open_) return;
  {
    std::lock_guard<std::mutex> g(threadMutex_);
    paused_ = false;
    if (output_) output_->SetPaused(false);
  }
  wake_.notify_all();
}

void Mixer::Render(std::uint8_t* out, int bytes) {
  if (!open_ || out == nullptr || bytes <= 0) return;
  std::lock_guard<std::mutex> g(lock_);
  MixBuffer(out, bytes);
}

void Mixer::MixBuffer(std::uint8_t* target, int bytes) {
  const int frames = bytes / bytesPerFrame_;
  for (int i = 0; i < frames; ++i) MixFrame(target + i * bytesPerFrame_);
}

void Mixer::MixFrame(std::uint8_t* out) {
  std::int32_t musicL = 0;
  std::int32_t musicR = 0;
  for (MusicPlayer& p : players_) {
    if (!p.IsFree()) p.MixFrame(outputRate_, stereo_, &musicL, &musicR);
  }
  std::int32_t voiceL = 0;
  std::int32_t voiceR = 0;
  for (Voice& v : voices_) {
    if (!v.IsFree()) v.MixFrame(outputRate_, stereo_, &voiceL, &voiceR);
  }
  const int channels = stereo_ ? 2 : 1;
  const std::int32_t voice[2] = {voiceL, voiceR};
  const std::int32_t music[2] = {musicL, musicR};
  for (int c = 0; c < channels; ++c) {
    if (is16_) {
      const std::int32_t v = std::clamp((voice[c] >> 6) + music[c] * 2, -32768, 32767);
      const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
      out[2 * c] = static_cast<std::uint8_t>(u & 0xFF);
      out[2 * c + 1] = static_cast<std::uint8_t>(u >> 8);
    } else {
      const std::int32_t v = std::clamp((music[c] + (voice[c] >> 7)) >> 7, -128, 127);
      out[c] = static_cast<std::uint8_t>(v + 128);
    }
  }
}

int Mixer::PlayOnVoice(const Sample& sample) {
  if (!open_ || !sample.HasData()) return -1;
  std::lock_guard<std::mutex> g(lock_);
  int chosen = -1;
  if (sample.voiceLimit == -1) {
    for (std::size_t i = 0; i < voices_.size(); ++i) {
      if (voices_[i].IsFree()) {
        chosen = static_cast<int>(i);
        break;
      }
    }
  } else {
    int busy = 0;
    for (std::size_t i = 0; i < voices_.size(); ++i) {
      if (voices_[i].IsFree()) {
        chosen = static_cast<int>(i);
      } else if (voices_[i].data == sample.data.data()) {
        ++busy;
      }
    }
    if (busy >= sample.voiceLimit) chosen = -1;
  }
  if (chosen < 0) return -1;
  Voice& v = voices_[static_cast<std::size_t>(chosen)];
  v.data = sample.data.data();
  v.baseFrequency = sample.rate;
  v.frequency = sample.frequency;
  v.dirty = 1;
  v.SetPitch(sample.pitch);
  v.position = 0;
  v.length = static_cast<std::uint64_t>(sample.sampleCount) << 8;
  v.loop = sample.loop;
  v.pan = sample.pan;
  v.is8Bit = sample.is8Bit;
  v.SetChannelVolume(sample.volume);
  v.Start();
  return MusicCount() + chosen;
}

int Mixer::StartModule(const Module& module) {
  if (!open_ || !module.HasData()) return -1;
  std::lock_guard<std::mutex> g(lock_);
  for (std::size_t i = 0; i < players_.size(); ++i) {
    if (players_[i].IsFree()) {
      players_[i].Begin(module);
      return static_cast<int>(i);
    }
  }
  return -1;
}

void Mixer::SetVoiceVolume(int v) {
  std::lock_guard<std::mutex> g(lock_);
  voiceMaster_ = std::clamp(v, 0, kMaxChannelVolume);
  for (Voice& voice : voices_) voice.SetChannelVolume(voice.volume);
}

void Mixer::SetMusicVolume(int v) {
  std::lock_guard<std::mutex> g(lock_);
  musicMaster_ = std::clamp(v, 0, kMaxChannelVolume);
  for (MusicPlayer& p : players_) p.SetChannelVolume(p.volume);
}

Channel* Mixer::ChannelByHandle(int handle) {
  if (handle < 0) return nullptr;
  const auto h = static_cast<std::size_t>(handle);
  if (h < players_.size()) return &players_[h];
  if (h < players_.size() + voices_.size()) return &voices_[h - players_.size()];
  return nullptr;
}

void Mixer::StopChannel(int handle) {
  std::lock_guard<std::mutex> g(lock_);
  if (Channel* c = ChannelByHandle(handle)) c->Stop();
}

bool Mixer::IsChannelFree(int handle) {
  std::lock_guard<std::mutex> g(lock_);
  Channel* c = ChannelByHandle(handle);
  return c == nullptr || c->IsFree();
}

void Mixer::StopSample(const Sample& sample) {
  if (sample.data.empty()) return;
  std::lock_guard<std::mutex> g(lock_);
  for (Voice& v : voices_) {
    if (!v.IsFree() && v.data == sample.data.data()) v.Stop();
  }
}

}  // namespace qv
