#pragma once
#include "physics/GameObject.h"

namespace qv {

// Base of the animals: a plain box that draws nothing, with the sight test
// they share.
class Creature : public GameObject {
 public:
  // Whether target is level with own (its centre y within own's height).
  // If so, keeps the nearer of it and the best so far (by whole-unit centre
  // distance; ties go to the later one) and for that one sets dir to the
  // orientation facing it (towards) or facing away: 1 right, 0 left.
  virtual bool LookAt(const Box& target, const Box& own, int* dir, Fixed* best, Fixed* previous,
                      bool towards) const;
};

// Enemies have icons but no class; the animals still watch for them.
bool IsEnemyKind(int kind);

}  // namespace qv
