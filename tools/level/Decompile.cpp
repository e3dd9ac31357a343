#include <cstdio>

#include "Commands.h"
#include "LevelBuild.h"
#include "TickLimit.h"

namespace qv::level {

int RunDecompile(const Args& args) {
  if (args.size() != 1) return Usage("decompile IN.pzl");
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(args[0], &bytes)) {
    std::fprintf(stderr, "%s: cannot read\n", args[0].c_str());
    return 1;
  }
  LevelSource source;
  std::string error;
  if (!DecompileLevel(bytes, &source, &error)) {
    std::fprintf(stderr, "%s: %s\n", args[0].c_str(), error.c_str());
    return 1;
  }
  source.ticks = ReadTickLimit(args[0]);
  std::fputs(PrintLevelSource(source).c_str(), stdout);
  return 0;
}

}  // namespace qv::level
