#pragma once
#include <cstdint>

namespace qv {

class MemoryFile;

// Largest picture the loaders accept, in either direction.
constexpr int kBmpMaxSide = 4096;

// What an RLE8 stream decodes into.
enum class BmpRle {
  kColours,  // 24-bit b, g, r through the palette (pictures, alpha maps)
  kIndices,  // 8-bit palette indices (font sheets)
};

// A decoded bottom-up BMP: 8-bit (uncompressed or RLE8) or 24-bit
// (uncompressed). Rows are stored top row first. Damaged input fails cleanly:
// every size is checked against the bytes present before it is used.
class BmpFile {
 public:
  BmpFile() = default;
  BmpFile(const BmpFile&) = delete;
  BmpFile& operator=(const BmpFile&) = delete;
  ~BmpFile();

  bool Load(const char* path);
  // Parses from the file's current content, starting at offset 0. On success
  // the file position is where the pixel data ended (font records follow).
  bool Load(MemoryFile& file, BmpRle rle = BmpRle::kColours);

  int BitCount() const { return bitCount_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // 256 entries of b, g, r, reserved; entries past the file's table are 0.
  // Null for 24-bit files.
  const std::uint8_t* Palette() const { return palette_; }
  // Width * height * BitCount / 8 bytes, top row first.
  const std::uint8_t* Bits() const { return bits_; }
  void Free();

 private:
  bool Parse(MemoryFile& file, BmpRle rle);
  bool ReadPalette(MemoryFile& file, std::uint32_t coloursUsed);
  bool ReadRows(MemoryFile& file);
  bool DecodeRle(MemoryFile& file, BmpRle rle);

  int width_ = 0;
  int height_ = 0;
  int bitCount_ = 0;
  std::uint8_t* palette_ = nullptr;
  std::uint8_t* bits_ = nullptr;
};

}  // namespace qv
