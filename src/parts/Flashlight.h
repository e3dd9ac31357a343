#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kFlashlightFrameCount = 3;
constexpr int kFlashlightOffFrame = 0;
constexpr int kFlashlightOnFrame = 1;
constexpr int kFlashlightBeamFrame = 2;
constexpr int kFlashlightGoalOn = 0;
constexpr int kFlashlightTargetCount = 1;

// A static lamp, switched on for good by a blow to its middle; then it shines
// every sub-step, which is what lights a magnifier.
class Flashlight : public GameObject {
 public:
  Flashlight();
  bool LoadImages() override;
  const char* GetName() const override { return "Flashlight"; }
  int GetKind() const override { return kKindFlashlight; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  int GetTargetCount() const override { return kFlashlightTargetCount; }
  // The lamp has one goal and answers it whatever the index.
  const char* GetTargetName(int /*i*/) const override { return "be turned on"; }
  bool IsTargetMet(int /*i*/) const override { return on; }

  static FrameSet& Frames();

  Fixed frame;
  bool on = false;

 private:
  int MirrorFlags() const { return orientation == 1 ? kMirrorX : 0; }

  FrameShare share_;
};

}  // namespace qv
