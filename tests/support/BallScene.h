#pragma once
#include <memory>

#include "physics/Ball.h"
#include "physics/Ground.h"
#include "physics/World.h"

namespace qv::test {

// A small fixed scene: a brick floor between two walls, a grass ledge, two
// slopes, and balls dropped and thrown onto them.
inline void BuildBallScene(World& world) {
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
  for (int x = 0; x < 144; x += 48) piece(std::make_unique<Ground>(), x, 380, 0);
  piece(std::make_unique<GroundBlock>(), 144, 380, 1);
  piece(std::make_unique<Ground>(), 300, 450, 2);
  piece(std::make_unique<GroundBlock>(), 348, 430, 0);

  struct Throw {
    bool football;
    int x, y, vx, vy;
  } throws[] = {{false, 20, 300, 6, 0},   {false, 60, 250, 0, 0},   {true, 100, 200, -3, 0},
                {false, 160, 320, 0, 0},  {false, 200, 100, 2, -5}, {true, 320, 350, 0, 0},
                {false, 360, 380, -8, 0}, {false, 400, 200, 0, 10}, {true, 250, 500, 12, -20},
                {false, 440, 520, -4, 0}};
  for (const Throw& t : throws) {
    std::unique_ptr<Ball> ball;
    if (t.football) {
      ball = std::make_unique<Football>();
    } else {
      ball = std::make_unique<TennisBall>();
    }
    ball->LoadImages();
    ball->SetPosition(Fixed(t.x), Fixed(t.y));
    ball->velocity = Vec2(Fixed(t.vx), Fixed(t.vy));
    world.Add(std::move(ball));
  }
  for (int i = 0; i < world.Count(); ++i) world.At(i)->OnPlaced(i);
}

}  // namespace qv::test
