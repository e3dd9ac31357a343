#include <cstdio>
#include <regex>

#include "Commands.h"

namespace qv::level {

int LevelNumberOf(const std::string& path) {
  static const std::regex pattern(R"((^|[/\\])Level([0-9]{2})\.pzl$)");
  std::smatch m;
  if (!std::regex_search(path, m, pattern)) return 0;
  return std::stoi(m[2].str());
}

bool TakeOption(Args* args, const std::string& name, std::string* value) {
  for (std::size_t i = 0; i + 1 < args->size(); ++i) {
    if ((*args)[i] != name) continue;
    *value = (*args)[i + 1];
    args->erase(args->begin() + static_cast<long>(i), args->begin() + static_cast<long>(i) + 2);
    return true;
  }
  return false;
}

bool TakeFlag(Args* args, const std::string& name) {
  for (std::size_t i = 0; i < args->size(); ++i) {
    if ((*args)[i] != name) continue;
    args->erase(args->begin() + static_cast<long>(i));
    return true;
  }
  return false;
}

int Usage(const char* text) {
  std::fprintf(stderr, "usage: quirkvale-level %s\n", text);
  return 2;
}

}  // namespace qv::level
