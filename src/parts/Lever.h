#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kLeverFrameCount = 9;
constexpr int kLeverGoalChanged = 0;
constexpr int kLeverTargetCount = 1;
// tilt 0: left end down; 8: right end down; 4: level.
constexpr int kLeverLeftDown = 0;
constexpr int kLeverLevel = 4;
constexpr int kLeverRightDown = 8;
constexpr int kLeverLeftHook = 0;
constexpr int kLeverRightHook = 1;

// A static seesaw. A touch pushes the touched half down; a hard blow, or a
// rope raising one of its ends, starts it swinging and kicks what lies on it.
class Lever : public GameObject {
 public:
  Lever();
  bool LoadImages() override;
  const char* GetName() const override { return "Lever"; }
  int GetKind() const override { return kKindLever; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  // Only the per-sub-step hit guard; a static lever has no use for forces.
  void ClearForces() override { hitThisStep = false; }
  void ApplyForces(Fixed dt) override;
  void Integrate(Fixed /*dt*/) override {}
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetHookCount() const override { return 2; }
  int GetOrientationCount() const override { return 2; }
  int GetOrientation() const override { return tilt < kLeverLevel ? 1 : 0; }
  void SetOrientation(int v) override { tilt = v ? kLeverLeftDown : kLeverRightDown; }
  int GetTargetCount() const override { return kLeverTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int /*i*/) const override { return changed; }

  static FrameSet& Frames();

  Fixed frame;
  Fixed tilt = kLeverRightDown;
  int swing = 0;
  bool hitThisStep = false;
  bool changed = false;

 private:
  void OnContact(GameObject* other, const Vec2& point);
  void OnRopePull(GameObject* rope, const Vec2& pull);
  // Whether a new swing the given way would start the lever from rest.
  bool StartsFromRest(int way) const;
  void Kick(GameObject* except);

  FrameShare share_;
};

}  // namespace qv
