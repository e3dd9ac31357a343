#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// The static terrain pieces: flat (0), slope falling right (1), slope rising
// right (2) and upright (3). Heavy, never moved, blown away by a bomb.
class GroundPiece : public GameObject {
 public:
  GroundPiece();
  void SetOrientation(int n) override;
  void AddForce(GameObject* source, Vec2 v) override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;

 protected:
  virtual const FrameSet& Frames() const = 0;
};

// Brick block: solid in its whole box (or slope band).
class GroundBlock : public GroundPiece {
 public:
  GroundBlock();
  bool LoadImages() override;
  const char* GetName() const override { return "Ground block"; }
  int GetKind() const override { return kKindGroundBlock; }
  int GetOrientationCount() const override { return 4; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  const FrameSet* GetImages() const override { return &Frames(); }

 protected:
  const FrameSet& Frames() const override;

 private:
  FrameShare share_;
};

// Grass-topped floor: the grass (upper part of the box) is not solid.
class Ground : public GroundPiece {
 public:
  Ground();
  bool LoadImages() override;
  const char* GetName() const override { return "Ground"; }
  int GetKind() const override { return kKindGround; }
  // The rotate tool offers flat and the two slopes; upright still loads.
  int GetOrientationCount() const override { return 3; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  const FrameSet* GetImages() const override { return &Frames(); }

 protected:
  const FrameSet& Frames() const override;

 private:
  FrameShare share_;
};

}  // namespace qv
