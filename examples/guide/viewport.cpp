// Viewport and clipping: the same figure drawn in two viewports, each with
// its own (0, 0); the left one clips, the right one lets the figure out.
#include "graphics/graph.h"
#include "picture_window.h"

namespace {

// The figure, in the coordinates of the current viewport.
void Figure() {
  graph::SetFillStyle(graph::SolidFill, graph::Blue);
  graph::Bar(0, 0, 199, 179);  // fills always stay inside the viewport
  graph::SetColor(graph::Yellow);
  graph::Circle(0, 0, 70);
  graph::SetColor(graph::LightGreen);
  graph::Line(-40, 140, 240, 140);
  graph::SetColor(graph::White);
  graph::OutTextXY(54, 40, "(0, 0) is here");
  graph::Line(46, 44, 4, 4);
}

void Draw() {
  graph::SetViewPort(60, 100, 259, 279, true);
  Figure();
  graph::SetViewPort(380, 100, 579, 279, false);
  Figure();
  graph::SetViewPort(0, 0, graph::GetMaxX(), graph::GetMaxY(), true);  // the whole screen again
  graph::SetColor(graph::White);
  graph::OutTextXY(60, 300, "clip = true");
  graph::OutTextXY(380, 300, "clip = false");
}

}  // namespace

int main() { guide::ShowPicture(640, 400, &Draw); }
