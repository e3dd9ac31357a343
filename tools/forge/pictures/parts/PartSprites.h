#pragma once
#include <string>

namespace qv::forge {

// Draws every frame set of the puzzle parts into imagesRoot (the Images
// folder of the data tree). False when a file could not be written.
bool ForgePartSprites(const std::string& imagesRoot);

}  // namespace qv::forge
