#pragma once
#include <memory>

namespace qv {

// A PCM output stream the mixer's thread feeds: it queues whole buffers and
// refills when the device has consumed one. Implementations need not be
// thread-safe beyond being used from one thread after Open.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Opens a stream of unsigned 8-bit or signed 16-bit samples. Formats the
  // device lacks are converted for it. False when no device opens.
  virtual bool Open(int rate, int channels, int bits, int bufferBytes) = 0;
  virtual void Close() = 0;
  // Bytes queued and not yet consumed by the device.
  virtual int QueuedBytes() = 0;
  virtual bool Queue(const void* data, int bytes) = 0;
  virtual void SetPaused(bool paused) = 0;
};

// The desktop's audio device (SDL2).
std::unique_ptr<AudioOutput> MakeSystemAudioOutput();

}  // namespace qv
