// quirkvale-sound render IN.mod|IN.wav OUT.wav [--seconds N] [--rate R] [--bits B] [--once]
// Runs the game's mixer offline and writes what it would play. A sample plays
// once to its end; a tune loops unless --once, which ends it where it would
// first loop back. Prints the rendered length in seconds.
#include <unistd.h>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sound/Mixer.h"
#include "sound/Module.h"
#include "sound/Sample.h"
#include "sound/WavWriter.h"

namespace {

constexpr double kMaxSeconds = 3600;

int Usage() {
  std::fprintf(stderr,
               "usage: quirkvale-sound render IN.mod|IN.wav OUT.wav [--seconds N] [--rate R] "
               "[--bits 8|16] [--once]\n");
  return 2;
}

bool EndsWith(const std::string& s, const char* suffix) {
  const std::size_t n = std::strlen(suffix);
  if (s.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    if (std::tolower(static_cast<unsigned char>(s[s.size() - n + i])) != suffix[i]) return false;
  }
  return true;
}

std::string Absolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char buf[4096];
  if (::getcwd(buf, sizeof buf) == nullptr) return path;
  return std::string(buf) + "/" + path;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || std::strcmp(argv[1], "render") != 0) return Usage();
  const std::string in = Absolute(argv[2]);
  const std::string out = argv[3];
  double seconds = -1;
  int rate = 11025;
  int bits = 8;
  bool once = false;
  for (int i = 4; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--seconds") == 0 && hasValue) {
      seconds = std::atof(argv[++i]);
    } else if (std::strcmp(argv[i], "--rate") == 0 && hasValue) {
      rate = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--bits") == 0 && hasValue) {
      bits = std::atoi(argv[++i]) == 16 ? 16 : 8;
    } else if (std::strcmp(argv[i], "--once") == 0) {
      once = true;
    } else {
      return Usage();
    }
  }

  qv::Mixer mixer;
  mixer.OpenOffline(rate, bits, false, 1, 8);
  qv::Sample sample;
  qv::Module module;
  int handle = -1;
  if (EndsWith(in, ".wav")) {
    if (!sample.LoadWav(in.c_str())) {
      std::fprintf(stderr, "quirkvale-sound: %s is not a sample we can play\n", in.c_str());
      return 1;
    }
    handle = mixer.PlayOnVoice(sample);
  } else {
    if (!module.LoadMod(in.c_str())) {
      std::fprintf(stderr, "quirkvale-sound: %s is not a module we can play\n", in.c_str());
      return 1;
    }
    module.SetLoop(!once);
    if (seconds < 0 && !once) seconds = 60;
    handle = mixer.StartModule(module);
  }
  if (seconds < 0 || seconds > kMaxSeconds) seconds = kMaxSeconds;

  // Mix frame by frame until the sound ends or the time is up.
  const int frameBytes = mixer.BytesPerFrame();
  const long long limit = static_cast<long long>(seconds * mixer.OutputRate());
  std::vector<std::uint8_t> pcm;
  std::vector<std::uint8_t> frame(static_cast<std::size_t>(frameBytes));
  long long frames = 0;
  for (; frames < limit && !mixer.IsChannelFree(handle); ++frames) {
    mixer.Render(frame.data(), frameBytes);
    pcm.insert(pcm.end(), frame.begin(), frame.end());
  }
  std::vector<std::uint8_t> wav;
  if (bits == 16) {
    std::vector<std::int16_t> s(pcm.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i) {
      s[i] =
          static_cast<std::int16_t>(static_cast<std::uint16_t>(pcm[2 * i] | (pcm[2 * i + 1] << 8)));
    }
    wav = qv::MakePcmWav16(mixer.OutputRate(), 1, s);
  } else {
    wav = qv::MakePcmWav8(mixer.OutputRate(), 1, pcm);
  }
  if (!qv::WriteFileBytes(out.c_str(), wav)) {
    std::fprintf(stderr, "quirkvale-sound: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("seconds=%.4f\n", static_cast<double>(frames) / mixer.OutputRate());
  return 0;
}
