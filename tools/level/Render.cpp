#include <cstdio>
#include <cstdlib>

#include "Commands.h"
#include "Scene.h"
#include "gfx/PngWriter.h"

namespace qv::level {

// The scene at tick N (0: as loaded) in the level's colour, as a PNG.
int RunRender(const Args& argsIn) {
  Args args = argsIn;
  std::string tickText = "0";
  std::string scaleText = "1";
  TakeOption(&args, "--tick", &tickText);
  TakeOption(&args, "--scale", &scaleText);
  const int ticks = std::atoi(tickText.c_str());
  const int scale = std::atoi(scaleText.c_str());
  if (args.size() != 2 || ticks < 0 || scale < 1 || scale > 8) {
    return Usage("render IN.pzl OUT.png [--tick N] [--scale S]");
  }
  Scene scene;
  if (!scene.Load(args[0])) {
    std::fprintf(stderr, "%s: does not load\n", args[0].c_str());
    return 1;
  }
  if (ticks == 0) scene.Draw();
  for (int t = 0; t < ticks; ++t) scene.Tick();
  if (!WritePng(scene.Screen(), args[1].c_str(), scale)) {
    std::fprintf(stderr, "%s: cannot write\n", args[1].c_str());
    return 1;
  }
  return 0;
}

}  // namespace qv::level
