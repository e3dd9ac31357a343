#pragma once
#include "app/Options.h"
#include "util/ByteString.h"

namespace qv {

// Puzzle numbers: 1..71 the shipped levels, 72..81 the player's ten slots.
constexpr int kFirstLevel = 1;
constexpr int kLastLevel = 71;
constexpr int kFirstUserSlot = 72;
constexpr int kLastUserSlot = 81;
constexpr int kUserSlotCount = kLastUserSlot - kFirstUserSlot + 1;

// LevelsFolder + "Level%02d.pzl" for 1..71, UserFolder + "User%02d.pzl"
// (number - 71) for 72..81, empty for anything else.
ByteString PuzzlePath(int number);
// LevelsFolder + "tutor%02d.pzl".
ByteString TutorialPath(int number);

// A level is open when number - 1 <= highestLevel, a player slot when its
// file's header can be read; nothing else is open.
bool IsPuzzleOpen(int number, const Options& options);
// The level selection starts list index i (puzzle i + 1) only for
// i <= highestLevel or a player slot (i > 70).
bool CanStartFromList(int index, const Options& options);
// After solving: a level below 71 above the progress raises it. Never lowers,
// never saves.
void RecordSolved(int number, Options& options);

}  // namespace qv
