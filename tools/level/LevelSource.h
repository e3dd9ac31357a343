#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "physics/GameObject.h"

namespace qv::level {

// A reference to another object of the source: a label, or none ("-").
struct SourceRef {
  std::string label;  // empty: no object
};

// One end of a rope or belt: label:hook, then optional /mode and ~rest
// overrides for files whose values differ from what the game computes.
struct SourceEnd {
  SourceRef ref;
  int hook = 0;
  std::optional<int> mode;
  std::optional<int> rest;
};

struct SourceObject {
  int kind = kNoKind;
  std::string label;
  int x = 0;
  int y = 0;
  std::optional<int> w;  // default: the class's size in its orientation
  std::optional<int> h;
  int orientation = 0;
  bool locked = false;
  bool goals[kTargetSlots] = {};
  std::optional<std::int32_t> id;  // default: position in the file, from 1
  bool hasEnds = false;            // ropes and belts
  std::vector<SourceEnd> ends;
  int line = 0;
};

struct SourceLink {
  SourceRef a;
  std::int32_t value = 0;
  SourceRef b;
};

// A level as written under content/: the task text, the tick limit within
// which its solution must meet the task, and the scene. The three force
// fields come first implicitly unless "fields explicit" is given.
struct LevelSource {
  std::string text;
  std::optional<int> ticks;
  bool implicitFields = true;
  std::vector<SourceObject> objects;
  std::vector<SourceLink> links;
};

// Source names of the kinds ("tennis-ball", "gravity-field"...), null for
// kinds without a class.
const char* KindName(int kind);
int KindFromName(const std::string& name);

// Parses a source; on failure *error says where and why.
bool ParseLevelSource(const std::string& text, LevelSource* out, std::string* error);
// The source text of a level; parsing it gives the same level back.
std::string PrintLevelSource(const LevelSource& source);

}  // namespace qv::level
