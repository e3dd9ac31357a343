#include "physics/ObjectFactory.h"

#include "parts/PartRegistry.h"

namespace qv {
namespace {

struct IconEntry {
  const char* file;
  int number;
};

// Palette pictures of kinds 0..24, in kind order.
constexpr IconEntry kIcons[kKindCount] = {
    {"magnifier.bmp", 17},    {"ball_t.bmp", 2},    {"ball_f.bmp", 1},    {"bucket.bmp", 6},
    {"brick.bmp", 5},         {"cord.bmp", 9},      {"lever.bmp", 15},    {"block.bmp", 3},
    {"squirre_cage.bmp", 29}, {"balloon.bmp", 0},   {"scissors.bmp", 26}, {"flashlight.bmp", 11},
    {"track_1.bmp", 32},      {"joint.bmp", 14},    {"candle.bmp", 7},    {"fox.bmp", 12},
    {"wolf.bmp", 33},         {"pinion_1.bmp", 20}, {"bomb.bmp", 4},      {"ostrich.bmp", 19},
    {"pistol.bmp", 21},       {"ground.bmp", 13},   {"man.bmp", 18},      {"rabbit.bmp", 23},
    {"carrot.bmp", 8},
};

}  // namespace

std::unique_ptr<GameObject> ObjectFactory::Create(int kind) const {
  for (const PartRegistration& r : PartRegistrations()) {
    if (r.kind == kind) return r.create != nullptr ? r.create() : nullptr;
  }
  return nullptr;
}

bool IsFieldKind(int kind) {
  return kind == kKindSupportField || kind == kKindDragField || kind == kKindGravityField;
}

const char* IconFile(int kind) {
  return kind >= 0 && kind < kKindCount ? kIcons[kind].file : nullptr;
}

int IconNumber(int kind) {
  return kind >= 0 && kind < kKindCount ? kIcons[kind].number : -1;
}

}  // namespace qv
