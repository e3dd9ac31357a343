#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "gfx/BmpWriter.h"
#include "gfx/PixelFormats.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "support/TempDir.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// Headers written field by field, independent of our writer.
Bytes Headers(int width, int height, int bitCount, int compression, int colours) {
  Bytes out = {'B', 'M'};
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitCount));
  Put32(out, static_cast<std::uint32_t>(compression));
  for (int i = 0; i < 3; ++i) Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(colours));
  Put32(out, 0);
  return out;
}

// An 8-bit file whose palette entry i is (b, g, r) = (i, 255 - i, 7).
Bytes Rle8(int width, int height, const Bytes& stream) {
  Bytes out = Headers(width, height, 8, 1, 0);
  for (int i = 0; i < 256; ++i) {
    out.insert(out.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7, 0});
  }
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

bool Decode(const Bytes& bytes, BmpFile& bmp, BmpRle rle = BmpRle::kColours) {
  MemoryFile file;
  EXPECT_TRUE(file.OpenBytes(bytes.data(), static_cast<int>(bytes.size())));
  return bmp.Load(file, rle);
}

TEST(BmpFileTest, TwentyFourBitRowsArePaddedAndStoredBottomUp) {
  // 3 x 2: each file row is 9 bytes and 3 of padding; the first row in the
  // file is the bottom row of the picture.
  Bytes file = Headers(3, 2, 24, 0, 0);
  const Bytes bottom = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE};
  const Bytes top = {11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE, 0xEE, 0xEE};
  file.insert(file.end(), bottom.begin(), bottom.end());
  file.insert(file.end(), top.begin(), top.end());
  BmpFile bmp;
  ASSERT_TRUE(Decode(file, bmp));
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(bmp.Height(), 2);
  EXPECT_EQ(bmp.BitCount(), 24);
  EXPECT_EQ(bmp.Palette(), nullptr);
  const Bytes expect = {11, 12, 13, 14, 15, 16, 17, 18, 19, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(Bytes(bmp.Bits(), bmp.Bits() + 18), expect);

  // The same through a surface: its top row is the second row of the file.
  test::TempDir dir;
  test::WriteBytes(dir.File("p.bmp"), file);
  Surface s(kFormatDirect888, 24);
  ASSERT_TRUE(s.LoadBitmap(dir.File("p.bmp").c_str()));
  EXPECT_EQ(s.Width(), 3);
  EXPECT_EQ(s.Alpha(), nullptr);
  std::uint8_t r, g, b;
  s.ReadPixel(0, 0, &r, &g, &b);
  EXPECT_EQ(b, 11);
  EXPECT_EQ(r, 13);
  s.ReadPixel(2, 1, &r, &g, &b);
  EXPECT_EQ(b, 7);
}

TEST(BmpFileTest, RleEscapesAndDeltaLeaveSkippedPixelsBlack) {
  // Bottom row: run of 2 x index 5, delta (1, 1), then a literal of 3 on the
  // top row (odd: one pad byte), end of bitmap.
  const Bytes stream = {2, 5, 0, 2, 1, 1, 0, 3, 9, 10, 11, 0, 0, 1};
  BmpFile bmp;
  ASSERT_TRUE(Decode(Rle8(5, 2, stream), bmp));
  ASSERT_EQ(bmp.BitCount(), 24);
  auto at = [&](int x, int y) {
    const std::uint8_t* p = bmp.Bits() + (y * 5 + x) * 3;
    return Bytes(p, p + 3);
  };
  EXPECT_EQ(at(0, 1), (Bytes{5, 250, 7}));
  EXPECT_EQ(at(1, 1), (Bytes{5, 250, 7}));
  EXPECT_EQ(at(2, 1), (Bytes{0, 0, 0}));  // bottom row after the delta: untouched
  EXPECT_EQ(at(2, 0), (Bytes{0, 0, 0}));  // skipped by the delta's column step
  EXPECT_EQ(at(3, 0), (Bytes{9, 246, 7}));
  EXPECT_EQ(at(4, 0), (Bytes{10, 245, 7}));  // 11 fell off the right edge

  // Fonts take the indices themselves, in a zero-filled buffer.
  BmpFile indices;
  ASSERT_TRUE(Decode(Rle8(5, 2, stream), indices, BmpRle::kIndices));
  EXPECT_EQ(indices.BitCount(), 8);
  EXPECT_EQ(Bytes(indices.Bits(), indices.Bits() + 10), (Bytes{0, 0, 0, 9, 10, 5, 5, 0, 0, 0}));
}

TEST(BmpFileTest, RleStreamsRunningOffTheEndOrThePictureStaySafe) {
  const Bytes cases[] = {
      {0, 40, 1, 2, 3},                        // literal cut short by the end of the data
      {255, 1, 255, 1, 0, 0, 9, 9},            // runs far past the right edge, then a row
      {0, 2, 255, 255, 0, 2, 255, 255, 4, 4},  // deltas far past the top
      {0, 0, 0, 0, 0, 0, 0, 0, 3, 3},          // more rows than the picture
      {0, 2, 7},                               // delta without its offsets
      {},                                      // no data at all: a black picture
  };
  for (const Bytes& stream : cases) {
    BmpFile bmp;
    EXPECT_TRUE(Decode(Rle8(4, 2, stream), bmp));
    EXPECT_EQ(bmp.BitCount(), 24);
  }
}

TEST(BmpFileTest, DamagedHeadersAreRefused) {
  const Bytes good = EncodeBmpGrey8(4, 3, Bytes(12, 9).data(), false);
  BmpFile check;
  ASSERT_TRUE(Decode(good, check));
  struct Patch {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    int bytes;
  } patches[] = {
      {"signature", 0, 'X', 1},
      {"core header size", 14, 12, 4},
      {"header past the end", 14, 0xFFFFFFF0u, 4},
      {"zero width", 18, 0, 4},
      {"negative width", 18, 0xFFFFFFFFu, 4},
      {"width over 4096", 18, 4097, 4},
      {"zero height", 22, 0, 4},
      {"top-down", 22, static_cast<std::uint32_t>(-3), 4},
      {"huge height", 22, 0x7FFFFFFF, 4},
      {"16 bits", 28, 16, 2},
      {"32 bits", 28, 32, 2},
      {"bit fields", 30, 3, 4},
      {"palette over 256", 46, 257, 4},
      {"palette past the end", 14, 1000, 4},
  };
  for (const Patch& p : patches) {
    Bytes bad = good;
    for (int i = 0; i < p.bytes; ++i) bad[p.at + i] = static_cast<std::uint8_t>(p.value >> (8 * i));
    BmpFile bmp;
    EXPECT_FALSE(Decode(bad, bmp)) << p.what;
    EXPECT_EQ(bmp.Bits(), nullptr) << p.what;
    EXPECT_EQ(bmp.Palette(), nullptr) << p.what;
  }
  // Every cut of an uncompressed file is short somewhere.
  for (std::size_t n = 0; n < good.size(); ++n) {
    BmpFile bmp;
    EXPECT_FALSE(Decode(Bytes(good.begin(), good.begin() + n), bmp)) << n;
  }
  BmpFile missing;
  EXPECT_FALSE(missing.Load("/nonexistent/none.bmp"));
}

TEST(BmpFileTest, ShortPaletteReadsUnlistedIndicesAsBlack) {
  Bytes file = Headers(2, 1, 8, 0, 1);
  file.insert(file.end(), {10, 20, 30, 0});  // one colour
  file.insert(file.end(), {0, 200, 0, 0});   // indices 0 and 200, padded
  BmpFile bmp;
  ASSERT_TRUE(Decode(file, bmp));
  EXPECT_EQ(bmp.Palette()[0], 10);
  EXPECT_EQ(bmp.Palette()[200 * 4], 0);
  Surface s;
  EXPECT_FALSE(s.LoadBitmapFrom(bmp)) << "uncompressed 8-bit is no picture";
  ASSERT_TRUE(s.LoadAlphaFrom(bmp));
  EXPECT_EQ(s.Alpha()[0], 10);
  EXPECT_EQ(s.Alpha()[1], 0);
}

// Our writer against our reader: every width around the row padding, RLE
// runs, literals and single bytes.
TEST(BmpFileTest, WriterRoundTrips) {
  std::mt19937 random(7);
  for (int width = 1; width <= 9; ++width) {
    for (int height : {1, 2, 5}) {
      Bytes grey(static_cast<std::size_t>(width) * height);
      for (std::size_t i = 0; i < grey.size(); ++i) {
        grey[i] = static_cast<std::uint8_t>(random() % 3 == 0 ? random() : i / 4);
      }
      for (bool rle : {false, true}) {
        BmpFile bmp;
        ASSERT_TRUE(Decode(EncodeBmpGrey8(width, height, grey.data(), rle), bmp, BmpRle::kIndices));
        EXPECT_EQ(Bytes(bmp.Bits(), bmp.Bits() + grey.size()), grey) << width << "x" << height;
      }
      Bytes rgb(grey.size() * 3);
      for (auto& v : rgb) v = static_cast<std::uint8_t>(random());
      BmpFile bmp;
      ASSERT_TRUE(Decode(EncodeBmp24(width, height, rgb.data()), bmp));
      for (std::size_t i = 0; i < grey.size(); ++i) {
        ASSERT_EQ(bmp.Bits()[i * 3], rgb[i * 3 + 2]);
        ASSERT_EQ(bmp.Bits()[i * 3 + 2], rgb[i * 3]);
      }
    }
  }
  // Long runs and long literals split at 255.
  Bytes row(600);
  for (std::size_t i = 0; i < row.size(); ++i) row[i] = i < 300 ? 4 : static_cast<std::uint8_t>(i);
  BmpFile bmp;
  ASSERT_TRUE(Decode(EncodeBmpGrey8(600, 1, row.data(), true), bmp, BmpRle::kIndices));
  EXPECT_EQ(Bytes(bmp.Bits(), bmp.Bits() + 600), row);
}

TEST(SurfaceLoadTest, PicturesAlphaCompanionsAndTheirSizes) {
  test::TempDir dir;
  const Bytes rgb = {255, 255, 255, 0, 0, 0, 10, 10, 200, 1, 2, 3};  // r, g, b
  ASSERT_TRUE(WriteBmp24(dir.File("pic.bmp").c_str(), 2, 2, rgb.data()));
  const Bytes grey = {0, 64, 128, 255};
  ASSERT_TRUE(WriteBmpGrey8(dir.File("A_pic.bmp").c_str(), 2, 2, grey.data(), false));
  ASSERT_TRUE(WriteBmpGrey8(dir.File("rle.bmp").c_str(), 2, 2, grey.data(), true));
  ASSERT_TRUE(WriteBmpGrey8(dir.File("big.bmp").c_str(), 3, 2, Bytes(6, 1).data(), false));

  Surface s;
  ASSERT_TRUE(s.LoadBitmap(dir.File("PIC.bmp").c_str()))
      << "names are found without regard to case";
  std::uint16_t first;
  std::memcpy(&first, s.Pixels(), 2);
  EXPECT_EQ(first, Pack565(255, 255, 255));
  EXPECT_EQ(s.Alpha(), nullptr);
  ASSERT_TRUE(s.LoadAlpha(dir.File("A_pic.bmp").c_str()));
  EXPECT_EQ(Bytes(s.Alpha(), s.Alpha() + 4), grey);
  EXPECT_FALSE(s.LoadAlpha(dir.File("big.bmp").c_str())) << "an alpha map must fit the pixels";
  EXPECT_EQ(s.Alpha()[1], 64);
  EXPECT_FALSE(s.LoadBitmap(dir.File("A_pic.bmp").c_str())) << "uncompressed 8-bit";
  EXPECT_TRUE(s.LoadBitmap(dir.File("rle.bmp").c_str()));
  EXPECT_NE(s.Alpha(), nullptr) << "a picture of the same size keeps its alpha map";
  EXPECT_FALSE(s.LoadBitmap(dir.File("missing.bmp").c_str()));
  EXPECT_NE(s.Pixels(), nullptr) << "a failed load keeps the old picture";

  // 24-bit alpha: only blue counts. A fresh surface takes the alpha's size.
  Surface a;
  ASSERT_TRUE(a.LoadAlpha(dir.File("pic.bmp").c_str()));
  EXPECT_EQ(a.Width(), 2);
  EXPECT_EQ(a.Height(), 2);
  EXPECT_EQ(a.Alpha()[2], 200);
  // A picture of another size drops the map it no longer matches.
  Surface b;
  ASSERT_TRUE(b.Create(5, 5));
  ASSERT_TRUE(b.LoadBitmap(dir.File("pic.bmp").c_str()));
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Alpha(), nullptr);
}

}  // namespace
}  // namespace qv
