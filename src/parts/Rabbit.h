#pragma once
#include "parts/Creature.h"
#include "parts/PartConventions.h"

namespace qv {

constexpr int kRabbitGoalEat = 0;
constexpr int kRabbitGoalRunAway = 1;
// Sub-steps the rabbit keeps running after it last saw something.
constexpr int kRabbitRunTime = 200;

// Runs toward a carrot level with it, turns round at walls, eats the carrot
// when it reaches it; flees from enemies.
class Rabbit : public Creature {
 public:
  Rabbit();
  bool LoadImages() override;
  const char* GetName() const override { return "Rabbit"; }
  int GetKind() const override { return kKindRabbit; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Integrate(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override;
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;
  // Called by the carrot it touched.
  void StartEating(bool flag, GameObject* eaten);

  Fixed frame;
  bool running = false;
  bool eating = false;
  // Contains tests the plain box instead of the frame's mask.
  bool boxContains = false;
  GameObject* carrot = nullptr;
  int targetCount = 2;
  int runTimer = 0;
  int runDirection = 0;
  bool skipIntegrate = false;

 private:
  bool Scan(int* dir);
  void Animate();
  void TurnAtWall(GameObject* other);
  // Twice the pixel height of a frame; the box height when it is missing.
  Fixed FrameBoxHeight(int index) const;
  int FramePixelHeight(int index) const;

  FrameShare share_;
  SampleShare sample_;
};

}  // namespace qv
