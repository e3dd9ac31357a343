#include "app/Progress.h"

#include "puzzle/Puzzle.h"
#include "util/Folders.h"

namespace qv {

ByteString PuzzlePath(int number) {
  ByteString name;
  if (number >= kFirstLevel && number <= kLastLevel) {
    name.Format("Level%02d.pzl", number);
    return LevelsFolder() + name;
  }
  if (number >= kFirstUserSlot && number <= kLastUserSlot) {
    name.Format("User%02d.pzl", number - kLastLevel);
    return UserFolder() + name;
  }
  return ByteString();
}

ByteString TutorialPath(int number) {
  ByteString name;
  name.Format("tutor%02d.pzl", number);
  return LevelsFolder() + name;
}

bool IsPuzzleOpen(int number, const Options& options) {
  if (number >= kFirstLevel && number <= kLastLevel) return number - 1 <= options.highestLevel;
  if (number >= kFirstUserSlot && number <= kLastUserSlot) {
    ByteString text;
    return ReadPuzzleText(PuzzlePath(number).CStr(), &text);
  }
  return false;
}

bool CanStartFromList(int index, const Options& options) {
  if (index < 0 || index > kLastUserSlot - 1) return false;
  return index <= options.highestLevel || index > kLastLevel - 1;
}

void RecordSolved(int number, Options& options) {
  if (number >= kFirstLevel && number < kLastLevel && number > options.highestLevel) {
    options.highestLevel = static_cast<std::uint16_t>(number);
  }
}

}  // namespace qv
