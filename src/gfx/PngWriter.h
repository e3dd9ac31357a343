#pragma once

namespace qv {

class Surface;

// Writes a surface as an RGB PNG, scaled up by a whole number with nearest
// neighbour. With withAlpha, the alpha map (if any) becomes the PNG's alpha.
bool WritePng(const Surface& surface, const char* path, int scale = 1, bool withAlpha = false);

}  // namespace qv
