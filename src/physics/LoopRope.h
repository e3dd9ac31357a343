#pragma once
#include "physics/GameObject.h"
#include "physics/RopeEnd.h"

namespace qv {

constexpr int kBeltMaxEnds = 2;

// A belt between two wheel hooks. It carries no force: when the wheel at one
// end turns, it sends kEventDrive to the wheel at the other, and it passes a
// drive on at once when it hears of one, so chains of belts and pinions turn
// within one sub-step. An end without object counts as absent.
class LoopRope : public GameObject {
 public:
  LoopRope();
  ~LoopRope() override;

  const char* GetName() const override { return "Loop rope"; }
  int GetKind() const override { return kKindLoopRope; }

  // False when both ends exist already or the object refuses the hook.
  bool AddEnd(GameObject* object, int hook);
  int EndCount() const { return ends_.Count(); }
  RopeEnd* End(int i) const { return ends_.At(i); }
  RopeEndList& Ends() { return ends_; }
  const RopeEndList& Ends() const { return ends_; }
  bool IsComplete() const { return EndCount() == kBeltMaxEnds; }
  // Whether one of the two ends is fastened to object.
  bool Joins(const GameObject* a, const GameObject* b) const;

  // Clears the once-per-sub-step guard; a belt has no force to clear.
  void ClearForces() override { driven = false; }
  // The drive: the first end that can drive and turns drives the other.
  void ApplyForces(Fixed dt) override;
  void Integrate(Fixed /*dt*/) override {}
  void OnEvent(int event, GameObject* other, void* data) override;
  bool Contains(int x, int y) const override;
  void Draw(Surface& surface) override;
  void DrawOutline(Surface& surface) const override;
  bool Save(Stream& stream) override;
  // False (no ends) for a short record or more than two ends.
  bool Load(Stream& stream) override;

  bool selected = false;
  // The belt has passed on a drive in this sub-step.
  bool driven = false;

 private:
  bool BothEnds(GameObject** a, GameObject** b) const;

  RopeEndList ends_;
};

}  // namespace qv
