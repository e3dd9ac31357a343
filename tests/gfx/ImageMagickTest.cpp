// Our BMP decoding against an independent program: ImageMagick writes the
// files and decodes them again, and both decodings must agree pixel for pixel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/BmpFile.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "support/TempDir.h"

namespace qv {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kWidth = 37;  // odd: every row of every variant is padded
constexpr int kHeight = 23;

bool Shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Blocks of flat colour (long runs for RLE8) with a scatter of single pixels
// (literal stretches), well under 256 colours so no quantising is needed.
Bytes TestPicture() {
  Bytes rgb;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      bool speck = (x * 7 + y * 13) % 11 == 0 && x > 20;
      rgb.push_back(static_cast<unsigned char>(speck ? 250 : (x / 5) * 36));
      rgb.push_back(static_cast<unsigned char>((y / 4) * 50));
      rgb.push_back(static_cast<unsigned char>(speck ? 5 : ((x + y) / 9) * 60));
    }
  }
  return rgb;
}

void WritePpm(const std::string& path, const Bytes& rgb) {
  std::string header = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
  Bytes file(header.begin(), header.end());
  file.insert(file.end(), rgb.begin(), rgb.end());
  test::WriteBytes(path, file);
}

std::uint32_t Field(const Bytes& file, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | file[at + i];
  return v;
}

TEST(ImageMagickTest, DecodingMatchesImageMagicksOwn) {
  if (!Shell("command -v convert")) {
    GTEST_SKIP() << "ImageMagick's convert is not installed (scripts/install-deps installs it)";
  }
  test::TempDir dir;
  const std::string source = dir.File("picture.ppm");
  WritePpm(source, TestPicture());

  struct Variant {
    const char* name;
    const char* options;
    const char* prefix;  // BMP3: a 40-byte info header; none: ImageMagick's newer headers
    int bitCount, compression;
  } variants[] = {
      {"rgb3", "-type TrueColor", "BMP3:", 24, 0},
      {"rgb5", "-type TrueColor", "", 24, 0},
      {"pal3", "-type Palette -compress None", "BMP3:", 8, 0},
      {"pal5", "-type Palette -compress None", "", 8, 0},
      {"rle3", "-type Palette -compress RLE", "BMP3:", 8, 1},
      {"rle5", "-type Palette -compress RLE", "", 8, 1},
  };
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.name);
    const std::string bmp = dir.File(std::string(v.name) + ".bmp");
    const std::string raw = dir.File(std::string(v.name) + ".rgb");
    ASSERT_TRUE(Shell("convert '" + source + "' " + v.options + " '" + v.prefix + bmp + "'"));
    ASSERT_TRUE(Shell("convert '" + bmp + "' -depth 8 'rgb:" + raw + "'"));
    const Bytes file = test::ReadBytes(bmp);
    const Bytes expect = test::ReadBytes(raw);
    ASSERT_GE(file.size(), 54u);
    ASSERT_EQ(Field(file, 28, 2), static_cast<std::uint32_t>(v.bitCount))
        << "not the variant meant";
    ASSERT_EQ(Field(file, 30, 4), static_cast<std::uint32_t>(v.compression));
    ASSERT_EQ(expect.size(), static_cast<std::size_t>(kWidth * kHeight * 3));

    BmpFile decoded;
    ASSERT_TRUE(decoded.Load(bmp.c_str()));
    ASSERT_EQ(decoded.Width(), kWidth);
    ASSERT_EQ(decoded.Height(), kHeight);
    Bytes ours;
    for (int i = 0; i < kWidth * kHeight; ++i) {
      const unsigned char* p = decoded.BitCount() == 24 ? decoded.Bits() + i * 3
                                                        : decoded.Palette() + decoded.Bits()[i] * 4;
      ours.insert(ours.end(), {p[2], p[1], p[0]});
    }
    ASSERT_EQ(ours, expect);

    // Pictures load exactly in 8-8-8; alpha maps take the blue channel.
    Surface picture(kFormatDirect888, 24);
    EXPECT_EQ(picture.LoadBitmap(bmp.c_str()), decoded.BitCount() == 24);
    if (picture.Pixels() != nullptr) {
      for (int i = 0; i < kWidth * kHeight * 3; i += 3) {
        ASSERT_EQ(picture.Pixels()[i], expect[i + 2]) << i;
        ASSERT_EQ(picture.Pixels()[i + 2], expect[i]) << i;
      }
    }
    Surface alpha;
    ASSERT_TRUE(alpha.LoadAlpha(bmp.c_str()));
    for (int i = 0; i < kWidth * kHeight; ++i) ASSERT_EQ(alpha.Alpha()[i], expect[i * 3 + 2]) << i;
  }
}

}  // namespace
}  // namespace qv
