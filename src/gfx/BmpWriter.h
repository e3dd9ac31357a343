#pragma once
#include <cstdint>
#include <vector>

namespace qv {

// Writers for the game's own data: bottom-up BMP files as the loaders read
// them. Pixels are given top row first.

// 24-bit picture; rgb holds width * height * 3 bytes in r, g, b order.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::uint8_t* rgb);
// 8-bit picture with a grey palette (index i = grey i); used for alpha maps
// and font sheets. With rle, the pixel data is RLE8 compressed.
std::vector<std::uint8_t> EncodeBmpGrey8(int width, int height, const std::uint8_t* grey, bool rle);

bool WriteBmp24(const char* path, int width, int height, const std::uint8_t* rgb);
bool WriteBmpGrey8(const char* path, int width, int height, const std::uint8_t* grey, bool rle);

}  // namespace qv
