#include "Scene.h"

#include "Commands.h"

namespace qv::level {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

Scene::Scene() : puzzle_(std::make_unique<Puzzle>()) {
  screen_.Create(kScreenWidth, kScreenHeight);
  SetBackBuffer(&screen_);
}

Scene::~Scene() {
  // The world's objects go before the back buffer they may still ask for.
  puzzle_.reset();
  SetBackBuffer(nullptr);
}

bool Scene::Load(const std::string& path) {
  levelNumber_ = LevelNumberOf(path);
  return puzzle_->LoadPuzzle(path.c_str());
}

void Scene::Tick() {
  GetWorld().StepWorld(screen_, true, levelNumber_);
}

void Scene::Draw() {
  std::uint8_t r = 0, g = 0, b = 0;
  BackgroundColour(true, levelNumber_, &r, &g, &b);
  screen_.Clear(r, g, b);
  GetWorld().DrawObjects(screen_);
}

}  // namespace qv::level
