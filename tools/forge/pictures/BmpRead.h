#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qv::forge {

// The forge reads back what it wrote (for the contact sheets): bottom-up
// 24-bit and uncompressed 8-bit files.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;    // top row first, r g b
  std::vector<std::uint8_t> alpha;  // opacity per pixel; 255 without a companion
};

// Reads a picture and, when present, its "A_" companion (looked up without
// regard to letter case, as the game does).
bool ReadPicture(const std::string& path, Picture* out);

// A font file read back: its coverage sheet and its width records.
struct FontPreview {
  int sheetWidth = 0;
  int sheetHeight = 0;
  std::vector<std::uint8_t> coverage;
  std::int32_t a[112] = {};
  std::uint32_t b[112] = {};
  std::int32_t c[112] = {};
};
bool ReadFontPreview(const std::string& path, FontPreview* out);

// Finds a file in its folder ignoring letter case; empty when absent.
std::string FindNoCase(const std::string& path);

}  // namespace qv::forge
