#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// The pulley: a static block whose centre hook lets a rope pass over it.
class RopeBlock : public GameObject {
 public:
  RopeBlock();
  bool LoadImages() override;
  const char* GetName() const override { return "Rope block"; }
  int GetKind() const override { return kKindRopeBlock; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  void AddForce(GameObject* /*source*/, Vec2 /*v*/) override {}
  void Draw(Surface& surface) override;
  const FrameSet* GetImages() const override;
  int GetHookCount() const override { return 1; }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;

  Fixed frame;

 private:
  FrameShare share_;
};

}  // namespace qv
