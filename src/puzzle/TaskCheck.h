#pragma once
#include "physics/ObjectKind.h"

namespace qv {

class World;
class GameObject;

// Solved when every goal set on any object is met; a puzzle without goals is
// solved at once.
bool IsTaskSolved(const World& world);

// What the parts bin takes out of a loaded level: every object that is not
// locked, not a force field and has no goals.
bool IsFreePart(const GameObject& object);

// The play screen's load step: goal objects become locked, free parts leave
// the world and are counted by kind (counts may be null; kinds outside
// 0..kKindCount-1 are not counted). Rope and belt ends that held a removed
// part are let go. Returns how many parts were taken.
int TakeFreeParts(World& world, int counts[kKindCount]);

}  // namespace qv
