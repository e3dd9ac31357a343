#include "puzzle/TaskCheck.h"

#include "physics/LoopRope.h"
#include "physics/Rope.h"
#include "physics/World.h"

namespace qv {
namespace {

void ReleaseEndsOn(RopeEndList& ends, const GameObject* gone) {
  for (int i = 0; i < ends.Count(); ++i) {
    if (ends.At(i)->object == gone) ends.At(i)->object = nullptr;
  }
}

// No rope or belt may keep pointing at an object that is about to be deleted.
void ReleaseEndsOn(World& world, const GameObject* gone) {
  for (int i = 0; i < world.Count(); ++i) {
    GameObject* o = world.At(i);
    if (o->GetKind() == kKindRope) ReleaseEndsOn(static_cast<Rope*>(o)->Ends(), gone);
    if (o->GetKind() == kKindLoopRope) ReleaseEndsOn(static_cast<LoopRope*>(o)->Ends(), gone);
  }
}

}  // namespace

bool IsTaskSolved(const World& world) {
  for (int i = 0; i < world.Count(); ++i) {
    const GameObject* o = world.At(i);
    const int count = o->GetTargetCount();
    for (int t = 0; t < count && t < kTargetSlots; ++t) {
      if (o->IsTargetSet(t) && !o->IsTargetMet(t)) return false;
    }
  }
  return true;
}

bool IsFreePart(const GameObject& object) {
  return !object.IsLocked() && !object.IsField() && !object.HasTargets();
}

int TakeFreeParts(World& world, int counts[kKindCount]) {
  if (counts != nullptr) {
    for (int k = 0; k < kKindCount; ++k) counts[k] = 0;
  }
  int taken = 0;
  for (int i = 0; i < world.Count();) {
    GameObject* o = world.At(i);
    if (o->HasTargets()) o->SetLocked(true);
    if (!IsFreePart(*o)) {
      ++i;
      continue;
    }
    const int kind = o->GetKind();
    if (counts != nullptr && kind >= 0 && kind < kKindCount) ++counts[kind];
    ReleaseEndsOn(world, o);
    world.RemoveAt(i);
    ++taken;
  }
  return taken;
}

}  // namespace qv
