#pragma once
#include <memory>
#include <span>

namespace qv {

class GameObject;

using PartCreator = std::unique_ptr<GameObject> (*)();

struct PartRegistration {
  int kind;
  PartCreator create;  // null: the kind has no class (yet)
};

// Every class the object factory can make, one entry per kind.
std::span<const PartRegistration> PartRegistrations();

}  // namespace qv
