#pragma once
#include <cstdint>
#include <vector>

namespace qv {

constexpr int kWindowIconSize = 32;

// The window icon, drawn in code: a tennis ball, as ARGB8888 pixels.
std::vector<std::uint32_t> WindowIconPixels();

}  // namespace qv
