#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kBalloonFrameCount = 10;
constexpr int kBalloonGoalTouch = 0;
constexpr int kBalloonGoalPopped = 1;
constexpr int kBalloonGoalFlyOff = 2;
constexpr int kBalloonTargetCount = 3;

// A balloon with one rope hook under it: it lifts a little more than its
// weight and sways through its frames. A bullet through it pops it.
class Balloon : public GameObject {
 public:
  Balloon();
  bool LoadImages() override;
  const char* GetName() const override { return "Balloon"; }
  int GetKind() const override { return kKindBalloon; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetHookCount() const override { return 1; }
  int GetTargetCount() const override { return kBalloonTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;

  static FrameSet& Frames();

  Fixed frame;
  int animDirection = 1;

 private:
  FrameShare share_;
  bool touched_ = false;
};

}  // namespace qv
