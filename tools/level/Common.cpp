#include <cstdio>

#include "Commands.h"

namespace qv::level {

bool MatchesNumberedName(const std::string& name, const std::string& prefix, int* number) {
  const std::size_t n = prefix.size();
  if (name.size() != n + 6 || name.compare(0, n, prefix) != 0 ||
      name.compare(n + 2, 4, ".pzl") != 0) {
    return false;
  }
  const char a = name[n];
  const char b = name[n + 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return false;
  *number = (a - '0') * 10 + (b - '0');
  return true;
}

int LevelNumberOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  int number = 0;
  return MatchesNumberedName(name, "Level", &number) ? number : 0;
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
