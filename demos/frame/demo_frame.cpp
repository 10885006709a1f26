// GRAFIKA, the circle of inversion and the closing of the demonstrations.
#include "demo_frame.h"

#include "graphics/graph.h"
#include "runtime/checks.h"
#include "runtime/text_file.h"

namespace demos {

void GRAFIKA() {
  std::int16_t GD = 0;
  std::int16_t GM = 0;
  graph::DetectGraph(GD, GM);
  graph::InitGraph(GD, GM, graph::GraphString());
}

void DrawInversionCircle(std::int32_t R) {
  const auto radius = static_cast<std::uint16_t>(runtime::RangeCheck(R, 0, 65535));
  graph::Circle(kOriginColumn, kOriginRow, radius);
}

void WaitForEnterAndClose() {
  runtime::ReadLn(runtime::Input);
  runtime::IOCheck();
  graph::CloseGraph();
}

}  // namespace demos
