#include "BmpRead.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace qv::forge {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& d, std::size_t at) {
  if (at + 4 > d.size()) return 0;
  return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& d, std::size_t at) {
  if (at + 2 > d.size()) return 0;
  return static_cast<std::uint16_t>(d[at] | d[at + 1] << 8);
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Decodes an uncompressed file into rows top first with `channels` bytes per
// pixel (3: r g b; 1: the blue byte of the palette entry). Returns the offset
// just past the pixel data, 0 on failure.
std::size_t Decode(const std::vector<std::uint8_t>& d, int channels, int* w, int* h,
                   std::vector<std::uint8_t>* out) {
  if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return 0;
  std::uint32_t header = U32(d, 14);
  int width = static_cast<int>(U32(d, 18));
  int height = static_cast<int>(U32(d, 22));
  int bits = U16(d, 28);
  if (width <= 0 || height <= 0 || U32(d, 30) != 0 || (bits != 8 && bits != 24)) return 0;
  std::size_t palette = 14 + header;
  std::uint32_t colours = bits == 8 ? (U32(d, 46) ? U32(d, 46) : 256) : 0;
  std::size_t pixels = palette + colours * 4;
  std::size_t stride = (static_cast<std::size_t>(width) * bits / 8 + 3) & ~std::size_t{3};
  if (pixels + stride * height > d.size()) return 0;
  out->assign(static_cast<std::size_t>(width) * height * channels, 0);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = &d[pixels + stride * (height - 1 - y)];
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* bgr = bits == 24 ? row + x * 3 : &d[palette + row[x] * 4u];
      std::uint8_t* o = &(*out)[(static_cast<std::size_t>(y) * width + x) * channels];
      if (channels == 1) {
        o[0] = bgr[0];
      } else {
        o[0] = bgr[2];
        o[1] = bgr[1];
        o[2] = bgr[0];
      }
    }
  }
  *w = width;
  *h = height;
  return pixels + stride * height;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::string FindNoCase(const std::string& path) {
  namespace fs = std::filesystem;
  if (fs::exists(path)) return path;
  fs::path p(path);
  std::error_code ec;
  std::string want = Lower(p.filename().string());
  for (const auto& e : fs::directory_iterator(p.parent_path(), ec)) {
    if (Lower(e.path().filename().string()) == want) return e.path().string();
  }
  return {};
}

bool ReadPicture(const std::string& path, Picture* out) {
  if (Decode(ReadAll(path), 3, &out->width, &out->height, &out->rgb) == 0) return false;
  std::filesystem::path p(path);
  std::string alphaPath = FindNoCase((p.parent_path() / ("A_" + p.filename().string())).string());
  int w = 0, h = 0;
  if (alphaPath.empty() || Decode(ReadAll(alphaPath), 1, &w, &h, &out->alpha) == 0 ||
      w != out->width || h != out->height) {
    out->alpha.assign(static_cast<std::size_t>(out->width) * out->height, 255);
  }
  return true;
}

bool ReadFontPreview(const std::string& path, FontPreview* out) {
  std::vector<std::uint8_t> d = ReadAll(path);
  std::size_t at = Decode(d, 1, &out->sheetWidth, &out->sheetHeight, &out->coverage);
  if (at == 0 || at + 56 + 112 * 12 > d.size()) return false;
  at += 56;
  for (int i = 0; i < 112; ++i, at += 12) {
    out->a[i] = static_cast<std::int32_t>(U32(d, at));
    out->b[i] = U32(d, at + 4);
    out->c[i] = static_cast<std::int32_t>(U32(d, at + 8));
  }
  return true;
}

}  // namespace qv::forge
