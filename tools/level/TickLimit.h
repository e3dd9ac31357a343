#pragma once
#include <optional>
#include <string>

namespace qv::level {

// The tick limit kept beside a compiled puzzle: "X.pzl" has it in "X.ticks".
std::string TickLimitPath(const std::string& puzzlePath);
std::optional<int> ReadTickLimit(const std::string& puzzlePath);

}  // namespace qv::level
