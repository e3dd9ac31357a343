#include "platform/Script.h"

#include <fstream>
#include <sstream>

#include "gfx/PngWriter.h"
#include "platform/InputRouter.h"
#include "platform/ShellClient.h"

namespace qv {
namespace {

bool ParseInt(const std::string& word, int* out) {
  if (word.empty()) return false;
  std::size_t used = 0;
  try {
    long v = std::stol(word, &used);
    if (used != word.size() || v < -1000000 || v > 100000000) return false;
    *out = static_cast<int>(v);
  } catch (...) {
    return false;
  }
  return true;
}

bool ParseLine(const std::vector<std::string>& w, ScriptCommand* c, std::string* why) {
  using Op = ScriptCommand::Op;
  const std::string& op = w[0];
  auto point = [&](Op o) {
    c->op = o;
    if (w.size() != 3 || !ParseInt(w[1], &c->a) || !ParseInt(w[2], &c->b)) {
      *why = op + " needs X Y";
      return false;
    }
    return true;
  };
  if (op == "tick") {
    c->op = Op::kTick;
    if (w.size() != 2 || !ParseInt(w[1], &c->a) || c->a < 0) {
      *why = "tick needs a count";
      return false;
    }
    return true;
  }
  if (op == "key") {
    c->op = Op::kKey;
    if (w.size() != 3 || (w[2] != "down" && w[2] != "up")) {
      *why = "key needs NAME down|up";
      return false;
    }
    c->key = DesktopKeyFromName(w[1]);
    c->down = w[2] == "down";
    if (c->key == DesktopKey::kNone) {
      *why = "unknown key " + w[1];
      return false;
    }
    return true;
  }
  if (op == "press") return point(Op::kPress);
  if (op == "move") return point(Op::kMove);
  if (op == "release") return point(Op::kRelease);
  if (op == "tap") return point(Op::kTap);
  if (op == "shot") {
    c->op = Op::kShot;
    if (w.size() != 2) {
      *why = "shot needs a file name";
      return false;
    }
    c->path = w[1];
    return true;
  }
  if (op == "quit" && w.size() == 1) {
    c->op = Op::kQuit;
    return true;
  }
  *why = "unknown command " + op;
  return false;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptCommand>* commands,
                 std::string* error) {
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.resize(hash);
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty()) continue;
    ScriptCommand c;
    c.line = number;
    std::string why;
    if (!ParseLine(w, &c, &why)) {
      if (error) *error = "line " + std::to_string(number) + ": " + why;
      return false;
    }
    commands->push_back(c);
  }
  return true;
}

bool LoadScript(const std::string& path, std::vector<ScriptCommand>* commands, std::string* error) {
  std::ifstream in(path);
  if (!in) {
    if (error) *error = "cannot read " + path;
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  return ParseScript(text.str(), commands, error);
}

bool RunScript(const std::vector<ScriptCommand>& commands, ShellClient& client, InputRouter& router,
               std::string* error) {
  using Op = ScriptCommand::Op;
  for (const ScriptCommand& c : commands) {
    if (client.QuitRequested()) return true;
    switch (c.op) {
      case Op::kTick:
        for (int i = 0; i < c.a && !client.QuitRequested(); ++i) client.Tick();
        break;
      case Op::kKey:
        router.Key(c.key, c.down);
        break;
      case Op::kPress:
        router.Press(c.a, c.b);
        break;
      case Op::kMove:
        router.Move(c.a, c.b);
        break;
      case Op::kRelease:
        router.Release(c.a, c.b);
        break;
      case Op::kTap:
        router.Press(c.a, c.b);
        router.Release(c.a, c.b);
        break;
      case Op::kShot: {
        const Surface* back = client.BackBufferSurface();
        if (back == nullptr || !WritePng(*back, c.path.c_str())) {
          if (error) *error = "line " + std::to_string(c.line) + ": cannot write " + c.path;
          return false;
        }
        break;
      }
      case Op::kQuit:
        return true;
    }
  }
  return true;
}

}  // namespace qv
