#include "platform/ShellArgs.h"

#include <cstdio>

namespace qv {
namespace {

bool ToInt(const std::string& s, int lo, int hi, int* out) {
  try {
    std::size_t used = 0;
    int v = std::stoi(s, &used);
    if (used != s.size() || v < lo || v > hi) return false;
    *out = v;
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

const char* ShellOptionsHelp() {
  return "Window and timing:\n"
         "  --scale N        draw each screen pixel as N x N window pixels (1-8, default 2)\n"
         "  --fullscreen     start in fullscreen (F11 toggles)\n"
         "  --tick-rate N    ticks per second (1-1000, default 40)\n"
         "  --headless       run without a display, as fast as possible (needs --script)\n"
         "  --script FILE    drive the program from FILE (see the README)\n"
         "  --help           show this help and exit\n"
         "  --version        show the version and exit\n";
}

ArgsResult ParseShellArgs(const std::vector<std::string>& args, const std::string& program,
                          const std::string& usage, ShellConfig* config,
                          std::vector<std::string>* rest, std::string* error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](const char* what) -> const std::string* {
      if (i + 1 >= args.size()) {
        *error = a + " needs " + what;
        return nullptr;
      }
      return &args[++i];
    };
    if (a == "--help" || a == "-h") {
      std::printf("%s\n%s", usage.c_str(), ShellOptionsHelp());
      return ArgsResult::kExitOk;
    }
    if (a == "--version") {
      std::printf("%s %s\n", program.c_str(), QV_VERSION_STRING);
      return ArgsResult::kExitOk;
    }
    if (a == "--fullscreen") {
      config->fullscreen = true;
    } else if (a == "--headless") {
      config->headless = true;
    } else if (a == "--scale" || a == "--tick-rate") {
      const std::string* v = value("a number");
      if (v == nullptr) return ArgsResult::kError;
      bool scale = a == "--scale";
      if (!ToInt(*v, 1, scale ? 8 : 1000, scale ? &config->scale : &config->tickRate)) {
        *error = "bad value for " + a + ": " + *v;
        return ArgsResult::kError;
      }
    } else if (a == "--script") {
      const std::string* v = value("a file");
      if (v == nullptr) return ArgsResult::kError;
      config->script = *v;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      *error = "unknown option " + a;
      return ArgsResult::kError;
    } else {
      rest->push_back(a);
    }
  }
  if (config->headless && config->script.empty()) {
    *error = "--headless needs --script FILE";
    return ArgsResult::kError;
  }
  return ArgsResult::kRun;
}

}  // namespace qv
