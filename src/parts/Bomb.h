#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

enum class BombState { Idle = 0, Burning = 1, Exploding = 2 };

constexpr int kBombFrameCount = 14;
constexpr int kBombGoalExploded = 0;
constexpr int kBombTargetCount = 1;
// Frames 0..2 show the fuse burning down, 3..13 the explosion.
constexpr int kBombBurstFrame = 3;
constexpr int kBombLastFrame = 13;

// Whether target lies strictly inside the blast of bomb: a circle of 1.5
// times the bomb's width around its centre.
bool InsideBlast(const GameObject& bomb, const GameObject& target);

// A round, movable bomb: fire at its fuse, a nearby blast or a bullet sets it
// off; it bursts, tells everyone, plays its explosion and is gone.
class Bomb : public GameObject {
 public:
  Bomb();
  bool LoadImages() override;
  const char* GetName() const override { return "Bomb"; }
  int GetKind() const override { return kKindBomb; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  int GetTargetCount() const override { return kBombTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int /*i*/) const override { return removed; }

  // The fuse: pixel (13, 0) of the frame, mirrored with the orientation.
  Vec2 FusePoint() const;

  static FrameSet& Frames();
  static ClassSample& Sample();

  BombState state = BombState::Idle;
  Fixed frame;

 private:
  void Burn();
  void Explode();
  void TakeKick(const GameObject& lever, const Vec2& kick);
  // False when the flame is too far from the fuse to count at all.
  bool CatchFlame(const Box& flame, GameObject* source);
  void CatchBullet(GameObject& bullet);
  void CatchExplosion(const GameObject& other);

  FrameShare share_;
  SampleShare sample_;
};

}  // namespace qv
