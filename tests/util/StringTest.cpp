#include <gtest/gtest.h>

#include <cstring>

#include "util/ByteString.h"
#include "util/Checksum.h"

namespace qv {
namespace {

TEST(ByteStringTest, EmptyTextIsNullBuffer) {
  EXPECT_EQ(ByteString().CStr(), nullptr);
  EXPECT_EQ(ByteString("").CStr(), nullptr);
  ByteString both = ByteString::Concat(ByteString(), ByteString(""));
  EXPECT_EQ(both.CStr(), nullptr);
  EXPECT_EQ(both.Length(), 0u);
}

TEST(ByteStringTest, ConcatCopiesEitherSideOrJoins) {
  EXPECT_STREQ(ByteString::Concat("ab", "").CStr(), "ab");
  EXPECT_STREQ(ByteString::Concat("", "cd").CStr(), "cd");
  EXPECT_STREQ(ByteString::Concat("ab", "cd").CStr(), "abcd");
  ByteString a("x");
  ByteString joined = a + "y" + "z";
  EXPECT_STREQ(joined.CStr(), "xyz");
  EXPECT_STREQ(a.CStr(), "x");
}

TEST(ByteStringTest, FormatAlwaysAllocatesAndCutsLongOutput) {
  ByteString s;
  s.Format("%02d.", 7);
  EXPECT_STREQ(s.CStr(), "07.");
  s.Format("%s", "");
  ASSERT_NE(s.CStr(), nullptr);
  EXPECT_EQ(s.Length(), 0u);
  std::string longText(500, 'a');
  s.Format("%s", longText.c_str());
  EXPECT_EQ(s.Length(), 199u);
}

TEST(ByteStringTest, CopyAssignAdoptAndCharacter) {
  ByteString a("hello");
  ByteString b(a);
  EXPECT_NE(a.CStr(), b.CStr());
  EXPECT_TRUE(a == b);
  b = ByteString();
  EXPECT_EQ(b.CStr(), nullptr);
  b = a;
  const ByteString& same = b;
  b = same;  // self-assignment keeps the text
  EXPECT_STREQ(b.CStr(), "hello");
  EXPECT_STREQ(ByteString('Q').CStr(), "Q");
}

TEST(ChecksumTest, KnownValuesAndLengthRules) {
  const auto* abc = reinterpret_cast<const std::uint8_t*>("abc");
  EXPECT_EQ(Checksum16(abc, 3), 0x259E);
  EXPECT_EQ(Checksum16(abc, 0), 0);
  // Only the low 16 bits of the length count.
  std::vector<std::uint8_t> big(0x10003, 0);
  std::memcpy(big.data(), "abc", 3);
  EXPECT_EQ(Checksum16(big.data(), big.size()), 0x259E);
}

}  // namespace
}  // namespace qv
