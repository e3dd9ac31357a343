// Loads arbitrary bytes as a MOD tune and, when it loads, plays ten seconds
// of it looping, so every effect the patterns hold is carried out.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/Mixer.h"
#include "sound/Module.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::Module module;
  if (!module.LoadModBytes(data, size)) return 0;
  module.SetLoop(size % 2 == 0);
  qv::Mixer mixer;
  mixer.OpenOffline(11025, 8, false, 1, 8);
  mixer.StartModule(module);
  std::vector<std::uint8_t> out(11025);
  for (int second = 0; second < 10; ++second) mixer.Render(out.data(), 11025);
  return 0;
}
