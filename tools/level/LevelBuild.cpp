#include "LevelBuild.h"

#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "VectorStream.h"
#include "physics/LoopRope.h"
#include "physics/ObjectFactory.h"
#include "physics/Rope.h"
#include "puzzle/Puzzle.h"
#include "puzzle/PuzzleHeader.h"

namespace qv::level {
namespace {

RopeEndList* EndsOf(GameObject* o) {
  if (o->GetKind() == kKindRope) return &static_cast<Rope*>(o)->Ends();
  if (o->GetKind() == kKindLoopRope) return &static_cast<LoopRope*>(o)->Ends();
  return nullptr;
}

bool HasEnds(int kind) {
  return kind == kKindRope || kind == kKindLoopRope;
}

std::string Where(const SourceObject& o) {
  return o.line > 0 ? "line " + std::to_string(o.line) + ": " : std::string();
}

std::unique_ptr<GameObject> MakeObject(const SourceObject& s) {
  std::unique_ptr<GameObject> o = ObjectFactory().Create(s.kind);
  if (o == nullptr) return nullptr;
  o->LoadImages();
  o->SetOrientation(s.orientation);
  Box b = o->box;
  b.x = Fixed(s.x);
  b.y = Fixed(s.y);
  if (s.w) b.w = Fixed(*s.w);
  if (s.h) b.h = Fixed(*s.h);
  o->box = b;
  o->prevBox = b;
  o->SetLocked(s.locked);
  for (int i = 0; i < kTargetSlots; ++i) o->SetTarget(i, s.goals[i]);
  return o;
}

bool TieEnds(const SourceObject& s, GameObject* o, const std::map<std::string, GameObject*>& labels,
             std::string* error) {
  RopeEndList* ends = EndsOf(o);
  if (ends == nullptr) {
    if (s.hasEnds) *error = Where(s) + "only ropes and belts have ends";
    return !s.hasEnds;
  }
  for (const SourceEnd& e : s.ends) {
    auto it = labels.find(e.ref.label);
    if (it == labels.end()) {
      *error = Where(s) + "no object labelled '" + e.ref.label + "'";
      return false;
    }
    if (!ends->Add(it->second, e.hook)) {
      *error = Where(s) + "'" + e.ref.label + "' refuses hook " + std::to_string(e.hook);
      return false;
    }
    if (e.mode) ends->At(ends->Count() - 1)->mode = *e.mode;
  }
  return true;
}

void ApplyRestOverrides(const SourceObject& s, GameObject* o) {
  RopeEndList* ends = EndsOf(o);
  if (ends == nullptr) return;
  for (int i = 0; i < ends->Count() && i < static_cast<int>(s.ends.size()); ++i) {
    if (s.ends[i].rest) ends->At(i)->restLength = Fixed(*s.ends[i].rest);
  }
}

bool AddFields(World& world) {
  const int kinds[] = {kKindGravityField, kKindDragField, kKindSupportField};
  for (int kind : kinds) {
    if (!world.Add(ObjectFactory().Create(kind))) return false;
  }
  return true;
}

}  // namespace

bool BuildPuzzle(const LevelSource& source, Puzzle& puzzle, std::string* error) {
  World& world = puzzle.GetWorld();
  world.Clear();
  puzzle.Links().Clear();
  if (source.implicitFields && !AddFields(world)) return false;
  std::map<std::string, GameObject*> labels;
  for (const SourceObject& s : source.objects) {
    std::unique_ptr<GameObject> o = MakeObject(s);
    if (o == nullptr) {
      *error = Where(s) + "no class for this kind";
      return false;
    }
    GameObject* raw = o.get();
    if (!world.Add(std::move(o))) {
      *error = Where(s) + "the world holds at most " + std::to_string(kWorldCapacity) + " objects";
      return false;
    }
    if (!s.label.empty() && !labels.emplace(s.label, raw).second) {
      *error = Where(s) + "label '" + s.label + "' used twice";
      return false;
    }
  }
  const int first = source.implicitFields ? kFieldCount : 0;
  for (std::size_t i = 0; i < source.objects.size(); ++i) {
    if (!TieEnds(source.objects[i], world.At(first + static_cast<int>(i)), labels, error)) {
      return false;
    }
  }
  for (int i = 0; i < world.Count(); ++i) world.At(i)->OnPlaced(i);
  for (std::size_t i = 0; i < source.objects.size(); ++i) {
    const SourceObject& s = source.objects[i];
    GameObject* o = world.At(first + static_cast<int>(i));
    ApplyRestOverrides(s, o);
  }
  for (int i = 0; i < world.Count(); ++i) world.At(i)->fileId = i + 1;
  for (std::size_t i = 0; i < source.objects.size(); ++i) {
    if (source.objects[i].id) world.At(first + static_cast<int>(i))->fileId = *source.objects[i].id;
  }
  for (const SourceLink& l : source.links) {
    PuzzleLink link;
    link.value = l.value;
    for (auto [ref, out] : {std::pair{&l.a, &link.objectA}, std::pair{&l.b, &link.objectB}}) {
      if (ref->label.empty()) continue;
      auto it = labels.find(ref->label);
      if (it == labels.end()) {
        *error = "link: no object labelled '" + ref->label + "'";
        return false;
      }
      *out = it->second->Identity();
    }
    if (!puzzle.Links().Append(link)) {
      *error = "a puzzle holds at most " + std::to_string(LinkList::kCapacity) + " links";
      return false;
    }
  }
  puzzle.textToSave = ByteString(source.text.c_str());
  return true;
}

bool CompileLevel(const LevelSource& source, std::vector<std::uint8_t>* bytes, std::string* error) {
  auto puzzle = std::make_unique<Puzzle>();
  if (!BuildPuzzle(source, *puzzle, error)) return false;
  VectorStream out;
  if (!puzzle->SaveTo(out)) {
    *error = "the puzzle could not be written";
    return false;
  }
  *bytes = out.Bytes();
  return true;
}

namespace {

struct RawEnd {
  std::int32_t mode, id, hook, rest;
};

struct RawObject {
  std::int16_t marker, kind, version;
  std::int32_t x, y, w, h, id, orientation, locked;
  std::uint8_t targets[kTargetSlots];
  std::vector<RawEnd> ends;
  bool hasEnds = false;
};

bool ReadRaw(VectorStream& in, RawObject* o) {
  bool ok = in.ReadShort(&o->marker) == 2 && in.ReadShort(&o->kind) == 2 &&
            in.ReadShort(&o->version) == 2;
  std::int32_t* ints[] = {&o->x, &o->y, &o->w, &o->h, &o->id, &o->orientation, &o->locked};
  for (std::int32_t* v : ints) ok = ok && in.ReadLong(v) == 4;
  ok = ok && in.Read(o->targets, kTargetSlots) == kTargetSlots;
  if (!ok || !HasEnds(o->kind)) return ok;
  o->hasEnds = true;
  std::int32_t count = 0;
  if (in.ReadLong(&count) != 4 || count < 0 || count > RopeEndList::kMaxEnds) return false;
  for (int i = 0; i < count; ++i) {
    RawEnd e{};
    ok = in.ReadLong(&e.mode) == 4 && in.ReadLong(&e.id) == 4 && in.ReadLong(&e.hook) == 4 &&
         in.ReadLong(&e.rest) == 4;
    if (!ok) return false;
    o->ends.push_back(e);
  }
  return true;
}

bool IsPlainField(const SourceObject& o, int kind) {
  bool anyGoal = false;
  for (bool g : o.goals) anyGoal = anyGoal || g;
  return o.kind == kind && o.x == 0 && o.y == 0 && !o.w && !o.h && o.orientation == 0 &&
         !o.locked && !anyGoal && !o.id;
}

// Drops the overrides that equal what building without them gives.
bool Simplify(LevelSource* s, std::string* error) {
  for (SourceObject& o : s->objects) {
    std::unique_ptr<GameObject> fresh = ObjectFactory().Create(o.kind);
    if (fresh == nullptr) {
      *error = "kind without a class";
      return false;
    }
    fresh->SetOrientation(o.orientation);
    if (o.w && Fixed(*o.w) == fresh->box.w) o.w.reset();
    if (o.h && Fixed(*o.h) == fresh->box.h) o.h.reset();
  }
  LevelSource bare = *s;
  for (SourceObject& o : bare.objects) {
    for (SourceEnd& e : o.ends) {
      e.mode.reset();
      e.rest.reset();
    }
  }
  auto puzzle = std::make_unique<Puzzle>();
  if (!BuildPuzzle(bare, *puzzle, error)) return false;
  const int first = s->implicitFields ? kFieldCount : 0;
  for (std::size_t i = 0; i < s->objects.size(); ++i) {
    RopeEndList* ends = EndsOf(puzzle->GetWorld().At(first + static_cast<int>(i)));
    if (ends == nullptr) continue;
    std::vector<SourceEnd>& src = s->objects[i].ends;
    for (int k = 0; k < ends->Count() && k < static_cast<int>(src.size()); ++k) {
      if (src[k].mode && *src[k].mode == ends->At(k)->mode) src[k].mode.reset();
      if (src[k].rest && *src[k].rest == ends->At(k)->restLength.ToInt()) src[k].rest.reset();
    }
  }
  return true;
}

}  // namespace

bool DecompileLevel(const std::vector<std::uint8_t>& bytes, LevelSource* source,
                    std::string* error) {
  *source = LevelSource();
  VectorStream in(bytes);
  PuzzleHeader h;
  const PuzzleHeader standard;
  if (!ReadPuzzleHeader(in, &h)) {
    *error = "short header";
    return false;
  }
  if (h.magic[0] != 'P' || h.magic[1] != 'Z' || h.magic[2] != 'L' || h.reserved != 0 ||
      h.version != standard.version || h.reserved2 != 0 ||
      h.dataOffset != kPuzzleHeaderSize + h.textLength) {
    *error = "header fields differ from what the game writes";
    return false;
  }
  std::string text(h.textLength, '\0');
  if (in.Read(text.data(), h.textLength) != h.textLength || text.find('\0') != std::string::npos) {
    *error = "short or broken text";
    return false;
  }
  source->text = text;
  std::vector<RawObject> raw(h.objectCount);
  for (RawObject& o : raw) {
    if (!ReadRaw(in, &o) || o.marker != kRecordMarker || o.version != kRecordVersion ||
        (o.locked != 0 && o.locked != 1) || KindName(o.kind) == nullptr) {
      *error = "an object record the source cannot express";
      return false;
    }
  }
  std::vector<RawEnd> links(h.linkCount);
  for (RawEnd& l : links) {
    if (in.ReadLong(&l.id) != 4 || in.ReadLong(&l.mode) != 4 || in.ReadLong(&l.hook) != 4) {
      *error = "short link records";
      return false;
    }
  }
  if (in.Position() != in.Size()) {
    *error = "extra bytes after the link records";
    return false;
  }
  // Labels for referenced objects, by kind name and count.
  std::vector<std::string> label(raw.size());
  std::map<std::string, int> perKind;
  auto labelFor = [&](std::int32_t id, std::string* out) {
    if (id == 0) {
      out->clear();
      return true;
    }
    for (std::size_t i = 0; i < raw.size(); ++i) {
      if (raw[i].id != id) continue;
      if (label[i].empty()) {
        int n = ++perKind[KindName(raw[i].kind)];
        label[i] = std::string(KindName(raw[i].kind)) + std::to_string(n);
      }
      *out = label[i];
      return true;
    }
    return false;
  };
  for (std::size_t i = 0; i < raw.size(); ++i) {
    SourceObject o;
    const RawObject& r = raw[i];
    o.kind = r.kind;
    o.x = r.x;
    o.y = r.y;
    o.w = r.w;
    o.h = r.h;
    o.orientation = r.orientation;
    o.locked = r.locked != 0;
    for (int t = 0; t < kTargetSlots; ++t) {
      if (r.targets[t] > 1) {
        *error = "a goal byte the source cannot express";
        return false;
      }
      o.goals[t] = r.targets[t] != 0;
    }
    if (r.id != static_cast<std::int32_t>(i + 1)) o.id = r.id;
    o.hasEnds = r.hasEnds;
    for (const RawEnd& e : r.ends) {
      SourceEnd end;
      if (!labelFor(e.id, &end.ref.label) || end.ref.label.empty()) {
        *error = "a rope or belt end that holds no object";
        return false;
      }
      end.hook = e.hook;
      end.mode = e.mode;
      end.rest = e.rest;
      o.ends.push_back(end);
    }
    source->objects.push_back(o);
  }
  for (const RawEnd& l : links) {
    SourceLink link;
    link.value = l.mode;
    if (!labelFor(l.id, &link.a.label) || !labelFor(l.hook, &link.b.label)) {
      *error = "a link to no object";
      return false;
    }
    source->links.push_back(link);
  }
  for (std::size_t i = 0; i < raw.size(); ++i) source->objects[i].label = label[i];
  // Ids numbered from 1 include the fields, so they must be judged first.
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (source->objects[i].id && *source->objects[i].id == static_cast<std::int32_t>(i + 1)) {
      source->objects[i].id.reset();
    }
  }
  if (!Simplify(source, error)) return false;
  const int fieldKinds[] = {kKindGravityField, kKindDragField, kKindSupportField};
  bool plain = source->objects.size() >= kFieldCount;
  for (int i = 0; plain && i < kFieldCount; ++i) {
    plain = IsPlainField(source->objects[static_cast<std::size_t>(i)], fieldKinds[i]) &&
            source->objects[static_cast<std::size_t>(i)].label.empty();
  }
  source->implicitFields = plain;
  if (plain) source->objects.erase(source->objects.begin(), source->objects.begin() + kFieldCount);
  std::vector<std::uint8_t> again;
  if (!CompileLevel(*source, &again, error) || again != bytes) {
    *error = "the file holds values its source cannot reproduce";
    return false;
  }
  return true;
}

bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

bool ReadTextFile(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text->assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

}  // namespace qv::level
