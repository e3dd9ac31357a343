#include "parts/PartSprites.h"

namespace qv::forge {

// The part sprites are drawn by their own units; none exist yet.
bool ForgePartSprites(const std::string&) {
  return true;
}

}  // namespace qv::forge
