#include <gtest/gtest.h>

#include <cstring>

#include "gfx/Surface.h"
#include "parts/PartConventions.h"
#include "physics/GameObject.h"
#include "physics/World.h"
#include "platform/Display.h"
#include "support/ByteStream.h"
#include "support/PhysicsFixtures.h"

namespace qv {
namespace {

using test::BoxAt;
using test::ByteStream;
using test::Probe;

// A class with a kind and goals, to exercise the record and the targets.
class Kinded : public GameObject {
 public:
  explicit Kinded(int targetCount = 0) : targetCount_(targetCount) {}
  int GetKind() const override { return 7; }
  int GetTargetCount() const override { return targetCount_; }

 private:
  int targetCount_;
};

TEST(GameObjectTest, FreshObjectDefaults) {
  GameObject obj;
  EXPECT_EQ(obj.GetMass().Raw(), 512);
  EXPECT_EQ(obj.GetBounce().Raw(), 13);
  EXPECT_EQ(obj.flags, 8);
  EXPECT_TRUE(obj.IsCollidable());
  EXPECT_FALSE(obj.IsStatic());
  EXPECT_FALSE(obj.IsField());
  EXPECT_TRUE(obj.HasGravity());
  EXPECT_EQ(obj.GetOrientation(), 0);
  EXPECT_EQ(obj.GetOrientationCount(), 1);
  EXPECT_EQ(obj.GetKind(), -1);
  EXPECT_FALSE(obj.HasTargets());
  EXPECT_TRUE(obj.IsTargetMet(0));
  EXPECT_EQ(obj.GetName(), nullptr);
  EXPECT_EQ(obj.GetBox(), Box());
  EXPECT_EQ(obj.fileId, obj.Identity());
  GameObject other;
  EXPECT_NE(obj.Identity(), other.Identity());
}

TEST(GameObjectTest, SetBoxWithoutSizeOnlyMoves) {
  GameObject obj;
  obj.SetBox(BoxAt(1, 2, 30, 40));
  obj.SetBox(BoxAt(5, 6, 0, 0));
  EXPECT_EQ(obj.box, BoxAt(5, 6, 30, 40));
  obj.SetPosition(Fixed(-3), Fixed(9));
  EXPECT_EQ(obj.box, BoxAt(-3, 9, 30, 40));
}

TEST(GameObjectTest, ContainsIncludesEveryEdge) {
  GameObject obj;
  obj.SetBox(BoxAt(10, 20, 30, 40));
  struct Case {
    int x, y;
    bool inside;
  } cases[] = {{10, 20, true}, {40, 20, true},  {10, 60, true},  {40, 60, true}, {25, 40, true},
               {9, 30, false}, {41, 30, false}, {20, 19, false}, {20, 61, false}};
  for (const Case& c : cases) EXPECT_EQ(obj.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(GameObjectTest, StaticObjectKeepsStateButLosesForce) {
  GameObject obj;
  obj.flags |= kFlagStatic;
  obj.SetBox(BoxAt(1, 1, 4, 4));
  obj.velocity = Vec2(Fixed(3), Fixed(4));
  obj.AddForce(nullptr, Vec2(Fixed(10), Fixed(10)));
  obj.Integrate(kTimeStep);
  EXPECT_EQ(obj.box, BoxAt(1, 1, 4, 4));
  EXPECT_EQ(obj.velocity, Vec2(Fixed(3), Fixed(4)));
  obj.bounced = true;
  obj.ClearForces();
  EXPECT_EQ(obj.GetForce(), Vec2());
  EXPECT_FALSE(obj.bounced);
}

TEST(GameObjectTest, IntegrateIsSemiImplicitEuler) {
  GameObject obj;
  obj.SetBox(BoxAt(0, 0, 4, 4));
  obj.AddForce(nullptr, Vec2(Fixed(0), Fixed(18)));
  obj.Integrate(kTimeStep);
  // force x dt = (4608 * 15) >> 8 = raw 270; divided by the mass 2.0: raw 135.
  EXPECT_EQ(obj.velocity.y.Raw(), 135);
  EXPECT_EQ(obj.box.y.Raw(), (135 * 15) >> 8);
  EXPECT_EQ(obj.prevBox, BoxAt(0, 0, 4, 4));
  // A zero mass from a damaged file divides harmlessly.
  obj.mass = Fixed();
  obj.Integrate(kTimeStep);
  EXPECT_EQ(obj.velocity.y.Raw(), 135);
}

TEST(GameObjectTest, RemoveLeavesTheSimulation) {
  GameObject obj;
  obj.Remove();
  EXPECT_TRUE(obj.IsRemoved());
  EXPECT_FALSE(obj.IsCollidable());
  EXPECT_EQ(obj.flags & kFlagCollidable, 0);
}

TEST(GameObjectTest, TargetsNeedAClassWithGoals) {
  Kinded none;
  none.SetTarget(0, true);
  EXPECT_TRUE(none.IsTargetSet(0));
  EXPECT_FALSE(none.HasTargets());
  Kinded two(2);
  EXPECT_FALSE(two.HasTargets());
  two.SetTarget(1, true);
  EXPECT_TRUE(two.HasTargets());
  two.SetTarget(10, true);  // out of range: ignored
  EXPECT_FALSE(two.IsTargetSet(10));
}

// --- the file record ---

std::int32_t IntAt(const std::vector<std::uint8_t>& b, int at) {
  std::uint32_t u =
      b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
  return static_cast<std::int32_t>(u);
}

TEST(GameObjectTest, RecordIs44BytesOfWholeUnits) {
  Kinded obj(3);
  obj.box = Box(Fixed(-0.5), Fixed(10.75), Fixed(16), Fixed(16.5));
  obj.SetLocked(true);
  obj.SetTarget(2, true);
  ByteStream out;
  ASSERT_TRUE(obj.Save(out));
  const auto& b = out.Bytes();
  ASSERT_EQ(b.size(), static_cast<std::size_t>(kObjectRecordSize));
  EXPECT_EQ(b[0] | (b[1] << 8), 6);
  EXPECT_EQ(b[2] | (b[3] << 8), 7);
  EXPECT_EQ(b[4] | (b[5] << 8), 1);
  EXPECT_EQ(IntAt(b, 6), -1);  // -0.5 floors to -1
  EXPECT_EQ(IntAt(b, 10), 10);
  EXPECT_EQ(IntAt(b, 14), 16);
  EXPECT_EQ(IntAt(b, 18), 16);
  EXPECT_EQ(IntAt(b, 22), obj.fileId);
  EXPECT_EQ(IntAt(b, 26), 0);
  EXPECT_EQ(IntAt(b, 30), 1);
  const std::uint8_t targets[10] = {0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(b.data() + 34, targets, 10), 0);
}

TEST(GameObjectTest, LoadReadsTheRecordAfterItsHeader) {
  Kinded source;
  source.box = BoxAt(12, -7, 20, 30);
  ByteStream stream;
  source.Save(stream);
  auto& b = stream.Bytes();
  b[30] = 5;      // locked 5
  b[34 + 4] = 2;  // target byte 2
  const std::int32_t id = 0x12345678;
  std::memcpy(b.data() + 22, &id, 4);
  stream.Seek(6, kSeekStart);

  Kinded loaded(10);
  loaded.prevBox = BoxAt(1, 1, 1, 1);
  ASSERT_TRUE(loaded.Load(stream));
  EXPECT_EQ(loaded.box, BoxAt(12, -7, 20, 30));
  EXPECT_EQ(loaded.prevBox, loaded.box);
  EXPECT_TRUE(loaded.IsLocked());
  EXPECT_TRUE(loaded.IsTargetSet(4));
  EXPECT_FALSE(loaded.IsTargetSet(3));
  EXPECT_EQ(loaded.fileId, id);
  loaded.ResetFileId();
  EXPECT_EQ(loaded.fileId, loaded.Identity());
}

TEST(GameObjectTest, ShortRecordAndFailedWritesAreReported) {
  ByteStream truncated(std::vector<std::uint8_t>(20, 0));
  GameObject obj;
  EXPECT_FALSE(obj.Load(truncated));

  ByteStream full;
  full.LimitWrites(2);
  EXPECT_FALSE(obj.SaveHeader(full));
  EXPECT_TRUE(obj.Save(full));  // the record writer ignores the stream
}

// --- the box normal ---

Vec2 Raw(int x, int y) {
  return Vec2(Fixed::FromRaw(x), Fixed::FromRaw(y));
}

TEST(GameObjectTest, LoneTopLeftCornerIsSlanted) {
  World world;
  Probe* block = test::Make<Probe>(world, BoxAt(100, 100, 48, 22), true);
  EXPECT_EQ(block->GetNormal(Fixed(100), Fixed(100)), Raw(-73, -245));
  EXPECT_EQ(block->GetNormal(Fixed(148), Fixed(100)), Raw(73, -245));
  // Without a world there are no neighbours either.
  Probe alone(BoxAt(0, 0, 48, 22), true);
  EXPECT_EQ(alone.GetNormal(Fixed(0), Fixed(0)), Raw(-73, -245));
}

TEST(GameObjectTest, NeighboursTurnCornersIntoFaces) {
  struct Case {
    const char* name;
    Box neighbour;
    Vec2 expected;
  } cases[] = {
      {"left", BoxAt(52, 100, 48, 22), Vec2(Fixed(0), Fixed(-1))},
      {"above", BoxAt(100, 78, 48, 22), Vec2(Fixed(-1), Fixed(0))},
  };
  for (const Case& c : cases) {
    World world;
    Probe* block = test::Make<Probe>(world, BoxAt(100, 100, 48, 22), true);
    test::Make<Probe>(world, c.neighbour, true);
    EXPECT_EQ(block->GetNormal(Fixed(100), Fixed(100)), c.expected) << c.name;
  }
  // Both: the diagonal again, and a moving neighbour does not count.
  World world;
  Probe* block = test::Make<Probe>(world, BoxAt(100, 100, 48, 22), true);
  test::Make<Probe>(world, BoxAt(52, 100, 48, 22), true);
  test::Make<Probe>(world, BoxAt(100, 78, 48, 22), true);
  Vec2 diagonal(Fixed(-10), Fixed(-10));
  Normalize(diagonal);
  EXPECT_EQ(block->GetNormal(Fixed(100), Fixed(100)), diagonal);
  World movingWorld;
  Probe* lone = test::Make<Probe>(movingWorld, BoxAt(100, 100, 48, 22), true);
  test::Make<Probe>(movingWorld, BoxAt(52, 100, 48, 22), false);
  EXPECT_EQ(lone->GetNormal(Fixed(100), Fixed(100)), Raw(-73, -245));
}

TEST(GameObjectTest, EdgesAndTheDeepInsideDiagonals) {
  Probe block(BoxAt(0, 0, 40, 20), true);
  struct Case {
    double x, y;
    Vec2 expected;
  } cases[] = {
      {1, 19, Vec2(Fixed(-1), Fixed(0))},  // bottom-left corner
      {39, 19, Vec2(Fixed(1), Fixed(0))},  // bottom-right corner
      {20, 1, Vec2(Fixed(0), Fixed(-1))},  // top face
      {20, 19, Vec2(Fixed(0), Fixed(1))},  // bottom face
      {1, 10, Vec2(Fixed(-1), Fixed(0))},  // left face
      {39, 10, Vec2(Fixed(1), Fixed(0))},  // right face
      {10, 5, Vec2(Fixed(-1), Fixed(0))},  // on the main diagonal: counts as below it
      {12, 5, Vec2(Fixed(0), Fixed(-1))},  // just above it
      {32, 5, Vec2(Fixed(1), Fixed(0))},   // below the other one only
      {20, 12, Vec2(Fixed(0), Fixed(1))},  // below both
      {20, 8, Vec2(Fixed(0), Fixed(-1))},  // above both
  };
  for (const Case& c : cases) {
    EXPECT_EQ(block.GetNormal(Fixed(c.x), Fixed(c.y)), c.expected) << c.x << "," << c.y;
  }
  // A zero-size box from a file gives an answer, not a trap.
  Probe flat(BoxAt(0, 0, 0, 0), true);
  flat.GetNormal(Fixed(0), Fixed(0));
}

// --- frames ---

// A frame set built in memory: one 4x3 frame whose alpha is 0 in column 0.
struct MemoryFrames {
  MemoryFrames() {
    auto s = std::make_unique<Surface>(kFormatDirect565, 16);
    s->Create(4, 3);
    for (int row = 0; row < 3; ++row) s->Alpha()[row * 4] = 0;
    set.frames.push_back(std::move(s));
    set.frameCount = 1;
  }
  FrameSet set;
};

TEST(GameObjectTest, MaskContainsReadsTheAlphaUnderThePoint) {
  MemoryFrames frames;
  GameObject obj;
  obj.SetBox(BoxAt(10, 10, 8, 6));
  EXPECT_FALSE(obj.MaskContains(frames.set, 0, 10, 10, 0));  // column 0
  EXPECT_TRUE(obj.MaskContains(frames.set, 0, 12, 10, 0));
  EXPECT_TRUE(obj.MaskContains(frames.set, 0, 10, 10, kMirrorX));
  EXPECT_FALSE(obj.MaskContains(frames.set, 0, 17, 10, kMirrorX));  // column 3 mirrored to 0
  EXPECT_FALSE(obj.MaskContains(frames.set, 0, 30, 10, 0));         // outside the box
  EXPECT_FALSE(obj.MaskContains(frames.set, 1, 12, 10, 0));         // no such frame
  // The box edge maps past the frame: refused, not read out of bounds.
  EXPECT_FALSE(obj.MaskContains(frames.set, 0, 18, 16, 0));
}

TEST(GameObjectTest, FramePixelToWorldMirrors) {
  GameObject obj;
  obj.SetBox(BoxAt(100, 50, 26, 26));
  EXPECT_EQ(obj.FramePixelToWorld(13, 0, 0), Vec2(Fixed(126), Fixed(50)));
  EXPECT_EQ(obj.FramePixelToWorld(13, 0, kMirrorX),
            Vec2(Fixed(100 + 2 * (13 - 13 - 1)), Fixed(50)));
  EXPECT_EQ(obj.FramePixelToWorld(0, 2, kMirrorY), Vec2(Fixed(100), Fixed(50 + 2 * (13 - 2 - 1))));
}

}  // namespace
}  // namespace qv
