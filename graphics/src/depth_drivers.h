// The colour-depth drivers 11 .. 21, which number their modes by size.
#pragma once

#include <cstdint>

#include "graphics/graph.h"

namespace graph {

[[nodiscard]] inline bool IsDepthDriver(std::int16_t driver) {
  return driver >= FirstDepthDriver && driver <= LastDepthDriver;
}

}  // namespace graph
