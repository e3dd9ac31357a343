#pragma once
#include "physics/GameObject.h"

namespace qv {

// The invisible objects at the head of every world's list that push all
// other bodies: they act after the parts, in the order gravity, drag, support.

class GravityField : public GameObject {
 public:
  GravityField();
  int GetKind() const override { return kKindGravityField; }
  // (0, kGravity x mass) on every body with gravity.
  void ApplyForces(Fixed dt) override;
};

class DragField : public GameObject {
 public:
  DragField();
  int GetKind() const override { return kKindDragField; }
  // -kDragFactor x mass x velocity on every body.
  void ApplyForces(Fixed dt) override;
};

class SupportField : public GameObject {
 public:
  SupportField();
  int GetKind() const override { return kKindSupportField; }
  // Cancels the part of a downward force that pushes a body into the first
  // surface it rests on in its lower half.
  void ApplyForces(Fixed dt) override;
};

}  // namespace qv
