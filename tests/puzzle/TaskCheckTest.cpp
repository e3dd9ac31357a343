#include <gtest/gtest.h>

#include "physics/ObjectFactory.h"
#include "physics/Rope.h"
#include "puzzle/TaskCheck.h"
#include "support/PhysicsFixtures.h"

namespace qv {
namespace {

// A part with three goals whose met state a test sets.
class Goals : public GameObject {
 public:
  int GetKind() const override { return kKindBomb; }
  int GetTargetCount() const override { return 3; }
  bool IsTargetMet(int i) const override { return met[i]; }
  bool met[3] = {};
};

TEST(TaskCheckTest, EverySetGoalMustBeMet) {
  World w;
  w.SetUpNew();
  EXPECT_TRUE(IsTaskSolved(w));  // no goals: solved at once
  auto* a = test::Make<Goals>(w);
  auto* b = test::Make<Goals>(w);
  EXPECT_TRUE(IsTaskSolved(w));  // goals offered but none set
  a->SetTarget(0, true);
  b->SetTarget(2, true);
  a->met[1] = true;  // an unset goal met does not count
  EXPECT_FALSE(IsTaskSolved(w));
  a->met[0] = true;
  EXPECT_FALSE(IsTaskSolved(w));
  b->met[2] = true;
  EXPECT_TRUE(IsTaskSolved(w));
  // A set byte past the class's goal list is not asked about.
  b->SetTarget(5, true);
  EXPECT_TRUE(IsTaskSolved(w));
}

TEST(TaskCheckTest, BinTakesUnlockedPartsWithoutGoals) {
  World w;
  w.SetUpNew();
  ObjectFactory f;
  GameObject* ball1 = test::Put(w, f.Create(kKindTennisBall));
  test::Put(w, f.Create(kKindTennisBall));
  GameObject* block = test::Put(w, f.Create(kKindGroundBlock));
  block->SetLocked(true);
  GameObject* bucket = test::Put(w, f.Create(kKindBucket));
  bucket->SetTarget(1, true);
  auto* rope = test::Put(w, std::make_unique<Rope>());
  rope->SetLocked(true);
  ASSERT_TRUE(rope->AddEnd(bucket, 0));
  GameObject* balloon = test::Put(w, f.Create(kKindBalloon));
  ASSERT_TRUE(rope->AddEnd(balloon, 0));
  (void)ball1;

  int counts[kKindCount];
  EXPECT_EQ(TakeFreeParts(w, counts), 3);
  EXPECT_EQ(counts[kKindTennisBall], 2);
  EXPECT_EQ(counts[kKindBalloon], 1);
  EXPECT_EQ(counts[kKindBucket], 0);
  ASSERT_EQ(w.Count(), 6);  // fields, block, bucket, rope
  EXPECT_TRUE(bucket->IsLocked());
  EXPECT_EQ(w.At(4), bucket);
  // The locked rope lets go of the balloon that went to the bin.
  EXPECT_EQ(rope->End(0)->object, bucket);
  EXPECT_EQ(rope->End(1)->object, nullptr);
}

}  // namespace
}  // namespace qv
