#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kMagnifierFrameCount = 2;
constexpr int kMagnifierLensFrame = 0;
constexpr int kMagnifierSpotFrame = 1;

// A static lens. Caught by a flashlight's beam it focuses the light into a
// hot spot beside it that ignites and burns like a flame, for good.
class Magnifier : public GameObject {
 public:
  Magnifier();
  bool LoadImages() override;
  const char* GetName() const override { return "Magnifier"; }
  int GetKind() const override { return kKindMagnifier; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }

  // The band in which a flashlight's front edge must lie to light the lens.
  Box CatchBox() const;
  // The hot spot beside the lens, sized by the spot picture.
  Box HotBox() const;
  bool IsLit() const { return lit; }

  static FrameSet& Frames();

  Fixed frame;
  bool lit = false;
  int beamLeft = 1;

 private:
  FrameShare share_;
};

}  // namespace qv
