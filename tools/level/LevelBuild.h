#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "LevelSource.h"

namespace qv {
class Puzzle;
}

namespace qv::level {

// Sets up the puzzle from a source as the editor would leave it: objects
// created by kind, shaped by orientation, ropes and belts tied to their hooks,
// OnPlaced on every object, ids numbered from 1 in file order.
bool BuildPuzzle(const LevelSource& source, Puzzle& puzzle, std::string* error);
// The file bytes of a source, written by the game's own puzzle writer.
bool CompileLevel(const LevelSource& source, std::vector<std::uint8_t>* bytes, std::string* error);
// The source of a puzzle file, as short as the file allows; compiling it
// gives the same bytes again. Files with content the source cannot express
// (a foreign header, extra bytes, references to no object) are refused.
bool DecompileLevel(const std::vector<std::uint8_t>& bytes, LevelSource* source,
                    std::string* error);

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes);
bool ReadTextFile(const std::string& path, std::string* text);

}  // namespace qv::level
