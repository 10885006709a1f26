#include "explorer_picture.h"

#include <span>
#include <string>

#include "curves.h"
#include "demo_frame.h"
#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "graphics/text.h"
#include "inversion_plot.h"

namespace explorer {

namespace {

constexpr std::uint16_t kCircleColor = graph::White;
constexpr std::uint16_t kChosenPointColor = graph::Yellow;
constexpr std::uint16_t kStatusColor = graph::LightGray;
constexpr int kMarkArm = 3;

std::string Point(ScreenPoint point) {
  return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

std::string CurveName(const ExplorerState& state) {
  switch (state.curve) {
    case Curve::Parabola:
      return "1: parabola y = x*x/100 + 10*I, I = " + std::to_string(state.parabolaIndex);
    case Curve::ParabolaFamily:
      return "2: parabolas y = x*x/100 + 10*I, I = 0 to " + std::to_string(kLastFamilyParabola);
    case Curve::Wave:
      return "3: sine wave y = 100*sin(x/20)";
    case Curve::Hyperbola:
      return "4: hyperbola y = 1000/x";
    case Curve::Line:
      return "5: line through " + Point(state.linePoints[0]) + " and " + Point(state.linePoints[1]);
    case Curve::Circle:
      return "6: circle through " + Point(state.circlePoints[0]) + ", " + Point(state.circlePoints[1]) +
             " and " + Point(state.circlePoints[2]);
  }
  return {};
}

// Sets the viewport to the window's rows `top` to `bottom`, full width.
void RowsOfTheWindow(const ExplorerState& state, int top, int bottom) {
  graph::SetViewPort(0, static_cast<std::int16_t>(top), static_cast<std::int16_t>(state.corner.x),
                     static_cast<std::int16_t>(bottom), true);
}

int StatusTop(const ExplorerState& state) { return state.corner.y + 1 - kStatusRows; }

// Clears the picture above the status line, which DrawStatusLine clears:
// a clearing of the whole window at once would end a frame of an
// animation for GRAPH_SNAPSHOT, and the explorer's pictures are saved by S
// and by scripted snapshots instead, not at every change.
void ClearPicture(const ExplorerState& state) {
  RowsOfTheWindow(state, 0, StatusTop(state) - 1);
  graph::ClearViewport();
  RowsOfTheWindow(state, 0, state.corner.y);
}

void MarkChosenPoints(const ExplorerState& state) {
  std::span<const ScreenPoint> points;
  if (state.curve == Curve::Line) points = state.linePoints;
  if (state.curve == Curve::Circle) points = state.circlePoints;
  for (const ScreenPoint& point : points) {
    for (int d = -kMarkArm; d <= kMarkArm; ++d) {
      graph::PutPixel(static_cast<std::int16_t>(point.x + d), static_cast<std::int16_t>(point.y), kChosenPointColor);
      graph::PutPixel(static_cast<std::int16_t>(point.x), static_cast<std::int16_t>(point.y + d), kChosenPointColor);
    }
  }
}

// The status line's rows are its own, in the library's own 8 x 8 text.
void DrawStatusLine(const ExplorerState& state) {
  RowsOfTheWindow(state, StatusTop(state), state.corner.y);
  graph::ClearViewport();
  graph::SetColor(kStatusColor);
  graph::OutTextXY(4, 2, graph::GraphString(StatusLine(state)));
  RowsOfTheWindow(state, 0, state.corner.y);
}

}  // namespace

std::string StatusLine(const ExplorerState& state) {
  std::string line = "centre " + Point(state.centre) + "  radius " + std::to_string(state.radius) + "  " +
                     CurveName(state);
  if (state.animating) line += "  (animating)";
  return line;
}

void DrawState(const ExplorerState& state) {
  graph::DrawToScreen = false;
  ClearPicture(state);
  graph::SetColor(kCircleColor);
  graph::Circle(static_cast<std::int16_t>(state.centre.x), static_cast<std::int16_t>(state.centre.y),
                static_cast<std::uint16_t>(state.radius));
  graph::PutPixel(static_cast<std::int16_t>(state.centre.x), static_cast<std::int16_t>(state.centre.y),
                  demos::kCentreColor);
  DrawCurve(state, InversionOf(state));
  MarkChosenPoints(state);
  DrawStatusLine(state);
  graph::DrawToScreen = true;
  graph::UpdateGraphWindow();
}

}  // namespace explorer
