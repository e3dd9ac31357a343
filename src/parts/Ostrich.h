#pragma once
#include "parts/Creature.h"
#include "parts/PartConventions.h"

namespace qv {

constexpr int kOstrichGoalStartCage = 0;
constexpr int kOstrichGoalHideHead = 1;
// The frame with the head in the ground.
constexpr int kOstrichHeadHidden = 19;

// Frightened by balls, buckets, other ostriches and enemies level with it.
// On grass it hides its head for good; elsewhere it calms down again.
class Ostrich : public Creature {
 public:
  Ostrich();
  bool LoadImages() override;
  const char* GetName() const override { return "Ostrich"; }
  int GetKind() const override { return kKindOstrich; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override;
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;

  bool IsScared() const { return scared; }
  // A squirrel cage tells the ostrich whose contact started it.
  void NoteCageStarted() { startedCage = true; }

  Fixed frame;
  bool scared = false;
  // Has touched a Ground object.
  bool onGrass = false;
  int targetCount = 2;
  bool startedCage = false;

 private:
  FrameShare share_;
};

}  // namespace qv
