#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Options.h"
#include "gfx/Surface.h"
#include "platform/DesktopKeys.h"
#include "platform/InputRouter.h"
#include "platform/KeyMap.h"
#include "platform/Script.h"
#include "platform/Shell.h"
#include "platform/ShellArgs.h"
#include "platform/ShellClient.h"
#include "platform/SingleInstance.h"
#include "platform/TickPacer.h"
#include "support/TempDir.h"

namespace qv {
namespace {

// Records what the shell delivers; draws its tick count into the back buffer.
class RecordingClient : public ShellClient {
 public:
  bool Init(int width, int height) override {
    initCalls++;
    return back.Create(width, height);
  }
  void Tick() override {
    ++ticks;
    back.Clear(0, 0, 0);
    back.FillRect(0, 0, ticks, 1, 255, 255, 255);
    if (quitAfter > 0 && ticks >= quitAfter) quit = true;
  }
  bool OnKey(int code, bool pressed) override {
    keys.push_back(pressed ? code : -100 - code);
    return true;
  }
  bool OnStylus(int x, int y, int action) override {
    stylus.push_back({x, y, action});
    return true;
  }
  bool QuitRequested() const override { return quit; }
  void SetLastVirtualKey(int vk) override { lastVirtualKey = vk; }
  const Options& KeyOptions() const override { return options; }
  const Surface* BackBufferSurface() const override { return &back; }

  struct Stylus {
    int x, y, action;
    bool operator==(const Stylus&) const = default;
  };
  Surface back;
  Options options;
  int initCalls = 0;
  int ticks = 0;
  int quitAfter = 0;
  bool quit = false;
  int lastVirtualKey = 0;
  std::vector<int> keys;
  std::vector<Stylus> stylus;
};

TEST(ShellKeysTest, DesktopKeysThroughTheKeyMap) {
  RecordingClient client;
  InputRouter router(client, 240, 320);
  struct Case {
    const char* name;
    int virtualKey;
    int code;  // with the default options
  } cases[] = {
      {"Left", 0x25, 0}, {"Right", 0x27, 1}, {"Up", 0x26, 2},      {"Down", 0x28, 3},
      {"0", 0x30, 4},    {"9", 0x39, 13},    {"Return", 0x0D, 14}, {"Space", 0x86, 19},
      {"Q", 0x51, 16},   {"W", 0x57, 17},    {"F1", 0xC1, 16},     {"F2", 0xC2, 17},
      {"F3", 0xC3, 22},  {"F4", 0xC4, 23},   {"F5", 0xC5, 24},
  };
  for (const Case& c : cases) {
    DesktopKey key = DesktopKeyFromName(c.name);
    ASSERT_NE(key, DesktopKey::kNone) << c.name;
    EXPECT_EQ(VirtualKeyOf(key), c.virtualKey) << c.name;
    client.keys.clear();
    router.Key(key, true);
    router.Key(key, false);
    EXPECT_EQ(client.lastVirtualKey, c.virtualKey);
    EXPECT_EQ(client.keys, (std::vector<int>{c.code, -100 - c.code})) << c.name;
  }
  EXPECT_EQ(DesktopKeyFromName("Escape"), DesktopKey::kNone);
  // A reassigned button: F3 as START, so F1 is plain App1 again.
  client.options.startKey = 0xC3;
  client.keys.clear();
  router.Key(DesktopKey::kF3, true);
  router.Key(DesktopKey::kF1, true);
  EXPECT_EQ(client.keys, (std::vector<int>{16, 20}));
}

TEST(ShellStylusTest, CaptureRulesAndClamping) {
  RecordingClient client;
  InputRouter router(client, 240, 320);
  router.Move(5, 5);        // no press: dropped
  router.Release(-7, 400);  // a release always arrives, clamped
  router.Press(10, 20);
  router.Move(-3, 500);
  router.Release(239, 319);
  router.Move(1, 1);  // capture ended
  using S = RecordingClient::Stylus;
  EXPECT_EQ(client.stylus, (std::vector<S>{{0, 319, kStylusRelease},
                                           {10, 20, kStylusPress},
                                           {0, 319, kStylusMove},
                                           {239, 319, kStylusRelease}}));
}

TEST(TickPacerTest, SteadyRateAndResyncAfterAStall) {
  TickPacer pacer(40);
  const std::int64_t period = 25000000;
  EXPECT_EQ(pacer.PeriodNs(), period);
  pacer.Start(0);
  EXPECT_EQ(pacer.WaitNs(0), 0);
  pacer.TickDone(1000000);  // the tick took 1 ms
  EXPECT_EQ(pacer.WaitNs(1000000), period - 1000000);
  // A late tick keeps the schedule: the next one comes sooner.
  pacer.TickDone(period + 5000000);
  EXPECT_EQ(pacer.WaitNs(period + 5000000), 2 * period - period - 5000000);
  // A long stall starts afresh instead of firing a burst.
  pacer.TickDone(100 * period);
  EXPECT_EQ(pacer.WaitNs(100 * period), period);
  EXPECT_EQ(TickPacer(0).PeriodNs(), 1000000000);
}

TEST(ShellArgsTest, OptionsAndErrors) {
  ShellConfig config;
  std::vector<std::string> rest;
  std::string error;
  EXPECT_EQ(ParseShellArgs({"view", "--scale", "3", "a.pzl", "--tick-rate", "60", "--fullscreen"},
                           "tool", "usage", &config, &rest, &error),
            ArgsResult::kRun);
  EXPECT_EQ(config.scale, 3);
  EXPECT_EQ(config.tickRate, 60);
  EXPECT_TRUE(config.fullscreen);
  EXPECT_EQ(rest, (std::vector<std::string>{"view", "a.pzl"}));
  for (std::vector<std::string> bad : std::vector<std::vector<std::string>>{
           {"--scale", "0"}, {"--scale"}, {"--tick-rate", "x"}, {"--bogus"}, {"--headless"}}) {
    ShellConfig c;
    std::vector<std::string> r;
    EXPECT_EQ(ParseShellArgs(bad, "tool", "usage", &c, &r, &error), ArgsResult::kError) << bad[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(ScriptTest, ParsesEveryCommandAndReportsBadLines) {
  std::vector<ScriptCommand> commands;
  std::string error;
  ASSERT_TRUE(
      ParseScript("# a comment\n\ntick 3\nkey F1 down\nkey F1 up  # trailing\n"
                  "press 1 2\nmove 3 4\nrelease 5 6\ntap 7 8\nshot out.png\nquit\n",
                  &commands, &error))
      << error;
  ASSERT_EQ(commands.size(), 9u);
  EXPECT_EQ(commands[0].op, ScriptCommand::Op::kTick);
  EXPECT_EQ(commands[0].a, 3);
  EXPECT_EQ(commands[1].key, DesktopKey::kF1);
  EXPECT_TRUE(commands[1].down);
  EXPECT_EQ(commands[7].path, "out.png");
  for (const char* bad : {"tick", "tick -1", "key Esc down", "key Q sideways", "press 1", "tap a b",
                          "shot", "jump 3"}) {
    std::vector<ScriptCommand> c;
    EXPECT_FALSE(ParseScript(std::string("tick 1\n") + bad + "\n", &c, &error)) << bad;
    EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
  }
}

TEST(ScriptTest, HeadlessRunDrivesTheClientAndWritesShots) {
  test::TempDir dir;
  std::string shot = dir.File("frame.png");
  std::string script = dir.File("run.txt");
  test::WriteBytes(script, {});
  {
    std::string text = "tick 5\nkey Q down\nkey Q up\ntap 300 -4\nshot " + shot + "\ntick 100\n";
    test::WriteBytes(script, std::vector<unsigned char>(text.begin(), text.end()));
  }
  RecordingClient client;
  client.quitAfter = 50;
  ShellConfig config;
  config.headless = true;
  config.script = script;
  EXPECT_EQ(RunShell(client, config), 0);
  EXPECT_EQ(client.initCalls, 1);
  EXPECT_EQ(client.ticks, 50);  // the client's quit ends the run
  EXPECT_EQ(client.keys, (std::vector<int>{16, -116}));
  using S = RecordingClient::Stylus;
  EXPECT_EQ(client.stylus, (std::vector<S>{{239, 0, kStylusPress}, {239, 0, kStylusRelease}}));
  EXPECT_GT(std::filesystem::file_size(shot), 100u);

  config.script = dir.File("missing.txt");
  EXPECT_NE(RunShell(client, config), 0);
  test::WriteBytes(script, {'s', 'h', 'o', 't', ' ', '/', 'n', 'o', '/', 'x', '.', 'p', 'n', 'g'});
  config.script = script;
  RecordingClient other;
  EXPECT_NE(RunShell(other, config), 0);
}

TEST(SingleInstanceTest, SecondStartAsksTheFirstToRaise) {
  test::TempDir dir;
  SingleInstance first(dir.Path());
  ASSERT_TRUE(first.Acquire());
  EXPECT_FALSE(first.RaiseRequested());
  {
    SingleInstance second(dir.Path());
    EXPECT_FALSE(second.Acquire());
  }
  EXPECT_TRUE(first.RaiseRequested());
  EXPECT_FALSE(first.RaiseRequested());
}

}  // namespace
}  // namespace qv
