#include "gfx/FontWriter.h"

#include "gfx/BmpWriter.h"
#include "util/AtomicFile.h"

namespace qv {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeFontFile(const FontFileData& font, bool rle) {
  std::vector<std::uint8_t> out =
      EncodeBmpGrey8(font.sheetWidth, font.sheetHeight, font.coverage.data(), rle);
  for (std::int32_t v : font.metrics.values) Put32(out, static_cast<std::uint32_t>(v));
  out.insert(out.end(), font.metrics.bytes, font.metrics.bytes + 9);
  out.insert(out.end(), {0, 0, 0});  // alignment
  for (const FontWidthRecord& w : font.widths) {
    Put32(out, static_cast<std::uint32_t>(w.a));
    Put32(out, w.b);
    Put32(out, static_cast<std::uint32_t>(w.c));
  }
  for (std::int32_t v : font.description.values) Put32(out, static_cast<std::uint32_t>(v));
  out.insert(out.end(), font.description.bytes, font.description.bytes + 8);
  out.insert(out.end(), font.description.faceName, font.description.faceName + 32);
  return out;
}

bool WriteFontFile(const char* path, const FontFileData& font, bool rle) {
  std::vector<std::uint8_t> bytes = EncodeFontFile(font, rle);
  return WriteFileAtomically(path, bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace qv
