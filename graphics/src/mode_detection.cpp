// Detection of the best mode: the highest mode of the last colour-depth
// driver that has any.
#include "graphics/graph.h"

namespace graph {

void InternDetectGraph(std::int16_t& driver, std::int16_t& mode, bool calledFromInitGraph) {
  std::int16_t low = -1;
  std::int16_t high = -1;
  bool found = false;
  std::int16_t foundDriver = 0;
  std::int16_t foundMode = 0;

  if (calledFromInitGraph && driver >= FirstDepthDriver && driver <= LastDepthDriver) {
    GetModeRange(driver, low, high);
    if (high != -1) {
      found = true;
      foundDriver = driver;
      foundMode = high;
    }
  } else {
    driver = FirstDepthDriver;
    while (driver <= LastDepthDriver && high == -1) {
      GetModeRange(driver, low, high);
      ++driver;
    }
    --driver;
    if (high == -1) {
      GraphResult = grNotDetected;
      return;
    }
    for (std::int16_t d = driver; d <= LastDepthDriver; ++d) {
      GetModeRange(d, low, high);
      if (high != -1) {
        found = true;
        foundDriver = d;
        foundMode = high;
      }
    }
  }

  if (!found) {
    GraphResult = grNotDetected;
    return;
  }
  GraphResult = grOk;
  driver = foundDriver;
  mode = foundMode;
}

void DetectGraph(std::int16_t& driver, std::int16_t& mode) { InternDetectGraph(driver, mode, false); }

}  // namespace graph
