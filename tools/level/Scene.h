#pragma once
#include <memory>
#include <string>

#include "gfx/Surface.h"
#include "puzzle/Puzzle.h"

namespace qv::level {

// A loaded puzzle with the back buffer it runs on, as the play screen has it.
class Scene {
 public:
  Scene();
  ~Scene();
  // LoadPuzzle, with the shipped-level check for files in the data tree.
  bool Load(const std::string& path);
  // One tick of a run: the whole world step, drawing included.
  void Tick();
  // The scene as it stands, not stepped: background and every object.
  void Draw();
  Puzzle& GetPuzzle() { return *puzzle_; }
  World& GetWorld() { return puzzle_->GetWorld(); }
  Surface& Screen() { return screen_; }
  int LevelNumber() const { return levelNumber_; }

 private:
  std::unique_ptr<Puzzle> puzzle_;
  Surface screen_;
  int levelNumber_ = 0;
};

}  // namespace qv::level
