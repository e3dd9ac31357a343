#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// A conveyor: moves once a belt drives it and from then on pushes whatever
// touches it along its surface (backward, and weaker, underneath).
class Track : public GameObject {
 public:
  Track();
  bool LoadImages() override;
  const char* GetName() const override { return "Track"; }
  int GetKind() const override { return kKindTrack; }
  bool Contains(int x, int y) const override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override;
  int GetHookCount() const override { return 1; }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override { return i == 0 && moving; }

  Fixed frame;
  // Driven at least once.
  bool moving = false;
  int direction = 0;
  int targetCount = 1;

 private:
  void Drive(const GameObject* driver);

  FrameShare share_;
};

}  // namespace qv
