#include "render/palette.h"

#include <algorithm>
#include <cmath>

namespace strandel {

QColor FromPlatformColour(std::uint32_t bgr) {
  return {static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
          static_cast<int>((bgr >> 16) & 0xFF)};
}

QColor Shaded(const QColor& colour, double factor) {
  auto component = [factor](int value) {
    return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255);
  };
  return {component(colour.red()), component(colour.green()), component(colour.blue()),
          colour.alpha()};
}

} // namespace strandel
