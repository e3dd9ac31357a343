// Surface::LoadAlpha's conversion from a decoded file, then sprites drawn
// with the map in a 16-bit and the 8-8-8 format.
#include <cstdint>

#include "gfx/Blit.h"
#include "gfx/BmpFile.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "util/MemoryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1u << 22)) return 0;
  qv::MemoryFile file;
  if (!file.OpenBytes(data, static_cast<int>(size))) return 0;
  qv::BmpFile bmp;
  if (!bmp.Load(file)) return 0;
  // The map alone on an empty surface, then over pixels of the same size.
  qv::Surface bare;
  bare.LoadAlphaFrom(bmp);
  for (int flags : {qv::kFormatDirect555, qv::kFormatDirect888}) {
    qv::Surface sprite(flags, 24);
    if (!sprite.Create(bmp.Width(), bmp.Height())) continue;
    sprite.Clear(200, 100, 50);
    if (!sprite.LoadAlphaFrom(bmp)) continue;
    qv::Surface dest(flags, 24);
    dest.Create(24, 20);
    dest.Clear(10, 20, 30);
    for (int flags2 = 0; flags2 < 4; ++flags2) {
      sprite.DrawTo(dest, -sprite.Width() / 3, -1, 0, 0, flags2);
      sprite.DrawTo(dest, 20, 15, 3, 2, flags2);
    }
  }
  return 0;
}
