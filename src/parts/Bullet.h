#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kBulletGoalHit = 0;
constexpr int kBulletTargetCount = 1;
// World units per unit of time.
constexpr int kBulletSpeed = 20;

// The pistol's shot: flies level at constant speed through everything,
// cutting ropes and setting off candles and bombs near its path. Only a bomb
// it sets off removes it.
class Bullet : public GameObject {
 public:
  Bullet();
  bool LoadImages() override;
  const char* GetName() const override { return "Bullet"; }
  int GetKind() const override { return kKindBullet; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  void ApplyForces(Fixed dt) override;
  void Integrate(Fixed dt) override;
  void Draw(Surface& surface) override;
  bool IsCollidable() const override { return false; }
  const FrameSet* GetImages() const override { return &Frames(); }
  int GetTargetCount() const override { return kBulletTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int /*i*/) const override { return removed; }

  void SetDirection(bool right);

  static FrameSet& Frames();

  Fixed frame;

 private:
  FrameShare share_;
};

}  // namespace qv
