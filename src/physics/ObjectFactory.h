#pragma once
#include <memory>

#include "physics/GameObject.h"

namespace qv {

// Turns a kind number into a new object with its initial values. The caller
// calls LoadImages on it and owns it until it adds it to a world.
class ObjectFactory {
 public:
  // Null for kinds without a class (15, 16, 22, 503, 504, anything else).
  std::unique_ptr<GameObject> Create(int kind) const;
  // The kind numbers 0..KindCount()-1 the palette and the parts bin walk.
  int KindCount() const { return kKindCount; }
};

// The three force-field kinds, which the palette and the bin leave out.
bool IsFieldKind(int kind);
// The palette picture under "Z_Icons\" for kinds 0..24, else null.
const char* IconFile(int kind);
// The icon number the palette registers it under for kinds 0..24, else -1.
int IconNumber(int kind);

}  // namespace qv
