// Outlines and the current position: rectangles, polylines, a path of
// LineRel and LineTo, a circle, ellipses and an arc with the ends that
// GetArcCoords reports.
#include "graphics/graph.h"
#include "picture_window.h"

namespace {

void Label(int x, int y, const char* text) {
  graph::SetColor(graph::LightGray);
  graph::OutTextXY(x, y, text);
}

void Draw() {
  graph::SetColor(graph::Yellow);
  graph::Rectangle(20, 30, 120, 130);
  graph::SetLineStyle(graph::DashedLn, 0, graph::ThickWidth);
  graph::Rectangle(40, 50, 100, 110);
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  Label(34, 150, "Rectangle");

  const graph::PointType zigzag[] = {{160, 130}, {180, 30}, {200, 130}, {220, 30}, {240, 130}};
  graph::SetColor(graph::LightGreen);
  graph::DrawPoly(5, zigzag);
  const graph::PointType triangle[] = {{270, 130}, {320, 30}, {370, 130}, {270, 130}};
  graph::SetColor(graph::LightCyan);
  graph::DrawPoly(4, triangle);  // the last point repeats the first: closed
  Label(236, 150, "DrawPoly");

  graph::SetColor(graph::LightMagenta);
  graph::MoveTo(420, 130);
  for (int step = 0; step < 5; ++step) {
    graph::LineRel(0, -20);
    graph::LineRel(20, 0);
  }
  graph::LineTo(420, 130);  // back to the start
  Label(420, 150, "LineRel, LineTo");

  graph::SetColor(graph::White);
  graph::Circle(80, 270, 60);
  Label(56, 350, "Circle");
  graph::Ellipse(230, 270, 0, 360, 70, 35);
  graph::SetColor(graph::LightBlue);
  graph::Ellipse(230, 270, 180, 360, 50, 20);
  Label(198, 350, "Ellipse");

  graph::SetColor(graph::LightRed);
  graph::Arc(400, 270, 30, 300, 60);
  graph::ArcCoordsType ends;
  graph::GetArcCoords(ends);  // the centre and the arc's two ends
  graph::SetColor(graph::DarkGray);
  graph::Line(ends.X, ends.Y, ends.XStart, ends.YStart);
  graph::Line(ends.X, ends.Y, ends.XEnd, ends.YEnd);
  Label(332, 350, "Arc, GetArcCoords");
}

}  // namespace

int main() { guide::ShowPicture(640, 400, &Draw); }
