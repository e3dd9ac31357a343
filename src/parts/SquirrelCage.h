#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// The motor: bumped once, its squirrel runs for good and the wheel turns,
// driving whatever a belt ties to its axle.
class SquirrelCage : public GameObject {
 public:
  SquirrelCage();
  bool LoadImages() override;
  const char* GetName() const override { return "Squirrel cage"; }
  int GetKind() const override { return kKindSquirrelCage; }
  void ClearForces() override {}
  void Integrate(Fixed /*dt*/) override {}
  void Draw(Surface& surface) override;
  // A contact starts it, unless it comes from a bomb or a calm ostrich.
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override;
  bool CanDrive() const override { return true; }
  // 0 until running; then 1 facing left, 2 facing right.
  int GetSpin() const override;
  int GetHookCount() const override { return 1; }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;

  Fixed frame;
  bool running = false;
  int targetCount = 1;

 private:
  FrameShare share_;
  SampleShare sample_;
};

}  // namespace qv
