#include "physics/ForceFields.h"

#include <memory>

#include "parts/PartCreators.h"
#include "physics/World.h"

namespace qv {
namespace {

// The bodies a field pushes: everything but static objects and fields.
bool IsPushed(const GameObject& obj) {
  return !obj.IsStatic() && !obj.IsField();
}

}  // namespace

GravityField::GravityField() {
  flags |= kFlagField;
}

void GravityField::ApplyForces(Fixed /*dt*/) {
  if (world == nullptr) return;
  for (int i = 0; i < world->Count(); ++i) {
    GameObject* obj = world->At(i);
    if (!IsPushed(*obj) || !obj->HasGravity()) continue;
    obj->AddForce(this, Vec2(Fixed(), kGravity * obj->GetMass()));
  }
}

DragField::DragField() {
  flags |= kFlagField;
}

void DragField::ApplyForces(Fixed /*dt*/) {
  if (world == nullptr) return;
  for (int i = 0; i < world->Count(); ++i) {
    GameObject* obj = world->At(i);
    if (!IsPushed(*obj)) continue;
    const Fixed q = (-kDragFactor) * obj->GetMass();
    const Vec2 v = obj->GetVelocity();
    obj->AddForce(this, Vec2(v.x * q, v.y * q));
  }
}

SupportField::SupportField() {
  flags |= kFlagField;
}

void SupportField::ApplyForces(Fixed /*dt*/) {
  if (world == nullptr) return;
  Vec2 p;
  for (int i = 0; i < world->Count(); ++i) {
    GameObject* a = world->At(i);
    if (!IsPushed(*a) || !a->IsCollidable()) continue;
    for (int j = 0; j < world->Count(); ++j) {
      GameObject* b = world->At(j);
      if (b == a || b->IsField() || !b->IsCollidable()) continue;
      if (!world->BoxesOverlap(*a, *b) || !world->FindContactPoint(*a, *b, &p)) continue;
      const Vec2 f = a->GetForce();
      if (f.y > 0 && p.y > a->GetCenter().y) {
        const Vec2 n = b->GetNormal(p.x, p.y);
        const Fixed l = Length(f);
        a->AddForce(this, Vec2(n.x * l, n.y * l));
        break;
      }
    }
  }
}

std::unique_ptr<GameObject> CreateGravityField() {
  return std::make_unique<GravityField>();
}
std::unique_ptr<GameObject> CreateDragField() {
  return std::make_unique<DragField>();
}
std::unique_ptr<GameObject> CreateSupportField() {
  return std::make_unique<SupportField>();
}

}  // namespace qv
