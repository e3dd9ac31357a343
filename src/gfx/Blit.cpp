#include "gfx/Surface.h"

namespace qv {

// Sprite blits per pixel format. Placeholders until the sprite routines land:
// they draw nothing, which is the harmless result for a missing picture.
void BlitPlain16(const Surface&, Surface&, int, int, int, int, int) {}
void Blit444(const Surface&, Surface&, int, int, int, int, int) {}
void Blit555(const Surface&, Surface&, int, int, int, int, int) {}
void Blit565(const Surface&, Surface&, int, int, int, int, int) {}
void Blit888(const Surface&, Surface&, int, int, int, int, int) {}

}  // namespace qv
