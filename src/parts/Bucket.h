#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

constexpr int kBucketFrameCount = 5;
constexpr int kBucketCapacity = 3;
constexpr int kBucketGoalFallToObject = 0;
constexpr int kBucketGoalHoldBall = 1;
constexpr int kBucketGoalLeaveScreen = 2;
constexpr int kBucketTargetCount = 3;
// How far the bucket must have dropped before a touch counts as a fall.
constexpr int kBucketFallDistance = 20;

// A movable bucket with one rope hook. Balls that drop into its mouth stay
// in it, add their mass to it and are drawn inside it.
class Bucket : public GameObject {
 public:
  Bucket();
  bool LoadImages() override;
  const char* GetName() const override { return "Bucket"; }
  int GetKind() const override { return kKindBucket; }
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  bool AttachRope(int hook, RopeEnd* end) override;
  bool GetHookPoint(int hook, Vec2* point) const override;
  int GetHookCount() const override { return 1; }
  int GetTargetCount() const override { return kBucketTargetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;

  int BallCount() const { return ballCount; }
  GameObject* HeldBall(int i) const;

  static FrameSet& Frames();

  Fixed frame;
  int ballCount = 0;
  GameObject* balls[kBucketCapacity] = {};

 private:
  void Catch(GameObject& ball, const Vec2& point);
  void NoteTouch(const GameObject& other);

  FrameShare share_;
  // Run state for the fall goal: where the run found the bucket.
  bool started_ = false;
  Fixed startY_;
  bool fellOnObject_ = false;
};

}  // namespace qv
