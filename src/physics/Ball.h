#pragma once
#include "parts/PartConventions.h"
#include "physics/GameObject.h"

namespace qv {

// Goals of both balls.
constexpr int kBallGoalHit = 0;
constexpr int kBallGoalBucket = 1;
constexpr int kBallGoalLeaveScreen = 2;
constexpr int kBallTargetCount = 3;

// Tennis balls and footballs: full restitution, a rolling picture, caught by
// buckets, flung by levers.
class Ball : public GameObject {
 public:
  Ball();
  bool Contains(int x, int y) const override;
  Vec2 GetNormal(Fixed px, Fixed py) const override;
  void ApplyForces(Fixed dt) override;
  void Draw(Surface& surface) override;
  void OnEvent(int event, GameObject* other, void* data) override;
  const FrameSet* GetImages() const override { return &Frames(); }
  int GetTargetCount() const override { return targetCount; }
  const char* GetTargetName(int i) const override;
  bool IsTargetMet(int i) const override;

  // Taken into a bucket: static, not collidable, placed at the bucket's
  // mouth, its mass added to the bucket's. A held ball ignores the call.
  virtual void EnterBucket(GameObject* bucket);
  virtual bool IsInBucket() const { return inBucket; }
  virtual void SetInBucket(bool on) { inBucket = on; }

  // Whether the ball has touched anything but floor pieces in this run.
  bool HasHitObject() const { return hitObject_; }

  int targetCount = kBallTargetCount;
  bool inBucket = false;
  GameObject* bucket = nullptr;
  Fixed spinFrame;

 protected:
  virtual const FrameSet& Frames() const = 0;

 private:
  bool hitObject_ = false;
};

class TennisBall : public Ball {
 public:
  TennisBall();
  bool LoadImages() override;
  const char* GetName() const override { return "Tennis ball"; }
  int GetKind() const override { return kKindTennisBall; }

 protected:
  const FrameSet& Frames() const override;

 private:
  FrameShare share_;
};

class Football : public Ball {
 public:
  Football();
  bool LoadImages() override;
  const char* GetName() const override { return "Football"; }
  int GetKind() const override { return kKindFootball; }

 protected:
  const FrameSet& Frames() const override;

 private:
  FrameShare share_;
};

}  // namespace qv
