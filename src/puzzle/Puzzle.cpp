#include "puzzle/Puzzle.h"

#include <memory>
#include <vector>

#include "physics/ObjectFactory.h"
#include "physics/Rope.h"
#include "puzzle/PuzzleHeader.h"
#include "puzzle/ShippedLevels.h"
#include "util/AtomicFile.h"
#include "util/Checksum.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

// Looks at the box of the record ahead (x, y, w, h, whole units) and steps
// back, so the object reads its record as usual. The raw values are checked,
// since their conversion to Fixed would wrap.
bool BoxAheadInBounds(Stream& stream) {
  std::int32_t v[4] = {};
  for (std::int32_t& value : v) {
    if (stream.ReadLong(&value) != 4) return false;
  }
  if (!stream.Seek(-16, kSeekCurrent)) return false;
  auto within = [](std::int32_t n, int lo, int hi) { return n >= lo && n <= hi; };
  return within(v[0], -kMaxObjectCoordinate, kMaxObjectCoordinate) &&
         within(v[1], -kMaxObjectCoordinate, kMaxObjectCoordinate) &&
         within(v[2], 0, kMaxObjectExtent) && within(v[3], 0, kMaxObjectExtent);
}

// Reads length bytes of text; the text holds what could be read, up to the
// first NUL.
ByteString ReadText(Stream& stream, int length) {
  std::vector<char> bytes(static_cast<std::size_t>(length) + 1, '\0');
  int n = stream.Read(bytes.data(), length);
  if (n < 0) n = 0;
  bytes[static_cast<std::size_t>(n)] = '\0';
  return ByteString(bytes.data());
}

bool ShippedLevelIntact(const char* path, MemoryFile& file) {
  int number = 0;
  if (!MatchShippedLevelPath(path, &number)) return true;
  std::uint32_t expected = 0;
  if (!ShippedLevelChecksum(number, &expected)) return false;
  const std::uint16_t actual = Checksum16(file.Data(), static_cast<std::size_t>(file.Size()));
  return (expected & 0xFFFFu) == actual;
}

}  // namespace

bool Puzzle::SavePuzzle(const char* path) {
  AtomicFileStream out;
  if (!out.Open(path, kModeCreateWrite)) return false;
  if (!SaveTo(out)) return false;
  return out.Commit();
}

bool Puzzle::SaveTo(Stream& stream) {
  PuzzleHeader header;
  const int textLength = static_cast<int>(textToSave.Length());
  if (textLength > 0xFFFF - kPuzzleHeaderSize) return false;
  header.textLength = static_cast<std::uint16_t>(textLength);
  header.dataOffset = static_cast<std::uint16_t>(kPuzzleHeaderSize + textLength);
  header.objectCount = static_cast<std::uint16_t>(world_.Count());
  header.linkCount = static_cast<std::uint16_t>(links_.Count());
  if (!WritePuzzleHeader(stream, header)) return false;
  if (textLength > 0 && stream.Write(textToSave.CStr(), textLength) != textLength) return false;
  for (int i = 0; i < world_.Count(); ++i) {
    GameObject* o = world_.At(i);
    if (o == nullptr || !o->Save(stream)) return false;
  }
  for (int i = 0; i < links_.Count(); ++i) {
    const PuzzleLink& link = links_.At(i);
    stream.WriteInt(FileIdOf(link.objectA));
    stream.WriteLong(link.value);
    stream.WriteInt(FileIdOf(link.objectB));
  }
  return true;
}

std::int32_t Puzzle::FileIdOf(std::int32_t identity) const {
  if (identity == 0) return 0;
  for (int i = 0; i < world_.Count(); ++i) {
    if (world_.At(i)->Identity() == identity) return world_.At(i)->fileId;
  }
  return 0;
}

bool Puzzle::LoadPuzzle(const char* path) {
  MemoryFile file;
  if (!file.Open(path, kModeReadExisting)) return false;
  if (!ShippedLevelIntact(path, file)) return false;
  return LoadFrom(file);
}

bool Puzzle::LoadFrom(Stream& stream) {
  PuzzleHeader header;
  if (!ReadPuzzleHeader(stream, &header)) return false;
  if (header.textLength > 0) textLoaded = ReadText(stream, header.textLength);
  if (header.dataOffset > stream.Size() || !stream.Seek(header.dataOffset, kSeekStart)) {
    return false;
  }
  // The world has room for kWorldCapacity objects and nothing more.
  if (header.objectCount > kWorldCapacity) return false;

  world_.Clear();
  links_.Clear();
  if (!ReadObjects(stream, header.objectCount)) {
    world_.Clear();
    return false;
  }
  ReadLinks(stream, header.linkCount);
  Relink();
  for (int i = 0; i < world_.Count(); ++i) world_.At(i)->OnPlaced(i);
  return true;
}

bool Puzzle::ReadObjects(Stream& stream, int count) {
  ObjectFactory factory;
  for (int i = 0; i < count; ++i) {
    std::int16_t marker = 0;
    std::int16_t kind = 0;
    std::int16_t version = 0;
    if (stream.ReadShort(&marker) != 2 || stream.ReadShort(&kind) != 2 ||
        stream.ReadShort(&version) != 2) {
      return false;
    }
    std::unique_ptr<GameObject> object = factory.Create(kind);
    if (object == nullptr) return false;
    if (!BoxAheadInBounds(stream)) return false;
    object->LoadImages();
    object->Load(stream);
    if (!world_.Add(std::move(object))) return false;
  }
  return true;
}

void Puzzle::ReadLinks(Stream& stream, int count) {
  for (int i = 0; i < count; ++i) {
    PuzzleLink link;
    stream.ReadInt(&link.objectA);
    stream.ReadLong(&link.value);
    stream.ReadInt(&link.objectB);
    links_.Append(link);
  }
}

void Puzzle::Relink() {
  RelinkRopeEnds(world_);
  // Link entries keep the identity of the first object with the stored id;
  // an id that matches nothing becomes "no object".
  auto resolve = [this](std::int32_t id) -> std::int32_t {
    if (id == 0) return 0;
    for (int i = 0; i < world_.Count(); ++i) {
      if (world_.At(i)->fileId == id) return world_.At(i)->Identity();
    }
    return 0;
  };
  for (int i = 0; i < links_.Count(); ++i) {
    links_.At(i).objectA = resolve(links_.At(i).objectA);
    links_.At(i).objectB = resolve(links_.At(i).objectB);
  }
  for (int i = 0; i < world_.Count(); ++i) world_.At(i)->ResetFileId();
}

bool ReadPuzzleText(const char* path, ByteString* text) {
  FileStream file;
  if (!file.Open(path, kModeReadExisting)) return false;
  PuzzleHeader header;
  if (!ReadPuzzleHeader(file, &header)) return false;
  if (header.textLength > 0 && text != nullptr) *text = ReadText(file, header.textLength);
  return true;
}

}  // namespace qv
