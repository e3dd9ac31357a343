// quirkvale-level: compiles, inspects, runs and draws puzzle files.
#include <cstdio>
#include <cstring>

#include "Commands.h"
#include "util/Folders.h"

namespace {

using qv::level::Args;

struct CommandEntry {
  const char* name;
  int (*run)(const Args& args);
  const char* usage;
};

const CommandEntry kCommands[] = {
    {"compile", qv::level::RunCompile, "compile SRC.txt OUT.pzl      level source to puzzle file"},
    {"decompile", qv::level::RunDecompile,
     "decompile IN.pzl             puzzle file to level source"},
    {"simulate", qv::level::RunSimulate,
     "simulate IN.pzl --ticks N [--trace]  run the solution as Start would"},
    {"validate", qv::level::RunValidate,
     "validate [FILES]             solutions meet their tasks in time, bins alone do not"},
    {"render", qv::level::RunRender,
     "render IN.pzl OUT.png [--tick N] [--scale S]  draw the scene"},
    {"view", qv::level::RunView,
     "view IN.pzl [--headless --script FILE]  show the puzzle in a window; Start runs it"},
    {"table", qv::level::RunTable,
     "table OUT.cpp [FILES]        generate the shipped-level checksums"},
};

void PrintHelp() {
  std::printf(
      "usage: quirkvale-level [--data DIR] COMMAND ...\n"
      "  --data DIR   the data tree (Images/, Levels/...); default: as the game finds it\n\n"
      "commands:\n");
  for (const CommandEntry& c : kCommands) std::printf("  %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
  Args args(argv + 1, argv + argc);
  if (args.empty() || qv::level::TakeFlag(&args, "--help") || qv::level::TakeFlag(&args, "-h")) {
    PrintHelp();
    return args.empty() && argc <= 1 ? 2 : 0;
  }
  std::string data;
  if (qv::level::TakeOption(&args, "--data", &data)) qv::SetProgramFolderOverride(data.c_str());
  if (args.empty()) {
    PrintHelp();
    return 2;
  }
  const std::string name = args.front();
  args.erase(args.begin());
  for (const CommandEntry& c : kCommands) {
    if (name == c.name) return c.run(args);
  }
  std::fprintf(stderr, "quirkvale-level: unknown command '%s' (see --help)\n", name.c_str());
  return 2;
}
