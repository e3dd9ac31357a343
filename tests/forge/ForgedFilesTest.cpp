#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "forge/ForgeTree.h"
#include "gfx/Surface.h"
#include "platform/Display.h"
#include "support/TempDir.h"

namespace qv::test {

int BitCount(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char h[30] = {};
  if (!in.read(h, sizeof h) || h[0] != 'B' || h[1] != 'M') return 0;
  return static_cast<unsigned char>(h[28]) | static_cast<unsigned char>(h[29]) << 8;
}

namespace {

namespace fs = std::filesystem;

struct Expected {
  const char* name;
  int width, height;  // 0: any size up to the limits below
  bool companion;
};

// The single pictures of Z_System.
const Expected kSystem[] = {
    {"DlgTexture.bmp", 0, 0, true},      {"Logo240x320.bmp", 240, 320, true},
    {"Menu240x320.bmp", 240, 320, true}, {"Cursor1.bmp", 0, 0, true},
    {"Cursor2.bmp", 0, 0, true},         {"Cursor3.bmp", 0, 0, true},
    {"Locker.bmp", 0, 0, true},          {"Target.bmp", 0, 0, true},
    {"next.bmp", 0, 0, false},
};

// Part icons in kind order, then the ten tools.
const char* const kIcons[] = {
    "magnifier.bmp", "ball_t.bmp",     "ball_f.bmp",  "bucket.bmp",       "brick.bmp",
    "cord.bmp",      "lever.bmp",      "block.bmp",   "squirre_cage.bmp", "balloon.bmp",
    "scissors.bmp",  "flashlight.bmp", "track_1.bmp", "joint.bmp",        "candle.bmp",
    "pinion_1.bmp",  "bomb.bmp",       "ostrich.bmp", "pistol.bmp",       "ground.bmp",
    "rabbit.bmp",    "carrot.bmp",     "save.bmp",    "load.bmp",         "stretch.bmp",
    "rotate.bmp",    "ZBucket.bmp",    "ztarget.bmp", "zlock2.bmp",       "zlock1.bmp",
    "exit.bmp",      "ztarget2.bmp",
};

void ExpectPicture(const std::string& path, int width, int height, int maxW, int maxH,
                   bool companion) {
  SCOPED_TRACE(path);
  qv::forge::Picture pic;
  ASSERT_TRUE(fs::exists(path));
  ASSERT_TRUE(qv::forge::ReadPicture(path, &pic));
  EXPECT_EQ(BitCount(path), 24);
  if (width > 0) {
    EXPECT_EQ(pic.width, width);
    EXPECT_EQ(pic.height, height);
  }
  EXPECT_LE(pic.width, maxW);
  EXPECT_LE(pic.height, maxH);
  // The game's own loaders take the picture and its companion.
  Surface sprite(kFormatDirect565, 16);
  ASSERT_TRUE(sprite.LoadBitmap(path.c_str()));
  EXPECT_EQ(sprite.Width(), pic.width);
  EXPECT_EQ(sprite.Height(), pic.height);
  std::string alpha = CompanionOf(path);
  EXPECT_EQ(!alpha.empty(), companion);
  if (alpha.empty()) return;
  ASSERT_TRUE(sprite.LoadAlpha(alpha.c_str()));
  qv::forge::Picture mask;
  ASSERT_TRUE(qv::forge::ReadPicture(alpha, &mask));
  EXPECT_EQ(BitCount(alpha), 8);
  EXPECT_EQ(mask.width, pic.width);
  EXPECT_EQ(mask.height, pic.height);
}

TEST(ForgedFiles, SystemPicturesHaveTheirNamesSizesAndCompanions) {
  for (const Expected& e : kSystem) {
    ExpectPicture(ForgedPath(std::string("Z_System\\") + e.name), e.width, e.height, 240, 320,
                  e.companion);
  }
}

TEST(ForgedFiles, EveryIconFitsItsGridCellAndHasACompanion) {
  for (const char* name : kIcons) {
    ExpectPicture(ForgedPath(std::string("Z_Icons\\") + name), 0, 0, 25, 25, true);
  }
}

TEST(ForgedFiles, CursorHotSpotsLieOnTheDrawing) {
  qv::forge::Picture pointer;
  ASSERT_TRUE(qv::forge::ReadPicture(ForgedPath("Z_System\\Cursor1.bmp"), &pointer));
  EXPECT_GE(pointer.alpha[0], 128);  // the tip is the top-left pixel
  for (const char* name : {"Z_System\\Cursor2.bmp", "Z_System\\Cursor3.bmp"}) {
    SCOPED_TRACE(name);
    qv::forge::Picture c;
    ASSERT_TRUE(qv::forge::ReadPicture(ForgedPath(name), &c));
    ASSERT_GT(c.width, 14);
    ASSERT_GT(c.height, 6);
    // Cross hairs centred on (11, 3): ink on the row and the column through it.
    int row = 0, column = 0;
    for (int x = 0; x < c.width; ++x) row += c.alpha[3 * c.width + x] >= 128;
    for (int y = 0; y < c.height; ++y) column += c.alpha[y * c.width + 11] >= 128;
    EXPECT_GE(row, 6);
    EXPECT_GE(column, 3);
    EXPECT_GE(c.alpha[3 * c.width + 11 - 3], 128);
    EXPECT_GE(c.alpha[3 * c.width + 11 + 3], 128);
  }
}

// Every picture in the tree keeps the companion rule: a companion of the same
// size, and masks without the faint fringe that would make stray collisions.
TEST(ForgedFiles, CompanionsMatchTheirPicturesAndHaveNoFringe) {
  int pictures = 0;
  for (const auto& e : fs::recursive_directory_iterator(ForgedImages())) {
    const std::string name = e.path().filename().string();
    if (!e.is_regular_file() || e.path().extension() != ".bmp") continue;
    const bool isCompanion = name.rfind("A_", 0) == 0 || name.rfind("a_", 0) == 0;
    if (isCompanion || name.rfind("Font", 0) == 0 || name == "next.bmp") continue;
    SCOPED_TRACE(e.path().string());
    ++pictures;
    std::string alpha = CompanionOf(e.path().string());
    ASSERT_FALSE(alpha.empty());
    qv::forge::Picture pic, mask;
    ASSERT_TRUE(qv::forge::ReadPicture(e.path().string(), &pic));
    ASSERT_TRUE(qv::forge::ReadPicture(alpha, &mask));
    ASSERT_EQ(mask.width, pic.width);
    ASSERT_EQ(mask.height, pic.height);
    int faint = 0;
    for (std::size_t i = 0; i < mask.rgb.size(); i += 3)
      faint += mask.rgb[i] > 0 && mask.rgb[i] < 32;
    EXPECT_EQ(faint, 0);
  }
  EXPECT_GE(pictures, 8 + 32);
}

// A second run, with FreeType asked through the environment for another
// hinting interpreter, writes the same bytes as the build's run.
TEST(ForgedFiles, ASecondRunWritesTheSameBytes) {
  TempDir dir;
  const std::string images = dir.Path() + "/Images";
  const std::string command =
      std::string("FREETYPE_PROPERTIES=truetype:interpreter-version=35 \"") + QV_FORGE_EXE +
      "\" \"" + images + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int files = 0;
  for (const auto& e : fs::recursive_directory_iterator(ForgedImages())) {
    if (!e.is_regular_file()) continue;
    const std::string rel = fs::relative(e.path(), ForgedImages()).string();
    SCOPED_TRACE(rel);
    ++files;
    EXPECT_TRUE(ReadBytes(e.path().string()) == ReadBytes(images + "/" + rel));
  }
  int again = 0;
  for (const auto& e : fs::recursive_directory_iterator(images)) again += e.is_regular_file();
  EXPECT_EQ(again, files);
}

}  // namespace
}  // namespace qv::test
