#pragma once
#include <string>
#include <vector>

#include "platform/DesktopKeys.h"

namespace qv {

class ShellClient;
class InputRouter;

// One line of a headless script.
struct ScriptCommand {
  enum class Op { kTick, kKey, kPress, kMove, kRelease, kTap, kShot, kQuit };
  Op op = Op::kTick;
  int a = 0;  // ticks, or x
  int b = 0;  // y
  DesktopKey key = DesktopKey::kNone;
  bool down = false;
  std::string path;  // shot
  int line = 0;
};

// Parses a script: one command per line, '#' starts a comment. On a bad
// line returns false with the line number and reason in *error.
bool ParseScript(const std::string& text, std::vector<ScriptCommand>* commands, std::string* error);
bool LoadScript(const std::string& path, std::vector<ScriptCommand>* commands, std::string* error);

// Runs the commands against the client as fast as it can. Stops early when
// the client asks to quit or at `quit`. False (with *error) when a shot
// cannot be written.
bool RunScript(const std::vector<ScriptCommand>& commands, ShellClient& client, InputRouter& router,
               std::string* error);

}  // namespace qv
