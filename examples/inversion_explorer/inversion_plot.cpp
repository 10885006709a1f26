#include "inversion_plot.h"

namespace explorer {

Inversion InversionOf(const ExplorerState& state) {
  return Inversion{
      .screenX = static_cast<long double>(state.centre.x),
      .screenY = static_cast<long double>(state.centre.y),
      .modelX = static_cast<long double>(state.centre.x - kHome.x),
      .modelY = static_cast<long double>(kHome.y - state.centre.y),
      .R = static_cast<long double>(state.radius),
  };
}

}  // namespace explorer
