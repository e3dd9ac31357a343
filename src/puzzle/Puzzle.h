#pragma once
#include <cstdint>

#include "physics/World.h"
#include "puzzle/LinkList.h"
#include "util/ByteString.h"

namespace qv {

class Stream;

// Bounds a loaded record must keep. No part is bigger than a few dozen units
// and the scene is 480 x 640; anything far outside is a damaged file, and
// boxes that large would make the contact search crawl.
constexpr int kMaxObjectExtent = 256;
constexpr int kMaxObjectCoordinate = 8192;

// The puzzle being edited or played: its world, its link list, the text
// written with it and the text read with it.
class Puzzle {
 public:
  World& GetWorld() { return world_; }
  const World& GetWorld() const { return world_; }
  LinkList& Links() { return links_; }
  const LinkList& Links() const { return links_; }

  // Clear the world, then the three force fields.
  void NewWorld() { world_.SetUpNew(); }

  // Writes the puzzle; the old file is replaced only when everything was
  // written, so a failed save leaves it whole.
  bool SavePuzzle(const char* path);
  // Replaces the puzzle by the file's. A shipped level must match its
  // checksum. A missing, short or damaged file gives false; the world is left
  // as it was when the file fails before its objects, and emptied (with the
  // link list) when it fails while they are read.
  bool LoadPuzzle(const char* path);

  // The same on any stream, without the shipped-level check.
  bool SaveTo(Stream& stream);
  bool LoadFrom(Stream& stream);

  // The text saved with the puzzle (empty for files the game writes) and the
  // text read with the last loaded one.
  ByteString textToSave;
  ByteString textLoaded;

 private:
  bool ReadObjects(Stream& stream, int count);
  void ReadLinks(Stream& stream, int count);
  void Relink();
  std::int32_t FileIdOf(std::int32_t identity) const;

  World world_;
  LinkList links_;
};

// Reads only the header and text of a puzzle file: fills text when the file
// has one (else leaves it), true when the header could be read. No checksum,
// no world.
bool ReadPuzzleText(const char* path, ByteString* text);

}  // namespace qv
