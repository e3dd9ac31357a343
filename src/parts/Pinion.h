#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// Turning directions of the drive train; 0 is still.
constexpr int kTurnNone = 0;
constexpr int kTurnForward = 1;   // frames advance
constexpr int kTurnBackward = 2;  // frames run backward

// A gear wheel: turns when driven, passes the turn on to pinions that mesh
// with it (reversed) or share a belt with it (kept), shoves what touches it.
class Pinion : public GameObject {
 public:
  Pinion();
  bool LoadImages() override;
  const char* GetName() const override { return "Pinion"; }
  int GetKind() const override { return kKindPinion; }
  // Inside the box and the wheel's circle.
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  // The drive marks live for one sub-step; the force is left alone.
  void ClearForces() override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override;
  bool CanDrive() const override { return spinning; }
  int GetSpin() const override { return direction; }
  int GetHookCount() const override { return 1; }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override { return i == 0 && spinning; }

  Fixed frame;
  // Driven in this sub-step.
  bool spinning = false;
  int direction = kTurnNone;
  bool drivenThisStep = false;
  int targetCount = 1;

 private:
  Vec2 WheelCentre() const;
  void Drive(GameObject* driver);
  bool SharesBeltWith(const GameObject* other) const;

  FrameShare share_;
};

}  // namespace qv
