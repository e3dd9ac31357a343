#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kScissorsFrameCount = 4;
constexpr int kScissorsGoalCut = 0;
constexpr int kScissorsTargetCount = 1;

// Static scissors: a touch starts them closing; closed, they cut every rope
// across their blade half, once.
class Scissors : public GameObject {
 public:
  Scissors();
  bool LoadImages() override;
  const char* GetName() const override { return "Scissors"; }
  int GetKind() const override { return kKindScissors; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Integrate(Fixed /*dt*/) override {}
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  int GetTargetCount() const override { return kScissorsTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int /*i*/) const override { return done; }

  // The blade half: the right half, or the left one when turned.
  Box CutBox() const;

  static FrameSet& Frames();

  Fixed frame;
  bool done = false;
  Fixed progress;

 private:
  int MirrorFlags() const { return orientation == 1 ? kMirrorX : 0; }

  FrameShare share_;
};

}  // namespace qv
