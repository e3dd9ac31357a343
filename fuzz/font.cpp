// Font::Load from bytes, then every character measured and drawn in every
// style, near the edges and inside a clip box.
#include <cstdint>

#include "gfx/Font.h"
#include "gfx/Surface.h"
#include "platform/Display.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1u << 22)) return 0;
  qv::Font font;
  font.LoadBytes(data, static_cast<int>(size));
  char all[256];
  for (int i = 0; i < 255; ++i) all[i] = static_cast<char>(i + 1);
  all[255] = 0;
  font.TextWidth(all);
  qv::Surface dest(qv::kFormatDirect565, 16);
  dest.Create(48, 24);
  dest.Clear(0, 0, 0);
  const qv::Box clip(qv::Fixed(3), qv::Fixed(2), qv::Fixed(30), qv::Fixed(10));
  font.SetLineGap(3);
  for (int style = 0; style < 3; ++style) {
    font.DrawText(dest, -2, -1, "Quick fox, 42!", 255, 255, 255, style, 255, nullptr);
    font.DrawText(dest, 40, 20, "Wq@~", 9, 9, 9, style, 100, &clip);
  }
  font.DrawText(dest, 0, 5, all + 31, 1, 2, 3, 0, 255, nullptr);
  return 0;
}
