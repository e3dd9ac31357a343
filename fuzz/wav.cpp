// Loads arbitrary bytes as a WAV sample and, when it loads, mixes ten
// seconds of it (looping) so the voice walks its whole data.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/Mixer.h"
#include "sound/Sample.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::Sample sample;
  if (!sample.LoadWavBytes(data, size)) return 0;
  sample.loop = 1;
  qv::Mixer mixer;
  mixer.OpenOffline(11025, 8, false, 1, 8);
  mixer.PlayOnVoice(sample);
  sample.loop = 0;
  mixer.PlayOnVoice(sample);
  std::vector<std::uint8_t> out(11025);
  for (int second = 0; second < 10; ++second) mixer.Render(out.data(), 11025);
  return 0;
}
