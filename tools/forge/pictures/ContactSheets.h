#pragma once
#include <string>

namespace qv::forge {

// Writes parts.png (every frame of every set found under imagesRoot, at 3x on
// a checkerboard), icons.png and system.png (the system pictures with the
// game's text drawn on them, and samples of each font at 1x and 3x).
bool WriteContactSheets(const std::string& imagesRoot, const std::string& outDir);

}  // namespace qv::forge
