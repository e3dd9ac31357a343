#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "Commands.h"
#include "Scene.h"
#include "physics/StateHash.h"
#include "puzzle/TaskCheck.h"

namespace qv::level {
namespace {

void Trace(int tick, const World& world) {
  for (int i = 0; i < world.Count(); ++i) {
    const GameObject& o = *world.At(i);
    std::printf("%d %d %d %d %d %d %d %d %d %d %d\n", tick, i, o.GetKind(), o.box.x.Raw(),
                o.box.y.Raw(), o.box.w.Raw(), o.box.h.Raw(), o.velocity.x.Raw(), o.velocity.y.Raw(),
                o.flags, o.IsRemoved() ? 1 : 0);
  }
}

}  // namespace

// Runs the file as it stands, solution parts in place. Prints "tick N
// solved|unsolved" per tick (with --trace, first one line per object:
// tick index kind x y w h vx vy flags removed, raw values), then the state
// hash.
int RunSimulate(const Args& argsIn) {
  Args args = argsIn;
  std::string ticksText;
  const bool trace = TakeFlag(&args, "--trace");
  if (!TakeOption(&args, "--ticks", &ticksText) || args.size() != 1) {
    return Usage("simulate IN.pzl --ticks N [--trace]");
  }
  const int ticks = std::atoi(ticksText.c_str());
  if (ticks < 0) return Usage("simulate IN.pzl --ticks N [--trace]");
  Scene scene;
  if (!scene.Load(args[0])) {
    std::fprintf(stderr, "%s: does not load\n", args[0].c_str());
    return 1;
  }
  for (int t = 1; t <= ticks; ++t) {
    scene.Tick();
    if (trace) Trace(t, scene.GetWorld());
    std::printf("tick %d %s\n", t, IsTaskSolved(scene.GetWorld()) ? "solved" : "unsolved");
  }
  std::printf("hash %016" PRIx64 "\n", StateHash(scene.GetWorld()));
  return 0;
}

}  // namespace qv::level
