#pragma once

namespace qv {

class Surface;

// DrawTo flags.
constexpr int kBlitMirror = 1;  // left to right, as a part facing left
constexpr int kBlitFlip = 2;    // top to bottom, in every pixel format

// The per-format sprite blits of the routine table. Each clips to the
// destination and the limits, and draws nothing when either surface has no
// pixels or the two differ in pixel layout.
void BlitPlain16(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
                 int flags);
void Blit444(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags);
void Blit555(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags);
void Blit565(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags);
void Blit888(const Surface& src, Surface& dest, int x, int y, int maxWidth, int maxHeight,
             int flags);

}  // namespace qv
