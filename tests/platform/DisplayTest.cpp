#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/Options.h"
#include "platform/Display.h"
#include "platform/KeyMap.h"

namespace qv {
namespace {

TEST(KeyMapTest, DefaultsAndReassignedButtons) {
  Options defaults;
  Options app3Start;
  app3Start.startKey = 195;
  Options app1Enter;
  app1Enter.enterKey = 193;
  struct Case {
    const Options* options;
    int vk;
    int code;
  } cases[] = {
      {&defaults, 0x0D, 14},  {&defaults, 0xC1, 16},  {&defaults, 0xC2, 17},
      {&defaults, 0xC3, 22},  {&defaults, 'Q', 16},   {&defaults, 'W', 17},
      {&defaults, 0x86, 19},  {&defaults, 0x25, 0},   {&defaults, 0x27, 1},
      {&defaults, 0x26, 2},   {&defaults, 0x28, 3},   {&defaults, '0', 4},
      {&defaults, '9', 13},   {&defaults, 0xC5, 24},  {&defaults, 0xC6, 16},
      {&defaults, 0xC7, 17},  {&defaults, 0xC8, 14},  {&defaults, 'A', -1},
      {&defaults, 0x20, -1},  {&app3Start, 0xC3, 16}, {&app3Start, 0xC1, 20},
      {&app1Enter, 0x0D, 25}, {&app1Enter, 0xC1, 14},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyToGameKey(c.vk, *c.options), c.code) << std::hex << c.vk;
  }
}

TEST(PresentTest, FastPathCopiesTheBlock) {
  std::vector<std::uint16_t> back(240 * 320);
  for (std::size_t i = 0; i < back.size(); ++i) back[i] = static_cast<std::uint16_t>(i * 7);
  std::vector<std::uint16_t> frame(240 * 320, 0);
  Present(back.data(), 240, 320, frame.data(), DesktopDisplayInfo());
  EXPECT_EQ(frame, back);
}

TEST(PresentTest, NegativePitchesWalkBackwards) {
  std::vector<std::uint16_t> back(240 * 320);
  for (std::size_t i = 0; i < back.size(); ++i) back[i] = static_cast<std::uint16_t>(i);
  // A display turned upside down: the last pixel of the buffer is (0, 0).
  std::vector<std::uint16_t> frame(240 * 320, 0);
  DisplayInfo info = DesktopDisplayInfo();
  info.xPitch = -2;
  info.yPitch = -480;
  Present(back.data(), 240, 320, frame.data() + frame.size() - 1, info);
  for (int y = 0; y < 320; y += 37) {
    for (int x = 0; x < 240; x += 29) {
      EXPECT_EQ(frame[(319 - y) * 240 + (239 - x)], back[y * 240 + x]);
    }
  }
  // Landscape: rows become columns (x pitch is one row, y pitch back one pixel).
  std::vector<std::uint16_t> land(320 * 240, 0);
  info.formatFlags |= kFormatLandscape;
  info.xPitch = 640;
  info.yPitch = -2;
  Present(back.data(), 240, 320, land.data() + 319, info);
  EXPECT_EQ(land[319], back[0]);
  EXPECT_EQ(land[320 + 319], back[1]);
  EXPECT_EQ(land[318], back[240]);
}

TEST(OptionsTest, DefaultsAndByteLayout) {
  Options o;
  o.highestLevel = 5;
  o.volume = 50;
  ResetOptions(o);
  std::uint8_t bytes[kOptionsFileSize];
  EncodeOptions(o, bytes);
  const std::uint8_t expect[kOptionsFileSize] = {36,  0, 1, 0, 71,  0, 0, 0, 0,  0, 1, 0,
                                                 193, 0, 0, 0, 194, 0, 0, 0, 13, 0, 0, 0,
                                                 100, 0, 0, 0, 0,   0, 0, 0, 1,  0, 0, 0};
  EXPECT_EQ(0, std::memcmp(bytes, expect, sizeof bytes));
  o.highestLevel = 70;
  o.chooseKey = 0x12345678;
  EncodeOptions(o, bytes);
  Options back;
  DecodeOptions(bytes, back);
  EXPECT_EQ(back.highestLevel, 70);
  EXPECT_EQ(back.chooseKey, 0x12345678u);
}

}  // namespace
}  // namespace qv
