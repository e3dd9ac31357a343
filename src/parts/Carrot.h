#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// Lies still until a rabbit touches it; then it is eaten (removed).
class Carrot : public GameObject {
 public:
  Carrot();
  bool LoadImages() override;
  const char* GetName() const override { return "Carrot"; }
  int GetKind() const override { return kKindCarrot; }
  bool Contains(int x, int y) const override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override;
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override { return i == 0 && removed; }

  Fixed frame;
  int targetCount = 1;

 private:
  FrameShare share_;
};

}  // namespace qv
