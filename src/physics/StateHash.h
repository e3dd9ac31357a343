#pragma once
#include <cstdint>

namespace qv {

class World;

// A digest of the simulation state: every object's kind, box, velocity,
// flags and removed flag in list order. Equal worlds give equal hashes on
// every build.
std::uint64_t StateHash(const World& world);

}  // namespace qv
