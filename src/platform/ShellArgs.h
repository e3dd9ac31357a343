#pragma once
#include <string>
#include <vector>

namespace qv {

// How the shell runs: window or headless script, scale, pacing.
struct ShellConfig {
  int scale = 2;
  bool fullscreen = false;
  int tickRate = 40;
  bool headless = false;
  std::string script;
  std::string title = "Quirkvale Game";
  // Only the game itself keeps one instance per user.
  bool singleInstance = false;
};

enum class ArgsResult { kRun, kExitOk, kError };

// Parses the shell's options out of args (program name excluded): --scale N,
// --fullscreen, --tick-rate N, --headless, --script FILE, --help, --version.
// Other arguments are left in *rest in order. --help prints usage (the
// caller's text for its own arguments) and --version the version to stdout.
ArgsResult ParseShellArgs(const std::vector<std::string>& args, const std::string& program,
                          const std::string& usage, ShellConfig* config,
                          std::vector<std::string>* rest, std::string* error);

// The text --help prints for the shell's own options.
const char* ShellOptionsHelp();

}  // namespace qv
