#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "util/AtomicFile.h"
#include "util/Checksum.h"
#include "util/FileStream.h"
#include "util/Folders.h"
#include "util/MemoryFile.h"

namespace qv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(FileStreamTest, TypedValuesAreLittleEndianAndRoundTrip) {
  TempDir dir;
  std::string path = dir.File("values.bin");
  {
    FileStream out;
    ASSERT_TRUE(out.Open(path.c_str(), kModeCreateWrite));
    EXPECT_EQ(out.WriteByte(0xAB), 1);
    EXPECT_EQ(out.WriteShort(-2), 2);
    EXPECT_EQ(out.WriteLong(0x11223344), 4);
    EXPECT_EQ(out.WriteInt(-1), 4);
  }
  EXPECT_EQ(ReadBytes(path), (std::vector<unsigned char>{0xAB, 0xFE, 0xFF, 0x44, 0x33, 0x22, 0x11,
                                                         0xFF, 0xFF, 0xFF, 0xFF}));
  FileStream in;
  ASSERT_TRUE(in.Open(path.c_str(), kModeReadExisting));
  std::uint8_t b;
  std::int16_t s;
  std::int32_t l, i;
  EXPECT_EQ(in.ReadByte(&b), 1);
  EXPECT_EQ(in.ReadShort(&s), 2);
  EXPECT_EQ(in.ReadLong(&l), 4);
  EXPECT_EQ(in.ReadInt(&i), 4);
  EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(s, -2);
  EXPECT_EQ(l, 0x11223344);
  EXPECT_EQ(i, -1);
  EXPECT_EQ(in.ReadByte(&b), 0);  // at the end
}

TEST(FileStreamTest, ModesSeeksAndClosedStreams) {
  TempDir dir;
  std::string path = dir.File("f.bin");
  WriteBytes(path, {1, 2, 3, 4, 5, 6, 7, 8});
  FileStream f;
  ASSERT_TRUE(f.Open(path.c_str(), kModeReadExisting));
  EXPECT_EQ(f.Size(), 8);
  std::uint8_t v = 0;
  struct Case {
    int offset, origin;
    std::uint8_t expect;
  };
  // Each seek is applied after the previous one; the read advances by one.
  for (Case c : {Case{2, kSeekStart, 3}, Case{1, kSeekCurrent, 5}, Case{-2, kSeekEnd, 7}}) {
    ASSERT_TRUE(f.Seek(c.offset, c.origin));
    ASSERT_EQ(f.ReadByte(&v), 1);
    EXPECT_EQ(v, c.expect) << c.origin;
  }
  f.Close();
  EXPECT_EQ(f.Read(&v, 1), -1);
  EXPECT_EQ(f.Write(&v, 1), -1);
  EXPECT_FALSE(f.Seek(0, kSeekStart));
  EXPECT_EQ(f.Size(), 0);

  // Mode 5 truncates an existing file.
  ASSERT_TRUE(f.Open(path.c_str(), kModeCreateWrite));
  f.Close();
  EXPECT_TRUE(ReadBytes(path).empty());
  EXPECT_FALSE(f.Open(dir.File("missing").c_str(), kModeReadExisting));
  EXPECT_FALSE(f.Open(dir.Path().c_str(), kModeReadExisting));  // a folder is no file
}

TEST(FileStreamTest, GamePathsUseBackslashesAndIgnoreCase) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("Images/pinion"));
  WriteBytes(dir.File("Images/pinion/A_S2A_0001.bmp"), {42});
  std::string gamePath = dir.Path() + "/images\\Pinion\\a_s2a_0001.BMP";
  FileStream f;
  ASSERT_TRUE(f.Open(gamePath.c_str(), kModeReadExisting));
  std::uint8_t v = 0;
  EXPECT_EQ(f.ReadByte(&v), 1);
  EXPECT_EQ(v, 42);
  // Creating follows an existing folder of another case and keeps the name.
  ASSERT_TRUE(f.Open((dir.Path() + "/IMAGES\\New.bin").c_str(), kModeCreateWrite));
  f.Close();
  EXPECT_TRUE(std::filesystem::exists(dir.File("Images/New.bin")));
}

TEST(FileStreamTest, VerifyChecksumRewindsOnSuccess) {
  TempDir dir;
  std::string path = dir.File("c.bin");
  WriteBytes(path, {'a', 'b', 'c'});
  FileStream f;
  ASSERT_TRUE(f.Open(path.c_str(), kModeReadExisting));
  EXPECT_FALSE(f.VerifyChecksum(0x1234));
  EXPECT_TRUE(f.VerifyChecksum(0xABCD259E));  // only the low 16 bits count
  std::uint8_t v = 0;
  EXPECT_EQ(f.ReadByte(&v), 1);
  EXPECT_EQ(v, 'a');
}

TEST(MemoryFileTest, ReadsAreClippedAndNeverWrite) {
  TempDir dir;
  std::string path = dir.File("m.bin");
  WriteBytes(path, {10, 20, 30, 40, 50});
  MemoryFile m;
  ASSERT_TRUE(m.Open(path.c_str(), kModeReadExisting));
  EXPECT_EQ(m.Size(), 5);
  std::uint8_t buf[8] = {};
  EXPECT_TRUE(m.Seek(3, kSeekStart));
  EXPECT_EQ(m.Read(buf, 8), 2);
  EXPECT_EQ(buf[0], 40);
  EXPECT_EQ(m.Read(buf, 1), 0);
  EXPECT_TRUE(m.Seek(2, kSeekEnd));  // end minus offset
  EXPECT_EQ(m.Read(buf, 1), 1);
  EXPECT_EQ(buf[0], 40);
  EXPECT_TRUE(m.Seek(1000, kSeekCurrent));
  EXPECT_EQ(m.Read(buf, 1), 0);
  EXPECT_TRUE(m.Seek(-1000, kSeekStart));
  EXPECT_EQ(m.Read(buf, 1), 1);
  EXPECT_EQ(buf[0], 10);
  EXPECT_EQ(m.Write(buf, 1), -1);
  EXPECT_EQ(m.WriteLong(1), -1);
  EXPECT_TRUE(m.VerifyChecksum(0));
  m.Close();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Read(buf, 1), -1);
}

TEST(AtomicFileTest, FailedWriteLeavesOldFileWhole) {
  TempDir dir;
  std::string path = dir.File("save.dat");
  WriteBytes(path, {1, 2, 3});
  AtomicFileStream::SetFailAfterBytesForTesting(4);
  {
    AtomicFileStream out;
    ASSERT_TRUE(out.Open(path.c_str(), kModeCreateWrite));
    EXPECT_EQ(out.WriteLong(7), 4);
    EXPECT_EQ(out.WriteLong(8), -1);
    EXPECT_FALSE(out.Commit());
  }
  AtomicFileStream::SetFailAfterBytesForTesting(-1);
  EXPECT_EQ(ReadBytes(path), (std::vector<unsigned char>{1, 2, 3}));
  // No temporary file is left behind, and an uncommitted stream changes nothing.
  {
    AtomicFileStream out;
    ASSERT_TRUE(out.Open(path.c_str(), kModeCreateWrite));
    out.WriteByte(9);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
  EXPECT_EQ(ReadBytes(path), (std::vector<unsigned char>{1, 2, 3}));

  const unsigned char fresh[2] = {5, 6};
  EXPECT_TRUE(WriteFileAtomically(path.c_str(), fresh, 2));
  EXPECT_EQ(ReadBytes(path), (std::vector<unsigned char>{5, 6}));
  EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/folder").c_str(), fresh, 2));
}

TEST(FoldersTest, DataFoldersAndUserFolder) {
  TempDir dir;
  SetProgramFolderOverride(dir.Path().c_str());
  EXPECT_EQ(std::string(ImagesFolder().CStr()), dir.Path() + "/Images\\");
  EXPECT_EQ(std::string(LevelsFolder().CStr()), dir.Path() + "/Levels\\");
  SetProgramFolderOverride("");
  // Without data beside it the executable's own folder is still the answer.
  std::string exe = ProgramFolder().Text();
  EXPECT_FALSE(exe.empty());
  EXPECT_EQ(exe.back(), '/');

  std::string xdg = dir.File("xdg");
  ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
  EXPECT_EQ(std::string(UserFolder().CStr()), xdg + "/quirkvale/");
  EXPECT_TRUE(std::filesystem::is_directory(xdg + "/quirkvale"));
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace qv
