#include <benchmark/benchmark.h>

#include <memory>

#include "gfx/Surface.h"
#include "physics/Ball.h"
#include "physics/Ground.h"
#include "physics/World.h"

namespace qv {
namespace {

// A full world: the three fields, a floor between walls, ledges and slopes,
// and balls until 100 objects, let fall for a while so that they pile up.
void BuildFullWorld(World& world) {
  world.SetUpNew();
  auto piece = [&world](std::unique_ptr<GameObject> obj, int x, int y, int orientation) {
    obj->LoadImages();
    obj->SetOrientation(orientation);
    obj->SetPosition(Fixed(x), Fixed(y));
    world.Add(std::move(obj));
  };
  for (int x = 0; x < 480; x += 48) piece(std::make_unique<GroundBlock>(), x, 600, 0);
  piece(std::make_unique<GroundBlock>(), 0, 552, 3);
  piece(std::make_unique<GroundBlock>(), 458, 552, 3);
  piece(std::make_unique<Ground>(), 0, 400, 0);
  piece(std::make_unique<Ground>(), 48, 400, 1);
  piece(std::make_unique<GroundBlock>(), 400, 420, 2);
  piece(std::make_unique<GroundBlock>(), 352, 420, 0);
  for (int i = 0; !world.IsFull(); ++i) {
    std::unique_ptr<Ball> ball;
    if (i % 4 == 0) {
      ball = std::make_unique<Football>();
    } else {
      ball = std::make_unique<TennisBall>();
    }
    ball->LoadImages();
    ball->SetPosition(Fixed(24 + (i * 37) % 420), Fixed(40 + (i / 12) * 36));
    ball->velocity = Vec2(Fixed((i % 7) - 3), Fixed(0));
    world.Add(std::move(ball));
  }
  for (int i = 0; i < world.Count(); ++i) world.At(i)->OnPlaced(i);
  for (int tick = 0; tick < 600; ++tick) world.StepPhysics();
}

void BM_StepWorldDrawing(benchmark::State& state) {
  World world;
  BuildFullWorld(world);
  Surface screen;
  screen.Create(240, 320);
  for (auto _ : state) {
    world.StepWorld(screen, true, 1);
    benchmark::ClobberMemory();
  }
  state.counters["ticks/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepWorldDrawing);

void BM_StepWorldPhysicsOnly(benchmark::State& state) {
  World world;
  BuildFullWorld(world);
  for (auto _ : state) {
    world.StepPhysics();
    benchmark::ClobberMemory();
  }
  state.counters["ticks/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepWorldPhysicsOnly);

}  // namespace
}  // namespace qv
