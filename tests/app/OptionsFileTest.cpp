#include <gtest/gtest.h>

#include "app/OptionsFile.h"
#include "support/TempDir.h"
#include "util/AtomicFile.h"
#include "util/Folders.h"

namespace qv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class OptionsFileTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUserFolderOverride(dir_.Path().c_str()); }
  void TearDown() override { SetUserFolderOverride(""); }
  std::string File() const { return dir_.File("global.opt"); }
  TempDir dir_;
};

TEST_F(OptionsFileTest, SavesThirtySixBytesAndReadsThemBack) {
  Options o;
  o.highestLevel = 12;
  o.volume = 40;
  o.musicOn = 0;
  ASSERT_TRUE(SaveOptions(o));
  const std::vector<unsigned char> b = ReadBytes(File());
  ASSERT_EQ(b.size(), 36u);
  EXPECT_EQ(b[0], 36);
  EXPECT_EQ(b[6], 12);
  Options back;
  ASSERT_TRUE(LoadOptions(back));
  EXPECT_EQ(back.highestLevel, 12);
  EXPECT_EQ(back.volume, 40u);
  EXPECT_EQ(back.musicOn, 0);
}

TEST_F(OptionsFileTest, FileLengthDecidesWhetherItIsUsed) {
  Options saved;
  saved.highestLevel = 5;
  ASSERT_TRUE(SaveOptions(saved));
  std::vector<unsigned char> b = ReadBytes(File());

  Options o;
  b.resize(35);
  WriteBytes(File(), b);
  EXPECT_FALSE(LoadOptions(o));
  EXPECT_EQ(o.highestLevel, 0);

  b.resize(40, 0xAB);
  b[35] = 0;
  WriteBytes(File(), b);
  EXPECT_TRUE(LoadOptions(o));
  EXPECT_EQ(o.highestLevel, 5);

  std::remove(File().c_str());
  EXPECT_FALSE(LoadOptions(o));
}

TEST_F(OptionsFileTest, FieldsAreTakenWithoutChecks) {
  std::vector<unsigned char> b(36, 0);
  b[0] = 99;  // size
  b[6] = 200;
  WriteBytes(File(), b);
  Options o;
  ASSERT_TRUE(LoadOptions(o));
  EXPECT_EQ(o.size, 99);
  EXPECT_EQ(o.highestLevel, 200);
}

TEST_F(OptionsFileTest, AFailedSaveKeepsTheOldFile) {
  Options o;
  o.highestLevel = 3;
  ASSERT_TRUE(SaveOptions(o));
  o.highestLevel = 4;
  AtomicFileStream::SetFailAfterBytesForTesting(10);
  EXPECT_FALSE(SaveOptions(o));
  AtomicFileStream::SetFailAfterBytesForTesting(-1);
  Options back;
  ASSERT_TRUE(LoadOptions(back));
  EXPECT_EQ(back.highestLevel, 3);
}

}  // namespace
}  // namespace qv
