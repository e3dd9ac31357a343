#include <SDL.h>

#include <cstdio>

#include "platform/AudioOutput.h"

namespace qv {
namespace {

class SdlAudioOutput : public AudioOutput {
 public:
  ~SdlAudioOutput() override { Close(); }

  bool Open(int rate, int channels, int bits, int bufferBytes) override {
    Close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      Report(SDL_GetError());
      return false;
    }
    initialised_ = true;
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = bits == 16 ? AUDIO_S16LSB : AUDIO_U8;
    want.channels = static_cast<Uint8>(channels);
    const int frameBytes = channels * (bits == 16 ? 2 : 1);
    want.samples = static_cast<Uint16>(RoundToPowerOfTwo(bufferBytes / frameBytes));
    want.callback = nullptr;  // queued: the mixer's own thread feeds it
    // No allowed changes: SDL converts to whatever the hardware takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device_ == 0) {
      Report(SDL_GetError());
      Close();
      return false;
    }
    return true;
  }

  void Close() override {
    if (device_ != 0) {
      SDL_CloseAudioDevice(device_);
      device_ = 0;
    }
    if (initialised_) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      initialised_ = false;
    }
  }

  int QueuedBytes() override {
    return device_ ? static_cast<int>(SDL_GetQueuedAudioSize(device_)) : 0;
  }

  bool Queue(const void* data, int bytes) override {
    return device_ && SDL_QueueAudio(device_, data, static_cast<Uint32>(bytes)) == 0;
  }

  void SetPaused(bool paused) override {
    if (device_) SDL_PauseAudioDevice(device_, paused ? 1 : 0);
  }

 private:
  static int RoundToPowerOfTwo(int n) {
    int p = 64;
    while (p < n && p < 4096) p <<= 1;
    return p;
  }
  // One short line, so a machine without sound is not flooded.
  static void Report(const char* why) {
    std::fprintf(stderr, "quirkvale: no audio device (%s); playing silently\n", why);
  }

  SDL_AudioDeviceID device_ = 0;
  bool initialised_ = false;
};

}  // namespace

std::unique_ptr<AudioOutput> MakeSystemAudioOutput() {
  return std::make_unique<SdlAudioOutput>();
}

}  // namespace qv
