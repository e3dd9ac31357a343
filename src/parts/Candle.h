#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kCandleFrameCount = 5;
constexpr int kCandleGoalLightBomb = 0;
constexpr int kCandleGoalBurnRope = 1;
constexpr int kCandleGoalBurn = 2;
constexpr int kCandleTargetCount = 3;

// A movable candle. Once lit it burns for good, and its flame lights other
// candles and bomb fuses and burns through ropes.
class Candle : public GameObject {
 public:
  Candle();
  bool LoadImages() override;
  const char* GetName() const override { return "Candle"; }
  int GetKind() const override { return kKindCandle; }
  bool Contains(int x, int y) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  int GetTargetCount() const override { return kCandleTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;

  // The flame: half the candle's size, centred on its top edge.
  Box FlameBox() const;
  bool IsBurning() const { return burning; }
  // A bomb tells the candle whose flame lit its fuse.
  void NoteBombLit() { litBomb_ = true; }

  static FrameSet& Frames();

  Fixed frame;
  bool burning = false;

 private:
  void CatchFlame(const Box& flame);
  void CatchBullet(const GameObject& bullet);
  void CatchExplosion(const GameObject& bomb);

  FrameShare share_;
  bool litBomb_ = false;
  bool cutRope_ = false;
};

}  // namespace qv
