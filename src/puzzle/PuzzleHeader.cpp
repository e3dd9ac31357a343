#include "puzzle/PuzzleHeader.h"

#include "util/Stream.h"

namespace qv {

bool ReadPuzzleHeader(Stream& stream, PuzzleHeader* h) {
  for (std::uint8_t& b : h->magic) {
    if (stream.ReadByte(&b) != 1) return false;
  }
  if (stream.ReadByte(&h->reserved) != 1) return false;
  std::uint16_t* fields[] = {&h->dataOffset, &h->version,    &h->objectCount,
                             &h->linkCount,  &h->textLength, &h->reserved2};
  for (std::uint16_t* f : fields) {
    if (stream.ReadShort(f) != 2) return false;
  }
  return true;
}

bool WritePuzzleHeader(Stream& stream, const PuzzleHeader& h) {
  for (std::uint8_t b : h.magic) {
    if (stream.WriteByte(b) <= 0) return false;
  }
  if (stream.WriteByte(h.reserved) <= 0) return false;
  const std::uint16_t fields[] = {h.dataOffset, h.version,    h.objectCount,
                                  h.linkCount,  h.textLength, h.reserved2};
  for (std::uint16_t f : fields) {
    if (stream.WriteShort(static_cast<std::int16_t>(f)) <= 0) return false;
  }
  return true;
}

}  // namespace qv
