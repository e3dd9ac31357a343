// Loads arbitrary bytes as a puzzle file; when they load, runs the world for
// 300 ticks as the play screen would, drawing included.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "gfx/Surface.h"
#include "physics/ObjectFactory.h"
#include "puzzle/Puzzle.h"
#include "util/MemoryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  // Function-local statics live until exit and are destroyed then, so the
  // leak checker sees nothing of them.
  static qv::Surface screenSurface;
  static const bool ready = [] {
    screenSurface.Create(240, 320);
    qv::SetBackBuffer(&screenSurface);
    return true;
  }();
  (void)ready;
  qv::Surface* screen = &screenSurface;
  // One live object of every kind keeps the frames loaded between inputs, as
  // the game's kind cache does. Built inside the initialiser, so it is
  // destroyed at exit before the class-wide frame sets it shares.
  static const std::unique_ptr<qv::World> kinds = [] {
    auto w = std::make_unique<qv::World>();
    for (int k = 0; k < qv::kKindCount; ++k) {
      std::unique_ptr<qv::GameObject> o = qv::ObjectFactory().Create(k);
      if (o == nullptr) continue;
      o->LoadImages();
      w->Add(std::move(o));
    }
    return w;
  }();
  qv::MemoryFile file;
  if (!file.OpenBytes(data, static_cast<int>(size))) return 0;
  auto puzzle = std::make_unique<qv::Puzzle>();
  if (!puzzle->LoadFrom(file)) return 0;
  for (int tick = 0; tick < 300; ++tick) puzzle->GetWorld().StepWorld(*screen, true, tick);
  return 0;
}
