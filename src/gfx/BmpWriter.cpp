#include "gfx/BmpWriter.h"

#include "util/AtomicFile.h"

namespace qv {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Patch32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// File header and info header; sizes are patched once the data is known.
void PutHeaders(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                int compression, int colours) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, 0);  // file size
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, 14 + 40 + 4 * colours);  // bits offset
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitCount));
  Put32(out, static_cast<std::uint32_t>(compression));
  Put32(out, 0);     // image size
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, static_cast<std::uint32_t>(colours));
  Put32(out, 0);
}

void Finish(std::vector<std::uint8_t>& out, std::size_t dataStart) {
  Patch32(out, 2, static_cast<std::uint32_t>(out.size()));
  Patch32(out, 34, static_cast<std::uint32_t>(out.size() - dataStart));
}

// One row of RLE8: runs of equal bytes, literal stretches where runs are short.
void EncodeRleRow(std::vector<std::uint8_t>& out, const std::uint8_t* row, int width) {
  int x = 0;
  while (x < width) {
    int run = 1;
    while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
    if (run >= 3 || width - x < 3) {
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(row[x]);
      x += run;
      continue;
    }
    // Literal: gather until a run of three starts or 255 bytes are taken.
    int start = x;
    int n = 0;
    while (x < width && n < 255) {
      if (x + 2 < width && row[x] == row[x + 1] && row[x] == row[x + 2]) break;
      ++x;
      ++n;
    }
    if (n < 3) {
      for (int i = 0; i < n; ++i) {
        out.push_back(1);
        out.push_back(row[start + i]);
      }
      continue;
    }
    out.push_back(0);
    out.push_back(static_cast<std::uint8_t>(n));
    for (int i = 0; i < n; ++i) out.push_back(row[start + i]);
    if (n & 1) out.push_back(0);
  }
}

bool Save(const char* path, const std::vector<std::uint8_t>& bytes) {
  return WriteFileAtomically(path, bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::uint8_t* rgb) {
  std::vector<std::uint8_t> out;
  PutHeaders(out, width, height, 24, 0, 0);
  std::size_t dataStart = out.size();
  const int pad = (4 - (width * 3) % 4) % 4;
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* p = rgb + static_cast<std::size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x, p += 3) {
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (int i = 0; i < pad; ++i) out.push_back(0);
  }
  Finish(out, dataStart);
  return out;
}

std::vector<std::uint8_t> EncodeBmpGrey8(int width, int height, const std::uint8_t* grey,
                                         bool rle) {
  std::vector<std::uint8_t> out;
  PutHeaders(out, width, height, 8, rle ? 1 : 0, 256);
  for (int i = 0; i < 256; ++i) {
    auto v = static_cast<std::uint8_t>(i);
    out.insert(out.end(), {v, v, v, 0});
  }
  std::size_t dataStart = out.size();
  const int pad = (4 - width % 4) % 4;
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* row = grey + static_cast<std::size_t>(y) * width;
    if (rle) {
      EncodeRleRow(out, row, width);
      out.push_back(0);
      out.push_back(y == 0 ? 1 : 0);  // end of line, or of bitmap after the top row
    } else {
      out.insert(out.end(), row, row + width);
      for (int i = 0; i < pad; ++i) out.push_back(0);
    }
  }
  Finish(out, dataStart);
  return out;
}

bool WriteBmp24(const char* path, int width, int height, const std::uint8_t* rgb) {
  return Save(path, EncodeBmp24(width, height, rgb));
}

bool WriteBmpGrey8(const char* path, int width, int height, const std::uint8_t* grey, bool rle) {
  return Save(path, EncodeBmpGrey8(width, height, grey, rle));
}

}  // namespace qv
