// The second page's shapes: outlines and the current position, then the
// filled shapes, each in one cell of its row with its routine's name below.
#include <array>
#include <string>

#include "gallery.h"

namespace gallery {

namespace {

constexpr std::int16_t kOutlineLabelRow = 146;
constexpr std::int16_t kFillLabelRow = 278;

void Caption(std::int16_t x, std::int16_t y, const char* name) { Label(x, y, name, graph::LightGray, graph::CenterText); }

// A square spiral from (x, y), each side 8 pixels longer than the last.
void Spiral(std::int16_t x, std::int16_t y) {
  constexpr std::array<std::array<int, 2>, 4> kTurns = {{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  graph::MoveTo(x, y);
  for (int side = 1; side <= 9; ++side) {
    const auto& turn = kTurns[static_cast<std::size_t>(side % 4)];
    graph::LineRel(static_cast<std::int16_t>(8 * side * turn[0]), static_cast<std::int16_t>(8 * side * turn[1]));
  }
}

// The end points of the last arc joined to its centre.
void JoinArcEnds() {
  graph::ArcCoordsType ends{};
  graph::GetArcCoords(ends);
  graph::Line(ends.X, ends.Y, ends.XStart, ends.YStart);
  graph::Line(ends.X, ends.Y, ends.XEnd, ends.YEnd);
}

}  // namespace

void DrawOutlines() {
  Label(8, 34, "Outlines and the current position", graph::Yellow);

  graph::SetColor(graph::LightCyan);
  graph::Rectangle(16, 52, 88, 132);
  graph::SetLineStyle(graph::DashedLn, 0, graph::ThickWidth);
  graph::Rectangle(32, 68, 72, 116);
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  Caption(52, kOutlineLabelRow, "Rectangle");

  constexpr graph::PointType kStar[] = {{150, 52}, {174, 124}, {112, 80}, {188, 80}, {126, 124}, {150, 52}};
  graph::SetColor(graph::Yellow);
  graph::DrawPoly(6, kStar);
  Caption(150, kOutlineLabelRow, "DrawPoly");

  graph::SetColor(graph::LightGreen);
  Spiral(250, 92);
  Caption(250, kOutlineLabelRow, "LineRel");

  graph::SetColor(graph::LightRed);
  graph::Arc(352, 96, 20, 160, 40);
  graph::SetColor(graph::DarkGray);
  JoinArcEnds();
  graph::SetColor(graph::LightMagenta);
  graph::Arc(352, 96, 200, 340, 30);
  Caption(352, kOutlineLabelRow, "Arc");

  graph::SetColor(graph::White);
  graph::Ellipse(462, 92, 0, 360, 52, 30);
  graph::SetColor(graph::LightBlue);
  graph::Ellipse(462, 92, 180, 360, 36, 18);
  Caption(462, kOutlineLabelRow, "Ellipse");

  graph::SetAspectRatio(10000, 20000);  // y radii halved
  graph::SetColor(graph::LightGreen);
  graph::Circle(572, 92, 40);
  graph::SetAspectRatio(10000, 10000);
  graph::Circle(572, 92, 20);
  Caption(572, kOutlineLabelRow, "SetAspectRatio");

  graph::SetColor(graph::LightCyan);
  graph::MoveTo(650, 124);
  graph::LineRel(30, -60);
  graph::LineRel(30, 30);
  graph::SetColor(graph::White);
  graph::OutText(graph::GraphString("(" + std::to_string(graph::GetX()) + ", " + std::to_string(graph::GetY()) + ")"));
  Caption(728, kOutlineLabelRow, "GetX, GetY");
}

void DrawFills() {
  Label(8, 164, "Filled shapes", graph::Yellow);

  constexpr std::int16_t kHeights[] = {40, 70, 55, 85};
  for (int i = 0; i < 4; ++i) {
    const auto left = static_cast<std::int16_t>(16 + 20 * i);
    graph::SetFillStyle(graph::SolidFill, static_cast<std::uint16_t>(graph::LightBlue + i));
    graph::Bar(left, static_cast<std::int16_t>(268 - kHeights[i]), static_cast<std::int16_t>(left + 15), 268);
  }
  Caption(52, kFillLabelRow, "Bar");

  graph::SetColor(graph::White);
  graph::SetFillStyle(graph::HatchFill, graph::LightRed);
  graph::Bar3D(118, 218, 148, 268, 10, false);
  graph::SetFillStyle(graph::SolidFill, graph::Green);
  graph::Bar3D(118, 190, 148, 218, 10, true);
  graph::SetFillStyle(graph::CloseDotFill, graph::Yellow);
  graph::Bar3D(166, 230, 196, 268, 10, true);
  Caption(160, kFillLabelRow, "Bar3D");

  constexpr graph::PointType kArrow[] = {{214, 222}, {244, 188}, {274, 222}, {256, 222}, {256, 268}, {232, 268}, {232, 222}};
  graph::SetFillStyle(graph::SolidFill, graph::Cyan);
  graph::FillPoly(7, kArrow);
  constexpr graph::PointType kStar[] = {{326, 182}, {350, 266}, {286, 212}, {366, 212}, {302, 266}};
  graph::SetFillStyle(graph::LtSlashFill, graph::LightMagenta);
  graph::FillPoly(5, kStar);  // even-odd: the middle stays empty
  Caption(290, kFillLabelRow, "FillPoly");

  graph::SetFillStyle(graph::InterleaveFill, graph::LightGreen);
  graph::FillEllipse(428, 228, 40, 30);
  Caption(428, kFillLabelRow, "FillEllipse");

  constexpr std::uint16_t kAngles[] = {0, 70, 160, 250, 360};
  for (int i = 0; i < 4; ++i) {
    graph::SetFillStyle(graph::SolidFill, static_cast<std::uint16_t>(graph::Red + i));
    graph::PieSlice(526, 228, kAngles[i], kAngles[i + 1], 40);
  }
  Caption(526, kFillLabelRow, "PieSlice");

  graph::SetFillStyle(graph::XHatchFill, graph::Yellow);
  graph::Sector(616, 228, 30, 300, 44, 28);
  Caption(620, kFillLabelRow, "Sector");

  graph::Rectangle(700, 186, 784, 266);
  graph::Circle(742, 226, 22);
  graph::SetFillStyle(graph::SlashFill, graph::LightCyan);
  graph::FloodFill(704, 190, graph::White);  // the ring between them
  Caption(742, kFillLabelRow, "FloodFill");
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());
}

}  // namespace gallery
