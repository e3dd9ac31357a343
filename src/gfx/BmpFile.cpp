#include "gfx/BmpFile.h"

#include <cstring>

#include "util/Buffer.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteEntries = 256;

std::uint16_t Get16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t Get32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct InfoHeader {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
};

InfoHeader ParseInfoHeader(const std::uint8_t* p) {
  InfoHeader h;
  h.size = Get32(p);
  h.width = static_cast<std::int32_t>(Get32(p + 4));
  h.height = static_cast<std::int32_t>(Get32(p + 8));
  h.bitCount = Get16(p + 14);
  h.compression = Get32(p + 16);
  h.coloursUsed = Get32(p + 32);
  return h;
}

// Header sizes below 40 are the older core layout, which reads differently;
// a non-positive height is a top-down file.
bool Acceptable(const InfoHeader& h) {
  if (h.size < kInfoHeaderSize) return false;
  if (h.bitCount != 8 && h.bitCount != 24) return false;
  if (h.compression != 0 && h.compression != 1) return false;
  if (h.width <= 0 || h.height <= 0) return false;
  return h.width <= kBmpMaxSide && h.height <= kBmpMaxSide;
}

std::uint8_t* AllocBytes(std::size_t size) {
  return static_cast<std::uint8_t*>(AllocBuffer(size));
}

// Walks an RLE8 stream, writing through a caller's pixel routine. Positions
// saturate (x at the width, the row at -1) so that endless runs and deltas
// cannot overflow; nothing is written outside the picture.
class RleDecoder {
 public:
  RleDecoder(const std::uint8_t* data, int size, int width, int height)
      : data_(data), size_(size), width_(width), row_(height - 1) {}

  // Returns the offset just past the stream (its end marker or the data end).
  template <typename Put>
  int Run(Put put) {
    while (pos_ + 2 <= size_) {
      int count = data_[pos_];
      int value = data_[pos_ + 1];
      pos_ += 2;
      if (count > 0) {
        for (int i = 0; i < count; ++i) Pixel(put, value);
      } else if (value == 0) {
        x_ = 0;
        if (row_ >= 0) --row_;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        if (pos_ + 2 > size_) {
          pos_ = size_;
          break;
        }
        Advance(data_[pos_]);
        row_ = row_ - data_[pos_ + 1] < -1 ? -1 : row_ - data_[pos_ + 1];
        pos_ += 2;
      } else {
        int available = size_ - pos_ < value ? size_ - pos_ : value;
        for (int i = 0; i < available; ++i) Pixel(put, data_[pos_ + i]);
        pos_ += available;
        if (available < value) break;
        if ((value & 1) != 0) pos_ = pos_ < size_ ? pos_ + 1 : size_;
      }
    }
    return pos_ < size_ ? pos_ : size_;
  }

 private:
  template <typename Put>
  void Pixel(Put& put, int index) {
    if (row_ >= 0 && x_ < width_) put(row_, x_, index);
    Advance(1);
  }
  void Advance(int n) { x_ = x_ + n > width_ ? width_ : x_ + n; }

  const std::uint8_t* data_;
  int size_;
  int pos_ = 0;
  int width_;
  int x_ = 0;
  int row_;
};

}  // namespace

BmpFile::~BmpFile() {
  Free();
}

void BmpFile::Free() {
  FreeBuffer(palette_);
  FreeBuffer(bits_);
  palette_ = nullptr;
  bits_ = nullptr;
}

bool BmpFile::Load(const char* path) {
  MemoryFile file;
  if (!file.Open(path, kModeReadExisting)) {
    Free();
    return false;
  }
  return Load(file);
}

bool BmpFile::Load(MemoryFile& file, BmpRle rle) {
  if (Parse(file, rle)) return true;
  Free();
  return false;
}

bool BmpFile::Parse(MemoryFile& file, BmpRle rle) {
  std::uint8_t header[kFileHeaderSize + kInfoHeaderSize];
  file.Seek(0, kSeekStart);
  if (file.Read(header, sizeof header) != static_cast<int>(sizeof header)) return false;
  if (header[0] != 'B' || header[1] != 'M') return false;
  InfoHeader info = ParseInfoHeader(header + kFileHeaderSize);
  if (!Acceptable(info)) return false;
  // The colour table (or, for 24-bit files, the pixels) follows the header.
  if (info.size > static_cast<std::uint32_t>(file.Size() - kFileHeaderSize)) return false;
  file.Seek(kFileHeaderSize + static_cast<int>(info.size), kSeekStart);
  width_ = info.width;
  height_ = info.height;
  bitCount_ = info.bitCount;
  FreeBuffer(bits_);
  bits_ = nullptr;
  if (bitCount_ == 8) {
    if (!ReadPalette(file, info.coloursUsed)) return false;
  } else {
    FreeBuffer(palette_);
    palette_ = nullptr;
  }
  if (bitCount_ == 8 && info.compression == 1) return DecodeRle(file, rle);
  return ReadRows(file);
}

bool BmpFile::ReadPalette(MemoryFile& file, std::uint32_t coloursUsed) {
  std::uint32_t entries = coloursUsed == 0 ? kPaletteEntries : coloursUsed;
  if (entries > kPaletteEntries) return false;
  if (palette_ == nullptr) palette_ = AllocBytes(kPaletteEntries * 4);
  if (palette_ == nullptr) return false;
  // Indices past a short table read as black rather than past the buffer.
  std::memset(palette_, 0, kPaletteEntries * 4);
  int bytes = static_cast<int>(entries) * 4;
  return file.Read(palette_, bytes) == bytes;
}

bool BmpFile::ReadRows(MemoryFile& file) {
  const int bytesPerPixel = bitCount_ / 8;
  const int rowBytes = width_ * bytesPerPixel;
  const int stride = (rowBytes + 3) & ~3;
  // Check the whole picture against what is there before allocating for it.
  const long long need = static_cast<long long>(stride) * height_;
  if (need > file.Size() - file.Position()) return false;
  bits_ = AllocBytes(static_cast<std::size_t>(rowBytes) * height_);
  if (bits_ == nullptr) return false;
  const std::uint8_t* in = file.Data() + file.Position();
  for (int y = height_ - 1; y >= 0; --y, in += stride) {
    std::memcpy(bits_ + static_cast<std::size_t>(y) * rowBytes, in, rowBytes);
  }
  file.Seek(static_cast<int>(need), kSeekCurrent);
  return true;
}

bool BmpFile::DecodeRle(MemoryFile& file, BmpRle rle) {
  const int outBytes = rle == BmpRle::kColours ? 3 : 1;
  const std::size_t size = static_cast<std::size_t>(width_) * height_ * outBytes;
  bits_ = AllocBytes(size);
  if (bits_ == nullptr) return false;
  std::memset(bits_, 0, size);
  RleDecoder decoder(file.Data() + file.Position(), file.Size() - file.Position(), width_, height_);
  const int width = width_;
  std::uint8_t* bits = bits_;
  const std::uint8_t* palette = palette_;
  int used;
  if (outBytes == 3) {
    used = decoder.Run([&](int row, int x, int index) {
      std::uint8_t* p = bits + (static_cast<std::size_t>(row) * width + x) * 3;
      std::memcpy(p, palette + index * 4, 3);
    });
    bitCount_ = 24;
  } else {
    used = decoder.Run([&](int row, int x, int index) {
      bits[static_cast<std::size_t>(row) * width + x] = static_cast<std::uint8_t>(index);
    });
  }
  file.Seek(used, kSeekCurrent);
  return true;
}

}  // namespace qv
