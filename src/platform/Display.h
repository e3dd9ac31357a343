#pragma once

namespace qv {

// Display format flags as the frame-buffer interface reports them.
constexpr int kFormatLandscape = 0x8;
constexpr int kFormatDirect555 = 0x40;
constexpr int kFormatDirect565 = 0x80;
constexpr int kFormatDirect888 = 0x100;

// What the frame buffer looks like. Filled once before the display opens;
// surfaces read it to pick their pixel routines.
struct DisplayInfo {
  int width = 0;
  int height = 0;
  int xPitch = 0;
  int yPitch = 0;
  int bitsPerPixel = 0;
  int pixelFormat = 0;
  int formatFlags = 0;
};

// The desktop display: 240 x 320, RGB565, rows top-down without gaps.
DisplayInfo DesktopDisplayInfo();
// pixelFormat derived from formatFlags (1: 555, 2: 565, 3: 888, else 0).
int PixelFormatOfFlags(int formatFlags);

// The program-wide record; starts as the desktop display.
DisplayInfo& GetDisplayInfo();

// Copies the 240 x 320 16-bit back buffer into a frame buffer laid out as
// info describes: one block when the buffer is plain top-down, pixel by pixel
// (pitches may be negative) otherwise.
void Present(const void* backBufferPixels, int backBufferWidth, int backBufferHeight,
             void* frameBuffer, const DisplayInfo& info);

}  // namespace qv
