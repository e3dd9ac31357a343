#include "TickLimit.h"

#include <fstream>

namespace qv::level {

std::string TickLimitPath(const std::string& puzzlePath) {
  std::string base = puzzlePath;
  if (base.size() > 4 && base.compare(base.size() - 4, 4, ".pzl") == 0)
    base.resize(base.size() - 4);
  return base + ".ticks";
}

std::optional<int> ReadTickLimit(const std::string& puzzlePath) {
  std::ifstream in(TickLimitPath(puzzlePath));
  int ticks = 0;
  if (!(in >> ticks) || ticks < 1) return std::nullopt;
  return ticks;
}

}  // namespace qv::level
