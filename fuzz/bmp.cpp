// BmpFile::Load and the picture conversion, then the result drawn about.
#include <cstdint>

#include "gfx/Blit.h"
#include "gfx/BmpFile.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "util/MemoryFile.h"

namespace {

void DrawAbout(const qv::Surface& sprite, qv::Surface& dest) {
  const int w = sprite.Width();
  const int h = sprite.Height();
  const int spots[][2] = {
      {0, 0}, {-w / 2, -h / 2}, {dest.Width() - w / 2, 3}, {-3, dest.Height() - 2}};
  for (const auto& s : spots) {
    for (int flags = 0; flags < 4; ++flags) sprite.DrawTo(dest, s[0], s[1], w / 3, 0, flags);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1u << 22)) return 0;
  qv::MemoryFile file;
  if (!file.OpenBytes(data, static_cast<int>(size))) return 0;
  qv::BmpFile indices;
  indices.Load(file, qv::BmpRle::kIndices);
  qv::BmpFile bmp;
  if (!bmp.Load(file)) return 0;
  for (int flags : {qv::kFormatDirect565, qv::kFormatDirect888}) {
    qv::Surface picture(flags, flags == qv::kFormatDirect888 ? 32 : 16);
    if (!picture.LoadBitmapFrom(bmp)) continue;
    qv::Surface dest(flags, picture.BitsPerPixel());
    dest.Create(40, 30);
    dest.Clear(1, 2, 3);
    DrawAbout(picture, dest);
  }
  return 0;
}
