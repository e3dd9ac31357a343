#include <gtest/gtest.h>

#include "app/Progress.h"
#include "puzzle/Puzzle.h"
#include "support/TempDir.h"
#include "util/Folders.h"

namespace qv {
namespace {

using test::TempDir;
using test::WriteBytes;

TEST(ProgressTest, NumbersNameTheirFiles) {
  TempDir data;
  TempDir user;
  SetProgramFolderOverride(data.Path().c_str());
  SetUserFolderOverride(user.Path().c_str());
  EXPECT_EQ(std::string(PuzzlePath(1).Text()), std::string(LevelsFolder().Text()) + "Level01.pzl");
  EXPECT_EQ(std::string(PuzzlePath(71).Text()), std::string(LevelsFolder().Text()) + "Level71.pzl");
  EXPECT_EQ(std::string(PuzzlePath(74).Text()), user.Path() + "/User03.pzl");
  EXPECT_EQ(std::string(PuzzlePath(81).Text()), user.Path() + "/User10.pzl");
  EXPECT_TRUE(PuzzlePath(0).Empty());
  EXPECT_TRUE(PuzzlePath(82).Empty());
  EXPECT_EQ(std::string(TutorialPath(3).Text()),
            std::string(LevelsFolder().Text()) + "tutor03.pzl");
  SetProgramFolderOverride("");
  SetUserFolderOverride("");
}

TEST(ProgressTest, OpenLevelsFollowProgressAndSlotsTheirFiles) {
  TempDir user;
  SetUserFolderOverride(user.Path().c_str());
  Options o;
  EXPECT_TRUE(IsPuzzleOpen(1, o));
  EXPECT_FALSE(IsPuzzleOpen(2, o));
  o.highestLevel = 1;
  EXPECT_TRUE(IsPuzzleOpen(2, o));
  EXPECT_FALSE(IsPuzzleOpen(3, o));
  EXPECT_FALSE(IsPuzzleOpen(0, o));
  EXPECT_FALSE(IsPuzzleOpen(82, o));

  EXPECT_FALSE(IsPuzzleOpen(74, o));
  WriteBytes(user.File("User03.pzl"), {'P', 'Z', 'L'});  // header cut short
  EXPECT_FALSE(IsPuzzleOpen(74, o));
  Puzzle p;
  p.NewWorld();
  ASSERT_TRUE(p.SavePuzzle(PuzzlePath(74).CStr()));
  EXPECT_TRUE(IsPuzzleOpen(74, o));
  EXPECT_FALSE(IsPuzzleOpen(75, o));
  SetUserFolderOverride("");
}

TEST(ProgressTest, ListIndexStartsOpenLevelsAndEverySlot) {
  Options o;
  o.highestLevel = 2;
  EXPECT_TRUE(CanStartFromList(0, o));
  EXPECT_TRUE(CanStartFromList(2, o));
  EXPECT_FALSE(CanStartFromList(3, o));
  EXPECT_FALSE(CanStartFromList(70, o));
  EXPECT_TRUE(CanStartFromList(71, o));
  EXPECT_TRUE(CanStartFromList(80, o));
  EXPECT_FALSE(CanStartFromList(81, o));
  EXPECT_FALSE(CanStartFromList(-1, o));
}

TEST(ProgressTest, SolvingRaisesProgressOnlyBelowTheLastLevel) {
  struct Case {
    int highest, solved, after;
  };
  const Case cases[] = {
      {0, 1, 1},                   // the first level opens the second
      {5, 3, 5},                   // an old level changes nothing
      {69, 70, 70}, {70, 71, 70},  // the last level opens nothing
      {3, 74, 3},                  // a player slot changes nothing
      {0, 0, 0},
  };
  for (const Case& c : cases) {
    Options o;
    o.highestLevel = static_cast<std::uint16_t>(c.highest);
    RecordSolved(c.solved, o);
    EXPECT_EQ(o.highestLevel, c.after) << c.highest << " " << c.solved;
  }
}

}  // namespace
}  // namespace qv
