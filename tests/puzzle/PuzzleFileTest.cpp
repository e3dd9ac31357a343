#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "physics/ObjectFactory.h"
#include "physics/Rope.h"
#include "puzzle/Puzzle.h"
#include "support/ByteStream.h"
#include "support/TempDir.h"
#include "util/AtomicFile.h"
#include "util/Folders.h"

namespace qv {
namespace {

using test::ByteStream;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;
using Bytes = std::vector<unsigned char>;

int U16(const std::vector<std::uint8_t>& b, int at) {
  return b[static_cast<std::size_t>(at)] | b[static_cast<std::size_t>(at) + 1] << 8;
}

std::vector<std::uint8_t> Save(Puzzle& p) {
  ByteStream out;
  EXPECT_TRUE(p.SaveTo(out));
  return out.Bytes();
}

bool Load(Puzzle& p, const std::vector<std::uint8_t>& bytes) {
  ByteStream in(bytes);
  return p.LoadFrom(in);
}

GameObject* AddKind(Puzzle& p, int kind, int x, int y) {
  std::unique_ptr<GameObject> o = ObjectFactory().Create(kind);
  o->SetPosition(Fixed(x), Fixed(y));
  GameObject* raw = o.get();
  EXPECT_TRUE(p.GetWorld().Add(std::move(o)));
  return raw;
}

// A balloon over a pulley to a bucket, with a link from balloon to bucket.
struct RopeScene {
  std::unique_ptr<Puzzle> puzzle = std::make_unique<Puzzle>();
  GameObject* balloon;
  GameObject* pulley;
  GameObject* bucket;
  Rope* rope;
  RopeScene() {
    puzzle->NewWorld();
    balloon = AddKind(*puzzle, kKindBalloon, 100, 100);
    pulley = AddKind(*puzzle, kKindRopeBlock, 200, 50);
    bucket = AddKind(*puzzle, kKindBucket, 300, 300);
    rope = static_cast<Rope*>(AddKind(*puzzle, kKindRope, 0, 0));
    EXPECT_TRUE(rope->AddEnd(balloon, 0) && rope->AddEnd(pulley, 0) && rope->AddEnd(bucket, 0));
    PuzzleLink link;
    link.objectA = balloon->Identity();
    link.value = 77;
    link.objectB = bucket->Identity();
    puzzle->Links().Append(link);
  }
};

TEST(PuzzleFileTest, FieldsOnlyWorldIsAHeaderAndThreeRecords) {
  Puzzle p;
  p.NewWorld();
  const std::vector<std::uint8_t> b = Save(p);
  ASSERT_EQ(b.size(), 16u + 3u * kObjectRecordSize);
  EXPECT_EQ(std::memcmp(b.data(), "PZL\0", 4), 0);
  EXPECT_EQ(U16(b, 4), 16);  // dataOffset
  EXPECT_EQ(U16(b, 6), 1);   // version
  EXPECT_EQ(U16(b, 8), 3);   // objects
  EXPECT_EQ(U16(b, 10), 0);  // links
  EXPECT_EQ(U16(b, 12), 0);  // text length
  EXPECT_EQ(U16(b, 16 + 2), kKindGravityField);
  EXPECT_EQ(U16(b, 16 + kObjectRecordSize + 2), kKindDragField);
  EXPECT_EQ(U16(b, 16 + 2 * kObjectRecordSize + 2), kKindSupportField);
}

TEST(PuzzleFileTest, TextOfFortyCharactersStartsTheRecordsAt56) {
  Puzzle p;
  p.NewWorld();
  p.textToSave = "Pop the balloon and drop the ball, quick";
  ASSERT_EQ(p.textToSave.Length(), 40u);
  const std::vector<std::uint8_t> b = Save(p);
  EXPECT_EQ(U16(b, 4), 56);
  EXPECT_EQ(U16(b, 12), 40);
  Puzzle q;
  ASSERT_TRUE(Load(q, b));
  EXPECT_STREQ(q.textLoaded.Text(), "Pop the balloon and drop the ball, quick");
  EXPECT_EQ(q.GetWorld().Count(), 3);
}

TEST(PuzzleFileTest, BytesBetweenTextAndRecordsAreSkipped) {
  Puzzle p;
  p.NewWorld();
  p.textToSave = "hi";
  std::vector<std::uint8_t> b = Save(p);
  b.insert(b.begin() + 18, {0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
  b[4] = 16 + 2 + 5;
  Puzzle q;
  ASSERT_TRUE(Load(q, b));
  EXPECT_STREQ(q.textLoaded.Text(), "hi");
  ASSERT_EQ(q.GetWorld().Count(), 3);
  EXPECT_EQ(q.GetWorld().At(2)->GetKind(), kKindSupportField);
}

TEST(PuzzleFileTest, OpaqueIdsRelinkRopeEndsAndLinks) {
  RopeScene s;
  // Any numbers will do as long as they are unique within the file.
  s.balloon->fileId = 0x7F001234;
  s.pulley->fileId = -5;
  s.bucket->fileId = 9;
  const std::vector<std::uint8_t> b = Save(*s.puzzle);

  Puzzle q;
  ASSERT_TRUE(Load(q, b));
  World& w = q.GetWorld();
  ASSERT_EQ(w.Count(), 7);
  auto* rope = static_cast<Rope*>(w.At(6));
  ASSERT_EQ(rope->EndCount(), 3);
  EXPECT_EQ(rope->End(0)->object, w.At(3));
  EXPECT_EQ(rope->End(1)->object, w.At(4));
  EXPECT_EQ(rope->End(2)->object, w.At(5));
  ASSERT_EQ(q.Links().Count(), 1);
  EXPECT_EQ(q.Links().At(0).objectA, w.At(3)->Identity());
  EXPECT_EQ(q.Links().At(0).value, 77);
  EXPECT_EQ(q.Links().At(0).objectB, w.At(5)->Identity());
  for (int i = 0; i < w.Count(); ++i) EXPECT_EQ(w.At(i)->fileId, w.At(i)->Identity());
}

TEST(PuzzleFileTest, ReferencesToNoObjectAreCleared) {
  RopeScene s;
  const std::int32_t bucketId = 0x5A5A1234;
  s.bucket->fileId = bucketId;
  std::vector<std::uint8_t> b = Save(*s.puzzle);
  // Point every reference to the bucket at an id no record carries.
  for (std::size_t i = 16; i + 4 <= b.size(); i += 1) {
    std::int32_t v;
    std::memcpy(&v, &b[i], 4);
    if (v == bucketId && i != 16 + 5 * kObjectRecordSize + 22) {
      std::int32_t none = bucketId + 1000;
      std::memcpy(&b[i], &none, 4);
    }
  }
  Puzzle q;
  ASSERT_TRUE(Load(q, b));
  auto* rope = static_cast<Rope*>(q.GetWorld().At(6));
  ASSERT_EQ(rope->EndCount(), 3);
  EXPECT_EQ(rope->End(2)->object, nullptr);
  EXPECT_EQ(q.Links().At(0).objectB, 0);
  // Saving again writes "no object" rather than a stale id.
  const std::vector<std::uint8_t> again = Save(q);
  std::int32_t last;
  std::memcpy(&last, &again[again.size() - 4], 4);
  EXPECT_EQ(last, 0);
}

TEST(PuzzleFileTest, EachLoadReplacesTheLinkList) {
  RopeScene s;
  const std::vector<std::uint8_t> b = Save(*s.puzzle);
  Puzzle q;
  ASSERT_TRUE(Load(q, b));
  ASSERT_TRUE(Load(q, b));
  EXPECT_EQ(q.Links().Count(), 1);
}

TEST(PuzzleFileTest, LinkRecordsPastNineteenAreDropped) {
  RopeScene s;
  std::vector<std::uint8_t> b = Save(*s.puzzle);
  const std::vector<std::uint8_t> record(b.end() - 12, b.end());
  for (int i = 1; i < 25; ++i) b.insert(b.end(), record.begin(), record.end());
  b[10] = 25;
  Puzzle q;
  ASSERT_TRUE(Load(q, b));
  EXPECT_EQ(q.Links().Count(), LinkList::kCapacity);
  EXPECT_EQ(U16(Save(q), 10), LinkList::kCapacity);
}

TEST(PuzzleFileTest, DamagedFilesFail) {
  Puzzle p;
  p.NewWorld();
  AddKind(p, kKindTennisBall, 10, 10);
  const std::vector<std::uint8_t> good = Save(p);

  struct Case {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    bool worldKept;  // failures before the records leave the world alone
  };
  const Case cases[] = {
      {"short header", [](auto& b) { b.resize(9); }, true},
      {"more than 100 objects", [](auto& b) { b[8] = 101; }, true},
      {"data offset past the end", [](auto& b) { b[4] = 0xFF, b[5] = 0x7F; }, true},
      {"record cut short", [](auto& b) { b.resize(16 + 3 * kObjectRecordSize + 4); }, false},
      {"kind without a class", [](auto& b) { b[16 + 3 * kObjectRecordSize + 2] = 15; }, false},
      {"bullet record",
       [](auto& b) {
         b[16 + 3 * kObjectRecordSize + 2] = 503 & 0xFF;
         b[16 + 3 * kObjectRecordSize + 3] = 503 >> 8;
       },
       false},
      {"box far outside the scene", [](auto& b) { b[16 + 3 * kObjectRecordSize + 9] = 0x40; },
       false},
      {"huge box", [](auto& b) { b[16 + 3 * kObjectRecordSize + 15] = 0x10; }, false},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> b = good;
    c.damage(b);
    Puzzle q;
    q.NewWorld();
    EXPECT_FALSE(Load(q, b)) << c.what;
    EXPECT_EQ(q.GetWorld().Count(), c.worldKept ? 3 : 0) << c.what;
    EXPECT_EQ(q.Links().Count(), 0) << c.what;
  }
}

TEST(PuzzleFileTest, AFailedSaveLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string path = dir.File("User01.pzl");
  RopeScene s;
  ASSERT_TRUE(s.puzzle->SavePuzzle(path.c_str()));
  const Bytes before = ReadBytes(path);
  s.puzzle->textToSave = "a longer puzzle";
  for (long long limit : {0LL, 10LL, 200LL, static_cast<long long>(before.size()) - 1}) {
    AtomicFileStream::SetFailAfterBytesForTesting(limit);
    EXPECT_FALSE(s.puzzle->SavePuzzle(path.c_str())) << limit;
    AtomicFileStream::SetFailAfterBytesForTesting(-1);
    EXPECT_EQ(ReadBytes(path), before) << limit;
  }
  EXPECT_TRUE(s.puzzle->SavePuzzle(path.c_str()));
  EXPECT_NE(ReadBytes(path), before);
}

TEST(PuzzleFileTest, SavedFileLoadsBackFromDisk) {
  TempDir dir;
  const std::string path = dir.File("User02.pzl");
  RopeScene s;
  ASSERT_TRUE(s.puzzle->SavePuzzle(path.c_str()));
  Puzzle q;
  ASSERT_TRUE(q.LoadPuzzle(path.c_str()));
  EXPECT_EQ(q.GetWorld().Count(), 7);
  EXPECT_FALSE(q.LoadPuzzle(dir.File("missing.pzl").c_str()));
  EXPECT_EQ(q.GetWorld().Count(), 7);
}

TEST(PuzzleFileTest, ReadPuzzleTextReadsOnlyHeaderAndText) {
  TempDir dir;
  Puzzle p;
  p.NewWorld();
  p.textToSave = "Light the candle";
  ASSERT_TRUE(p.SavePuzzle(dir.File("a.pzl").c_str()));
  p.textToSave = ByteString();
  ASSERT_TRUE(p.SavePuzzle(dir.File("b.pzl").c_str()));
  WriteBytes(dir.File("c.pzl"), {'P', 'Z', 'L', 0, 16, 0, 1});

  ByteString text("unchanged");
  EXPECT_TRUE(ReadPuzzleText(dir.File("b.pzl").c_str(), &text));
  EXPECT_STREQ(text.Text(), "unchanged");
  EXPECT_TRUE(ReadPuzzleText(dir.File("a.pzl").c_str(), &text));
  EXPECT_STREQ(text.Text(), "Light the candle");
  EXPECT_FALSE(ReadPuzzleText(dir.File("c.pzl").c_str(), &text));
  EXPECT_FALSE(ReadPuzzleText(dir.File("none.pzl").c_str(), &text));
}

// A shipped level must match the table built from the shipped files; the same
// bytes under a player's name load as they are.
TEST(PuzzleFileTest, ChangedShippedLevelFailsButLoadsAsPlayerPuzzle) {
  const std::string shipped = std::string(ProgramFolder().Text()) + "Levels/Level01.pzl";
  const Bytes original = ReadBytes(shipped);
  ASSERT_FALSE(original.empty()) << "no compiled level beside the tests: " << shipped;

  TempDir dir;
  ASSERT_TRUE(MakeFolders(dir.File("Levels").c_str()));
  SetProgramFolderOverride(dir.Path().c_str());
  const std::string level = std::string(LevelsFolder().Text()) + "Level01.pzl";
  WriteBytes(dir.File("Levels/Level01.pzl"), original);
  Puzzle p;
  EXPECT_TRUE(p.LoadPuzzle(level.c_str()));

  Bytes changed = original;
  changed[16 + U16(std::vector<std::uint8_t>(original.begin(), original.end()), 12) + 6] ^= 1;
  WriteBytes(dir.File("Levels/Level01.pzl"), changed);
  EXPECT_FALSE(p.LoadPuzzle(level.c_str()));
  WriteBytes(dir.File("Levels/User01.pzl"), changed);
  EXPECT_TRUE(p.LoadPuzzle((std::string(LevelsFolder().Text()) + "User01.pzl").c_str()));
  // A shipped name without a shipped file behind it in the table.
  WriteBytes(dir.File("Levels/Level70.pzl"), original);
  EXPECT_FALSE(p.LoadPuzzle((std::string(LevelsFolder().Text()) + "Level70.pzl").c_str()));
  SetProgramFolderOverride("");
}

}  // namespace
}  // namespace qv
