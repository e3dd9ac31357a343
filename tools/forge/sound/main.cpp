// Writes the game's sound data: Sounds/Wav/*.wav and Sounds/Mod/3_fixed.mod
// under the given data folder; with --effects FILE also the effects check
// module used to compare our player with an independent one.
#include <cstdio>
#include <cstring>
#include <string>

#include "Synth.h"
#include "sound/WavWriter.h"
#include "util/Folders.h"

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  if (qv::WriteFileBytes(path.c_str(), bytes)) return true;
  std::fprintf(stderr, "forge-sound: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: forge-sound DATA_FOLDER [--effects FILE]\n");
    return 2;
  }
  const std::string root = std::string(argv[1]) + "/Sounds/";
  if (!qv::MakeFolders((root + "Wav").c_str()) || !qv::MakeFolders((root + "Mod").c_str())) {
    std::fprintf(stderr, "forge-sound: cannot create %s\n", root.c_str());
    return 1;
  }
  using namespace qv::forge;
  bool ok = true;
  ok &= Write(root + "Wav/Trumpet.wav", qv::MakePcmWav16(22050, 1, To16(MakeTrumpet(22050))));
  ok &= Write(root + "Wav/bangbang.wav", qv::MakePcmWav8(11025, 1, ToU8(MakeExplosion(11025))));
  // The pistol's shot is stored as Microsoft ADPCM.
  ok &= Write(root + "Wav/laser.wav", qv::MakeAdpcmWav(11025, 256, To16(MakeLaser(11025))));
  ok &= Write(root + "Wav/dedodedo.wav", qv::MakePcmWav8(11025, 1, ToU8(MakeCage(11025))));
  ok &= Write(root + "Wav/rabbit1.wav", qv::MakePcmWav16(22050, 1, To16(MakeRabbit(22050))));
  ok &= Write(root + "Mod/3_fixed.mod", MakeTune());
  if (argc >= 4 && std::strcmp(argv[2], "--effects") == 0)
    ok &= Write(argv[3], MakeEffectsModule());
  return ok ? 0 : 1;
}
