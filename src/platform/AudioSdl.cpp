#include <SDL.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/AudioOutput.h"

namespace qv {
namespace {

// Sound libraries under SDL (ALSA above all) print pages of diagnostics when
// a machine has no sound card; while a device is being opened stderr goes to
// /dev/null, and the one line of our own says what happened.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = ::dup(2);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) ::dup2(null, 2);
    if (null >= 0) ::close(null);
  }
  ~QuietStderr() {
    std::fflush(stderr);
    if (saved_ >= 0) {
      ::dup2(saved_, 2);
      ::close(saved_);
    }
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};

class SdlAudioOutput : public AudioOutput {
 public:
  ~SdlAudioOutput() override { Close(); }

  bool Open(int rate, int channels, int bits, int bufferBytes) override {
    Close();
    bool opened = false;
    {
      QuietStderr quiet;
      opened = OpenQuietly(rate, channels, bits, bufferBytes);
    }
    if (!opened) {
      Report(SDL_GetError());
      Close();
    }
    return opened;
  }

  bool OpenQuietly(int rate, int channels, int bits, int bufferBytes) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
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
    return device_ != 0;
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
