#include <gtest/gtest.h>

#include <set>

#include "parts/PartRegistry.h"
#include "physics/ObjectFactory.h"

namespace qv {
namespace {

TEST(ObjectFactoryTest, MakesEachRegisteredKind) {
  ObjectFactory factory;
  std::set<int> seen;
  for (const PartRegistration& r : PartRegistrations()) {
    EXPECT_TRUE(seen.insert(r.kind).second) << "kind " << r.kind << " listed twice";
    auto obj = factory.Create(r.kind);
    if (r.create == nullptr) {
      EXPECT_EQ(obj, nullptr);
      continue;
    }
    ASSERT_NE(obj, nullptr) << r.kind;
    EXPECT_EQ(obj->GetKind(), r.kind);
    EXPECT_EQ(obj->IsField(), IsFieldKind(r.kind));
    if (!IsFieldKind(r.kind)) {
      EXPECT_NE(obj->GetName(), nullptr) << r.kind;
    }
  }
  EXPECT_EQ(factory.KindCount(), 25);
}

TEST(ObjectFactoryTest, KindsWithoutAClassGiveNothing) {
  ObjectFactory factory;
  for (int kind : {kKindFox, kKindWolf, kKindMan, kKindBullet, kKindRopeKnot, -1, 25, 499, 505}) {
    EXPECT_EQ(factory.Create(kind), nullptr) << kind;
  }
}

TEST(ObjectFactoryTest, InitialShapes) {
  ObjectFactory factory;
  struct Case {
    int kind, w, h;
    std::int32_t flags;
    int mass;
  } cases[] = {{kKindTennisBall, 16, 16, kFlagCollidable, 2},
               {kKindFootball, 32, 32, kFlagCollidable, 2},
               {kKindGroundBlock, 48, 22, kFlagCollidable | kFlagStatic, 100},
               {kKindGround, 48, 22, kFlagCollidable | kFlagStatic, 100},
               {kKindSupportField, 0, 0, kFlagCollidable | kFlagField, 2}};
  for (const Case& c : cases) {
    auto obj = factory.Create(c.kind);
    ASSERT_NE(obj, nullptr) << c.kind;
    EXPECT_EQ(obj->box, Box(Fixed(0), Fixed(0), Fixed(c.w), Fixed(c.h))) << c.kind;
    EXPECT_EQ(obj->flags, c.flags) << c.kind;
    EXPECT_EQ(obj->GetMass(), Fixed(c.mass)) << c.kind;
  }
}

TEST(ObjectFactoryTest, IconTableAndFieldKinds) {
  EXPECT_STREQ(IconFile(0), "magnifier.bmp");
  EXPECT_EQ(IconNumber(0), 17);
  EXPECT_STREQ(IconFile(8), "squirre_cage.bmp");
  EXPECT_EQ(IconNumber(8), 29);
  EXPECT_STREQ(IconFile(22), "man.bmp");
  EXPECT_EQ(IconNumber(22), 18);
  EXPECT_STREQ(IconFile(24), "carrot.bmp");
  EXPECT_EQ(IconNumber(24), 8);
  EXPECT_EQ(IconFile(25), nullptr);
  EXPECT_EQ(IconFile(-1), nullptr);
  EXPECT_EQ(IconNumber(500), -1);
  std::set<int> numbers;
  for (int k = 0; k < kKindCount; ++k) EXPECT_TRUE(numbers.insert(IconNumber(k)).second) << k;
  for (int k : {500, 501, 502}) EXPECT_TRUE(IsFieldKind(k));
  for (int k : {0, 21, 499, 503}) EXPECT_FALSE(IsFieldKind(k));
}

}  // namespace
}  // namespace qv
