#include <cstdio>

#include "Commands.h"
#include "LevelBuild.h"
#include "util/AtomicFile.h"

namespace qv::level {

// compile SRC OUT.pzl [--ticks-file PATH]: the limit declared in the source
// goes to PATH, since the puzzle file has no room for it.
int RunCompile(const Args& argsIn) {
  Args args = argsIn;
  std::string ticksFile;
  TakeOption(&args, "--ticks-file", &ticksFile);
  if (args.size() != 2) return Usage("compile SRC.txt OUT.pzl [--ticks-file PATH]");
  std::string text;
  if (!ReadTextFile(args[0], &text)) {
    std::fprintf(stderr, "%s: cannot read\n", args[0].c_str());
    return 1;
  }
  LevelSource source;
  std::string error;
  std::vector<std::uint8_t> bytes;
  if (!ParseLevelSource(text, &source, &error) || !CompileLevel(source, &bytes, &error)) {
    std::fprintf(stderr, "%s: %s\n", args[0].c_str(), error.c_str());
    return 1;
  }
  if (!WriteFileAtomically(args[1].c_str(), bytes.data(), static_cast<int>(bytes.size()))) {
    std::fprintf(stderr, "%s: cannot write\n", args[1].c_str());
    return 1;
  }
  if (!ticksFile.empty()) {
    if (!source.ticks) {
      std::fprintf(stderr, "%s: no tick limit declared (ticks N)\n", args[0].c_str());
      return 1;
    }
    const std::string limit = std::to_string(*source.ticks) + "\n";
    if (!WriteFileAtomically(ticksFile.c_str(), limit.data(), static_cast<int>(limit.size()))) {
      std::fprintf(stderr, "%s: cannot write\n", ticksFile.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace qv::level
