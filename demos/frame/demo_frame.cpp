// GRAFIKA, the coordinate mapping and the closing of the demonstrations.
#include "demo_frame.h"

#include "graphics/graph.h"
#include "runtime/checks.h"
#include "runtime/text_file.h"

namespace demos {

namespace {

constexpr long double kOriginColumn = 512;
constexpr long double kOriginRow = 384;

std::int16_t CheckedCoordinate(std::int32_t value) {
  return static_cast<std::int16_t>(runtime::RangeCheck(value, -32768, 32767));
}

}  // namespace

void GRAFIKA() {
  std::int16_t GD = 0;
  std::int16_t GM = 0;
  graph::DetectGraph(GD, GM);
  graph::InitGraph(GD, GM, graph::GraphString());
}

std::int32_t XKOORD(long double XX) { return runtime::Round(kOriginColumn + XX); }

std::int32_t YKOORD(long double YY) { return runtime::Round(-YY + kOriginRow); }

void PlotModelPoint(long double x, long double y, std::uint16_t color) {
  const std::int16_t row = CheckedCoordinate(YKOORD(y));
  const std::int16_t column = CheckedCoordinate(XKOORD(x));
  graph::PutPixel(column, row, color);
}

void DrawInversionCircle(std::int32_t R) {
  const auto radius = static_cast<std::uint16_t>(runtime::RangeCheck(R, 0, 65535));
  graph::Circle(static_cast<std::int16_t>(kOriginColumn), static_cast<std::int16_t>(kOriginRow),
                radius);
}

void WaitForEnterAndClose() {
  runtime::ReadLn(runtime::Input);
  runtime::IOCheck();
  graph::CloseGraph();
}

}  // namespace demos
