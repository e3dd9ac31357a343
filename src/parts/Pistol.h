#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kPistolFrameCount = 9;
constexpr int kPistolGoalShoot = 0;
constexpr int kPistolGoalShootObject = 1;
constexpr int kPistolTargetCount = 2;
// The muzzle lies this far below the pistol's top.
constexpr int kMuzzleDrop = 8;

// A static pistol with a trigger hook: a rope pulled taut over a pulley fires
// it, once per run. Part-way through its animation it creates a bullet.
class Pistol : public GameObject {
 public:
  Pistol();
  bool LoadImages() override;
  const char* GetName() const override { return "Pistol"; }
  int GetKind() const override { return kKindPistol; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetHookCount() const override { return 1; }
  int GetTargetCount() const override { return kPistolTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int /*i*/) const override { return fired; }

  static FrameSet& Frames();
  static ClassSample& Sample();

  Fixed frame;
  bool firing = false;
  bool fired = false;
  bool loaded = true;

 private:
  int MirrorFlags() const { return orientation == 1 ? kMirrorX : 0; }
  void Shoot();

  FrameShare share_;
  SampleShare sample_;
};

}  // namespace qv
