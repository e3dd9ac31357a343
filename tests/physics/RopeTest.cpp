#include <gtest/gtest.h>

#include "gfx/Surface.h"
#include "physics/Rope.h"
#include "physics/RopeBlock.h"
#include "physics/RopeGeometry.h"
#include "physics/World.h"
#include "support/RopeFixtures.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

using test::AddTo;
using test::HookBody;
using test::UnitBox;

const Fixed kPull = Fixed(45);

// Bodies of 10 x 10 whose hooks sit at (x + 5, y + 5).
HookBody* BodyAt(World& w, int x, int y, bool isStatic = false, int kind = kNoKind) {
  return AddTo<HookBody>(w, UnitBox(x, y, 10, 10), isStatic, kind);
}

// A static pulley whose hook (its centre) is at (x, y).
HookBody* PulleyAt(World& w, int x, int y) {
  return AddTo<HookBody>(w, UnitBox(x - 5, y - 5, 10, 10), true, kKindRopeBlock, kRopeModePulley);
}

Rope* Tie(World& w, std::initializer_list<GameObject*> objects) {
  Rope* rope = AddTo<Rope>(w);
  for (GameObject* o : objects) EXPECT_TRUE(rope->AddEnd(o, 0));
  rope->OnPlaced(w.IndexOf(rope));
  return rope;
}

void Step(Rope* rope, std::initializer_list<GameObject*> objects) {
  for (GameObject* o : objects) o->ClearForces();
  rope->ApplyForces(kTimeStep);
}

TEST(RopeTest, TwoEndsPullTogetherOnlyWhileLongerThanPlaced) {
  World w;
  HookBody* top = BodyAt(w, 100, 100);
  HookBody* bottom = BodyAt(w, 100, 200);
  Rope* rope = Tie(w, {top, bottom});
  EXPECT_EQ(rope->End(0)->restLength, Fixed(50));  // half the 100-unit span

  Step(rope, {top, bottom});
  EXPECT_EQ(top->force, Vec2());
  EXPECT_EQ(bottom->force, Vec2());

  bottom->box.y += 1;
  Step(rope, {top, bottom});
  EXPECT_EQ(top->force, Vec2(Fixed(), kPull));
  EXPECT_EQ(bottom->force, Vec2(Fixed(), -kPull));

  bottom->box.y -= 3;  // shorter than placed: slack
  Step(rope, {top, bottom});
  EXPECT_EQ(top->force, Vec2());
}

TEST(RopeTest, HeavierEndOverPulleyLengthensItsSegment) {
  World w;
  HookBody* light = BodyAt(w, 95, 195);
  light->mass = Fixed(1);
  HookBody* pulley = PulleyAt(w, 150, 100);
  HookBody* heavy = BodyAt(w, 195, 195);
  heavy->mass = Fixed(4);
  Rope* rope = Tie(w, {light, pulley, heavy});
  Fixed first = rope->End(0)->restLength, last = rope->End(1)->restLength;

  for (int i = 1; i <= 3; ++i) {
    heavy->box.y += 1;
    Step(rope, {light, heavy});
    EXPECT_EQ(rope->End(1)->restLength, last + Fixed::FromRaw(51 * i));
    EXPECT_EQ(rope->End(0)->restLength, first - Fixed::FromRaw(51 * i));
  }
  // The first segment, shortened by the slide, now lifts the light end.
  EXPECT_GT(light->force.x, Fixed());
  EXPECT_LT(light->force.y, Fixed());
  // A taut first segment slides nothing toward a lighter first end.
  light->box.y += 20;
  Fixed before = rope->End(1)->restLength;
  heavy->box.y -= 20;
  Step(rope, {light, heavy});
  EXPECT_EQ(rope->End(1)->restLength, before);
}

TEST(RopeTest, LighterEndRisesInTheWorld) {
  World w;
  w.SetUpNew();
  HookBody* light = BodyAt(w, 95, 195);
  light->mass = Fixed(1);
  auto* pulley = AddTo<RopeBlock>(w);
  pulley->SetPosition(Fixed(137), Fixed(85));
  HookBody* heavy = BodyAt(w, 195, 195);
  heavy->mass = Fixed(4);
  Rope* rope = Tie(w, {light, pulley, heavy});
  Fixed startY = light->box.y;
  for (int tick = 0; tick < 40; ++tick) w.StepPhysics();
  EXPECT_LT(light->box.y, startY);
  EXPECT_GT(heavy->box.y, light->box.y);
  EXPECT_GT(rope->End(1)->restLength, rope->End(0)->restLength);
}

TEST(RopeTest, KnotReachingThePulleyDropsIt) {
  World w;
  auto* knot = AddTo<RopeKnot>(w);
  knot->SetPosition(Fixed(100), Fixed(105));
  HookBody* pulley = PulleyAt(w, 150, 100);
  HookBody* weight = BodyAt(w, 195, 195);
  Rope* rope = Tie(w, {knot, pulley, weight});
  rope->End(0)->restLength = Fixed(4.2);  // raw 1075: one slide leaves 4.0
  Fixed carried = rope->End(1)->restLength + Fixed(0.2);
  weight->box.y += 1;
  Step(rope, {knot, weight});
  ASSERT_EQ(rope->EndCount(), 2);
  EXPECT_EQ(rope->End(0)->object, knot);
  EXPECT_EQ(rope->End(1)->object, weight);
  EXPECT_EQ(rope->End(0)->restLength, carried);
}

TEST(RopeTest, EndsAreRefusedPastTwentyOrByTheHook) {
  World w;
  Rope* rope = AddTo<Rope>(w);
  HookBody* body = BodyAt(w, 0, 0);
  for (int i = 0; i < kRopeMaxEnds; ++i) ASSERT_TRUE(rope->AddEnd(body, 0));
  EXPECT_FALSE(rope->AddEnd(body, 0));
  EXPECT_EQ(rope->EndCount(), 20);
  rope->RemoveEnd(0);
  EXPECT_FALSE(rope->AddEnd(body, 1));  // no hook 1
  EXPECT_FALSE(rope->AddEnd(nullptr, 0));
  EXPECT_EQ(rope->EndCount(), 19);
}

TEST(RopeTest, LastEndIsTieAsksTheHook) {
  World w;
  HookBody* body = BodyAt(w, 0, 0);
  HookBody* pulley = PulleyAt(w, 50, 50);
  Rope* rope = Tie(w, {body});
  EXPECT_FALSE(rope->LastEndIsTie());
  rope->AddEnd(pulley, 0);
  EXPECT_FALSE(rope->LastEndIsTie());
  rope->AddEnd(body, 0);
  EXPECT_TRUE(rope->LastEndIsTie());
}

TEST(RopeTest, PullReachesAStaticEndThroughAPulley) {
  World w;
  HookBody* body = BodyAt(w, 95, 195);
  HookBody* pulley = PulleyAt(w, 150, 100);
  HookBody* trigger = BodyAt(w, 195, 195, true);
  Rope* rope = Tie(w, {body, pulley, trigger});
  body->box.y += 2;
  Step(rope, {body});
  ASSERT_EQ(trigger->CountEvents(kEventRopePull), 1);
  EXPECT_EQ(trigger->events[0].other, rope);
  // Halved vector from the trigger's hook (200, 200) to the pulley (150, 100).
  EXPECT_EQ(trigger->events[0].vec, Vec2(Fixed(-25), Fixed(-50)));
  EXPECT_EQ(trigger->force, Vec2());
}

// Rope lengths are measured with squares that cannot wrap: a 32-bit square
// of a 182-unit axis (or 363 after halving) wraps, and such a rope would
// pull nothing or pull when slack.
TEST(RopeTest, LongRopesPullAlongTheirSpan) {
  struct Case {
    int dx, dy;
  } cases[] = {{0, 400}, {0, 600}, {200, 0}, {-300, 0}, {300, 400}};
  for (const Case& c : cases) {
    World w;
    HookBody* a = BodyAt(w, 100, 10);
    HookBody* b = BodyAt(w, 100 + c.dx, 10 + c.dy);
    Rope* rope = Tie(w, {a, b});
    Step(rope, {a, b});
    EXPECT_EQ(a->force, Vec2()) << c.dx << "," << c.dy;
    b->box.x += c.dx > 0 ? 1 : (c.dx < 0 ? -1 : 0);
    b->box.y += c.dy > 0 ? 1 : 0;
    Step(rope, {a, b});
    Vec2 dir = DirectionTo(a->GetCenter(), b->GetCenter());
    EXPECT_EQ(a->force, Vec2(kPull * dir.x, kPull * dir.y)) << c.dx << "," << c.dy;
    EXPECT_GT(kPull * dir.x * Fixed(c.dx) + kPull * dir.y * Fixed(c.dy), Fixed())
        << "pulls along the span";
  }
  // What the 32-bit measure does with such spans.
  EXPECT_NE(Length(Vec2(Fixed(), Fixed(200))), Fixed(200));
  EXPECT_EQ(SegmentMeasure(Vec2(), Vec2(Fixed(), Fixed(400))), Fixed(200));
}

struct CutScene {
  World w;
  HookBody* left;
  HookBody* right;
  Rope* rope;
  // Cutting area whose vertical middle line x = 200 crosses the rope.
  Box area = UnitBox(190, 80, 20, 50);
  CutScene() {
    left = BodyAt(w, 95, 95, true);
    right = BodyAt(w, 295, 95, true);
    rope = Tie(w, {left, right});
  }
  Rope* Second() const { return dynamic_cast<Rope*>(w.At(w.Count() - 1)); }
};

TEST(RopeTest, ScissorsCutAtOnceCandlesOnTheirHundredFiftyFifthEvent) {
  struct Case {
    int kind;
    int event;
    int eventsToCut;
  } cases[] = {{kKindScissors, kEventCut, 1},
               {kKindCandle, kEventIgniteAndCut, 155},
               {kNoKind, kEventBulletAndCut, 1}};
  for (const Case& c : cases) {
    CutScene s;
    HookBody* cutter = BodyAt(s.w, 0, 300, false, c.kind);
    for (int i = 1; i < c.eventsToCut; ++i) s.rope->OnEvent(c.event, cutter, &s.area);
    EXPECT_EQ(s.rope->EndCount(), 2) << c.kind;
    EXPECT_EQ(s.w.Count(), 4) << "not cut yet";
    s.rope->OnEvent(c.event, cutter, &s.area);
    ASSERT_EQ(s.w.Count(), 7) << c.kind;
    Rope* second = s.Second();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(s.rope->End(0)->object, s.left);
    EXPECT_TRUE(s.rope->End(1)->object->IsRopeKnot());
    EXPECT_TRUE(second->End(0)->object->IsRopeKnot());
    EXPECT_EQ(second->End(1)->object, s.right);
    EXPECT_EQ(s.rope->End(1)->object->box.x, Fixed(200));
    EXPECT_EQ(s.rope->End(1)->object->box.y, Fixed(100));
    EXPECT_EQ(s.rope->burn, Fixed());
  }
  // From 0, 154 burn steps of 0.02 reach 3.0 (raw 770 >= 768).
  CutScene s;
  HookBody* candle = BodyAt(s.w, 0, 300, false, kKindCandle);
  for (int i = 0; i < 154; ++i) s.rope->OnEvent(kEventIgniteAndCut, candle, &s.area);
  EXPECT_EQ(s.rope->burn.Raw(), 770);
}

TEST(RopeTest, CrossingNextToAKnotIsNotCut) {
  World w;
  auto* knot = AddTo<RopeKnot>(w);
  knot->SetPosition(Fixed(197), Fixed(97));  // hook at (200, 100)
  HookBody* anchor = BodyAt(w, 295, 95, true);
  Rope* rope = Tie(w, {knot, anchor});
  HookBody* scissors = BodyAt(w, 0, 300, false, kKindScissors);
  Box atKnot = UnitBox(198, 80, 20, 40);  // middle x = 208, knot 2 units left of it
  rope->OnEvent(kEventCut, scissors, &atKnot);
  EXPECT_EQ(w.Count(), 4);
  Box away = UnitBox(240, 80, 20, 40);
  rope->OnEvent(kEventCut, scissors, &away);
  EXPECT_EQ(w.Count(), 7);
}

// One burn counter per rope counted every burning candle's event, and cut
// against whichever candle's event was the 155th: a rope over one of five
// candles never burnt through.
TEST(RopeTest, EachCandleBurnsTheRopeItCrosses) {
  CutScene s;
  HookBody* candles[5];
  Box flames[5];
  for (int i = 0; i < 5; ++i) {
    candles[i] = BodyAt(s.w, 0, 300, false, kKindCandle);
    flames[i] = UnitBox(20 + 40 * i, 300, 20, 20);  // far below the rope
  }
  flames[0] = s.area;
  for (int round = 1; round <= 155; ++round) {
    for (int i = 0; i < 5; ++i) s.rope->OnEvent(kEventIgniteAndCut, candles[i], &flames[i]);
    ASSERT_EQ(s.rope->EndCount() == 2 && s.w.Count() == 8, round < 155) << round;
  }
  EXPECT_EQ(s.w.Count(), 11);
}

TEST(RopeTest, NoCutWithoutRoomForTwoKnotsAndARope) {
  CutScene s;
  while (s.w.Count() < kWorldCapacity - 2) BodyAt(s.w, 0, 400);
  HookBody* scissors = s.right;
  s.rope->OnEvent(kEventCut, scissors, &s.area);
  EXPECT_EQ(s.w.Count(), kWorldCapacity - 2);
  EXPECT_EQ(s.rope->EndCount(), 2);
  EXPECT_FALSE(s.rope->End(1)->object->IsRopeKnot());
}

TEST(RopeTest, CutEndsFallAsKnots) {
  World w;
  w.SetUpNew();
  auto* pulley = AddTo<RopeBlock>(w);
  pulley->SetPosition(Fixed(187), Fixed(85));  // hook (200, 100)
  HookBody* left = BodyAt(w, 95, 95, true);
  HookBody* right = BodyAt(w, 295, 95, true);
  Rope* rope = Tie(w, {left, pulley, right});
  HookBody* scissors = BodyAt(w, 0, 500, true, kKindScissors);
  Box area = UnitBox(140, 80, 20, 50);
  rope->OnEvent(kEventCut, scissors, &area);
  ASSERT_EQ(rope->EndCount(), 2);
  GameObject* ownKnot = rope->End(1)->object;
  auto* second = dynamic_cast<Rope*>(w.At(w.Count() - 1));
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(second->EndCount(), 3);
  GameObject* newKnot = second->End(0)->object;
  Fixed y0 = ownKnot->box.y;
  for (int tick = 0; tick < 5; ++tick) w.StepPhysics();
  EXPECT_GT(ownKnot->box.y, y0);
  EXPECT_GT(newKnot->box.y, y0);
}

TEST(RopeTest, RemovedOrMissingEndObjectLeavesTheRopeSlack) {
  for (bool removeIt : {true, false}) {
    World w;
    HookBody* balloon = BodyAt(w, 95, 195);
    HookBody* pulley = PulleyAt(w, 150, 100);
    HookBody* trigger = BodyAt(w, 195, 195, true);
    HookBody* bucket = BodyAt(w, 295, 195);
    Rope* toTrigger = Tie(w, {balloon, pulley, trigger});
    Rope* toBucket = Tie(w, {balloon, pulley, bucket});
    if (removeIt) {
      balloon->Remove();
    } else {
      toTrigger->End(0)->object = nullptr;
      toBucket->End(0)->object = nullptr;
    }
    Fixed rest = toBucket->End(1)->restLength;
    balloon->box.y += 5;
    bucket->box.y += 5;
    Step(toTrigger, {balloon, bucket});
    toBucket->ApplyForces(kTimeStep);
    EXPECT_TRUE(toBucket->IsSlack());
    EXPECT_EQ(bucket->force, Vec2());
    EXPECT_EQ(balloon->force, Vec2());
    EXPECT_EQ(toBucket->End(1)->restLength, rest);
    EXPECT_EQ(trigger->CountEvents(kEventRopePull), 0);
  }
}

TEST(RopeTest, RecordKeepsWholeRestLengthsAndItsEnds) {
  World w;
  HookBody* a = BodyAt(w, 100, 100);
  HookBody* b = BodyAt(w, 100, 201);  // half span 50.5
  Rope* rope = Tie(w, {a, b});
  ASSERT_EQ(rope->End(0)->restLength, Fixed(50.5));
  test::CollectingStream out;
  ASSERT_TRUE(rope->Save(out));
  ASSERT_EQ(out.bytes.size(), 44u + 4u + 2u * kRopeEndRecordSize);

  MemoryFile in;
  ASSERT_TRUE(in.OpenBytes(out.bytes.data(), static_cast<int>(out.bytes.size())));
  in.Seek(6, kSeekStart);  // the loader reads the three-value header
  Rope loaded;
  ASSERT_TRUE(loaded.Load(in));
  ASSERT_EQ(loaded.EndCount(), 2);
  EXPECT_EQ(loaded.End(0)->restLength, Fixed(50));
  EXPECT_EQ(loaded.End(0)->objectId, a->fileId);
  EXPECT_EQ(loaded.End(1)->objectId, b->fileId);
  EXPECT_EQ(loaded.End(0)->mode, kRopeModeTie);
  loaded.Ends().Relink(w);
  EXPECT_EQ(loaded.End(0)->object, a);
  loaded.OnPlaced(0);
  EXPECT_EQ(loaded.End(0)->restLength, Fixed(50.5));
}

std::vector<std::uint8_t> RecordWithEnds(std::int32_t count, int recordsPresent) {
  Rope rope;
  test::CollectingStream out;
  rope.Save(out);
  std::vector<std::uint8_t> bytes(out.bytes.begin() + 6, out.bytes.end() - 4);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(count >> (8 * i)));
  for (int r = 0; r < recordsPresent; ++r) {
    std::uint8_t end[16] = {1, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0};
    bytes.insert(bytes.end(), end, end + 16);
  }
  return bytes;
}

TEST(RopeTest, DamagedRecordsFailTheLoad) {
  struct Case {
    std::int32_t count;
    int present;
    bool ok;
  } cases[] = {{20, 20, true}, {21, 21, false}, {-1, 0, false}, {3, 2, false}, {0, 0, true}};
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes = RecordWithEnds(c.count, c.present);
    MemoryFile in;
    ASSERT_TRUE(in.OpenBytes(bytes.data(), static_cast<int>(bytes.size())));
    Rope rope;
    EXPECT_EQ(rope.Load(in), c.ok) << c.count;
    EXPECT_EQ(rope.EndCount(), c.ok ? c.count : 0);
  }
}

TEST(RopeTest, RelinkingClearsEndsWhoseIdMatchesNothing) {
  World w;
  HookBody* a = BodyAt(w, 0, 0);
  a->fileId = 1234;
  Rope* rope = AddTo<Rope>(w);
  std::vector<std::uint8_t> bytes = RecordWithEnds(2, 2);
  bytes[44 - 6 + 4 + 4] = 0xD2;  // first end's id: 1234
  bytes[44 - 6 + 4 + 5] = 0x04;
  MemoryFile in;
  ASSERT_TRUE(in.OpenBytes(bytes.data(), static_cast<int>(bytes.size())));
  ASSERT_TRUE(rope->Load(in));
  RelinkRopeEnds(w);
  EXPECT_EQ(rope->End(0)->object, a);
  EXPECT_EQ(rope->End(1)->object, nullptr);  // id 9 is nobody
  // A half-linked rope is harmless everywhere.
  EXPECT_TRUE(rope->IsSlack());
  rope->OnPlaced(0);
  rope->ApplyForces(kTimeStep);
  EXPECT_FALSE(rope->Contains(0, 0));
  Box area = UnitBox(-50, -50, 100, 100);
  rope->OnEvent(kEventCut, nullptr, &area);
  Surface screen(0, 16);
  screen.Create(240, 320);
  rope->Draw(screen);
  rope->DrawOutline(screen);
  EXPECT_EQ(w.Count(), 2);
}

TEST(RopeTest, PickingFindsSegmentsNearThePoint) {
  World w;
  HookBody* a = BodyAt(w, 95, 95);
  HookBody* b = BodyAt(w, 295, 295);
  Rope* rope = Tie(w, {a, b});
  EXPECT_TRUE(rope->Contains(200, 200));
  EXPECT_TRUE(rope->Contains(208, 200));
  EXPECT_FALSE(rope->Contains(230, 200));
  EXPECT_FALSE(rope->Contains(50, 50));
}

bool Lit(const Surface& s, int x, int y) {
  std::uint8_t r, g, b;
  s.ReadPixel(x, y, &r, &g, &b);
  return r > 100;
}

TEST(RopeTest, TautRopesDrawStraightLooseOnesSag) {
  for (bool loose : {false, true}) {
    World w;
    GameObject* start;
    if (loose) {
      start = AddTo<RopeKnot>(w);
      start->SetPosition(Fixed(-3), Fixed(-3));  // hook (0, 0)
    } else {
      start = BodyAt(w, -5, -5);
    }
    HookBody* end = BodyAt(w, 195, 195);  // hook (200, 200): pixel (100, 100)
    Rope* rope = Tie(w, {start, end});
    Surface screen(0, 16);
    ASSERT_TRUE(screen.Create(240, 320));
    screen.Clear(0, 0, 0);
    rope->Draw(screen);
    EXPECT_EQ(Lit(screen, 50, 50), !loose);
    EXPECT_EQ(Lit(screen, 31, 50), loose);  // the curve's middle
  }
}

}  // namespace
}  // namespace qv
