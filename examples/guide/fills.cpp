// Filled shapes: the fill patterns, bars, a star filled by the even-odd
// rule, a filled ellipse, pie slices and a flood fill between two circles.
#include <string>

#include "graphics/graph.h"
#include "picture_window.h"

namespace {

void Label(int x, int y, const char* text) {
  graph::SetColor(graph::LightGray);
  graph::OutTextXY(x, y, text);
}

void Draw() {
  graph::SetFillPattern({0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, graph::White);
  for (int pattern = graph::EmptyFill; pattern <= graph::UserFill; ++pattern) {
    const int x = 16 + 47 * pattern;
    graph::SetFillStyle(pattern, graph::Yellow);
    graph::Bar(x, 16, x + 39, 71);
    graph::SetColor(graph::LightGray);
    graph::Rectangle(x, 16, x + 39, 71);
    graph::OutTextXY(x + 12, 78, graph::GraphString(std::to_string(pattern)));
  }

  graph::SetColor(graph::White);
  graph::SetFillStyle(graph::SolidFill, graph::Green);
  graph::Bar(20, 130, 80, 210);
  graph::SetFillStyle(graph::HatchFill, graph::LightBlue);
  graph::Bar3D(110, 150, 150, 210, 12, true);
  graph::SetFillStyle(graph::SolidFill, graph::Red);
  graph::Bar3D(110, 120, 150, 150, 12, true);
  Label(20, 230, "Bar, Bar3D");

  const graph::PointType star[] = {{250, 120}, {280, 210}, {205, 155}, {295, 155}, {220, 210}};
  graph::SetFillStyle(graph::SolidFill, graph::Yellow);
  graph::FillPoly(5, star);  // the middle is crossed twice: even-odd leaves it empty
  Label(220, 230, "FillPoly");

  graph::SetFillStyle(graph::WideDotFill, graph::LightCyan);
  graph::FillEllipse(400, 165, 70, 40);
  Label(352, 230, "FillEllipse");

  graph::SetFillStyle(graph::SolidFill, graph::LightRed);
  graph::PieSlice(560, 165, 0, 120, 50);
  graph::SetFillStyle(graph::SolidFill, graph::LightGreen);
  graph::PieSlice(560, 165, 120, 250, 50);
  graph::SetFillStyle(graph::SolidFill, graph::LightBlue);
  graph::Sector(570, 170, 250, 360, 60, 45);
  Label(508, 230, "PieSlice, Sector");

  graph::SetColor(graph::White);
  graph::Circle(250, 320, 50);
  graph::Circle(320, 320, 50);
  graph::SetFillStyle(graph::SolidFill, graph::Magenta);
  graph::FloodFill(285, 320, graph::White);  // the part the two circles share
  graph::SetFillStyle(graph::SlashFill, graph::Cyan);
  graph::FloodFill(225, 320, graph::White);
  Label(390, 316, "FloodFill up to White");
}

}  // namespace

int main() { guide::ShowPicture(640, 400, &Draw); }
