#include "platform/WindowIcon.h"

#include <cmath>

namespace qv {

std::vector<std::uint32_t> WindowIconPixels() {
  std::vector<std::uint32_t> px(kWindowIconSize * kWindowIconSize, 0);
  const double c = (kWindowIconSize - 1) / 2.0;
  const double radius = kWindowIconSize / 2.0 - 1.0;
  for (int y = 0; y < kWindowIconSize; ++y) {
    for (int x = 0; x < kWindowIconSize; ++x) {
      double dx = x - c, dy = y - c;
      double d = std::sqrt(dx * dx + dy * dy);
      if (d > radius + 0.5) continue;
      double edge = radius + 0.5 - d;
      auto alpha = static_cast<std::uint32_t>(255.0 * (edge >= 1.0 ? 1.0 : edge));
      // Light from the top left, a dark rim, and the ball's white seam.
      double light = 1.0 - 0.35 * ((dx + dy) / (2 * radius) + 0.5);
      std::uint32_t r = static_cast<std::uint32_t>(200 * light),
                    g = static_cast<std::uint32_t>(235 * light),
                    b = static_cast<std::uint32_t>(40 * light);
      double seam =
          std::fabs(std::sqrt((dx + radius * 1.1) * (dx + radius * 1.1) + dy * dy) - radius * 1.05);
      if (seam < 1.2) r = g = b = 250;
      if (d > radius - 1.5) r = g = b = 40;
      px[y * kWindowIconSize + x] = (alpha << 24) | (r << 16) | (g << 8) | b;
    }
  }
  return px;
}

}  // namespace qv
