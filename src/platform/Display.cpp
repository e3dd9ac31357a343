#include "platform/Display.h"

#include <cstdint>
#include <cstring>

namespace qv {

DisplayInfo DesktopDisplayInfo() {
  DisplayInfo info;
  info.width = 240;
  info.height = 320;
  info.xPitch = 2;
  info.yPitch = 480;
  info.bitsPerPixel = 16;
  info.formatFlags = kFormatDirect565;
  info.pixelFormat = PixelFormatOfFlags(info.formatFlags);
  return info;
}

int PixelFormatOfFlags(int formatFlags) {
  if (formatFlags & kFormatDirect555) return 1;
  if (formatFlags & kFormatDirect565) return 2;
  if (formatFlags & kFormatDirect888) return 3;
  return 0;
}

DisplayInfo& GetDisplayInfo() {
  static DisplayInfo info = DesktopDisplayInfo();
  return info;
}

void Present(const void* backBufferPixels, int backBufferWidth, int backBufferHeight,
             void* frameBuffer, const DisplayInfo& info) {
  if (backBufferPixels == nullptr || frameBuffer == nullptr) return;
  const auto* src = static_cast<const std::uint16_t*>(backBufferPixels);
  if ((info.formatFlags & kFormatLandscape) == 0 && info.xPitch > 0 && info.yPitch > 0) {
    std::size_t bytes = static_cast<std::size_t>(info.xPitch) *
                        static_cast<std::size_t>(info.width) *
                        static_cast<std::size_t>(info.height);
    std::size_t have =
        static_cast<std::size_t>(backBufferWidth) * static_cast<std::size_t>(backBufferHeight) * 2;
    // Never read past the back buffer, whatever the display claims.
    std::memcpy(frameBuffer, src, bytes < have ? bytes : have);
    return;
  }
  // Pitched path: 16-bit units, division truncating toward zero.
  const std::ptrdiff_t xStep = info.xPitch / 2;
  const std::ptrdiff_t yStep = info.yPitch / 2;
  auto* rowStart = static_cast<std::uint16_t*>(frameBuffer);
  const int rows = backBufferHeight < 320 ? backBufferHeight : 320;
  const int cols = backBufferWidth < 240 ? backBufferWidth : 240;
  for (int row = 0; row < rows; ++row) {
    std::uint16_t* dest = rowStart;
    const std::uint16_t* line = src + static_cast<std::ptrdiff_t>(row) * backBufferWidth;
    for (int col = 0; col < cols; ++col) {
      *dest = line[col];
      dest += xStep;
    }
    rowStart += yStep;
  }
}

}  // namespace qv
