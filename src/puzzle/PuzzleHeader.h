#pragma once
#include <cstdint>

namespace qv {

class Stream;

constexpr int kPuzzleHeaderSize = 16;
constexpr std::uint16_t kPuzzleVersion = 1;
constexpr int kLinkRecordSize = 12;

// The 16 bytes at the start of every puzzle file.
struct PuzzleHeader {
  std::uint8_t magic[3] = {'P', 'Z', 'L'};
  std::uint8_t reserved = 0;
  std::uint16_t dataOffset = kPuzzleHeaderSize;
  std::uint16_t version = kPuzzleVersion;
  std::uint16_t objectCount = 0;
  std::uint16_t linkCount = 0;
  std::uint16_t textLength = 0;
  std::uint16_t reserved2 = 0;
};

// Field by field; false as soon as one read comes back short.
bool ReadPuzzleHeader(Stream& stream, PuzzleHeader* header);
// False as soon as one write stores nothing.
bool WritePuzzleHeader(Stream& stream, const PuzzleHeader& header);

}  // namespace qv
