// Coordinates computed by the shape routines in 32 bits and handed to the
// 16-bit routines: a sum beyond the 16-bit range stops at its edge instead
// of wrapping round to the other side of the plane.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace graph {

[[nodiscard]] inline std::int16_t ClampCoordinate(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(
      value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace graph
