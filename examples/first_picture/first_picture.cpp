// first_picture: a first program of one's own. It opens the graphics window,
// draws a circle with its centre, a diagonal and a caption, waits for Enter
// on the console, closes the window and ends with exit code 0.
#include "console/console.h"
#include "graphics/graph.h"
#include "graphics/text.h"
#include "runtime/runtime.h"

void Draw() {
  std::int16_t driver = graph::Detect, mode = 0;
  graph::InitGraph(driver, mode, "");  // detects the largest mode
  if (graph::GraphResult != graph::grOk) runtime::Halt(1);
  const auto cx = static_cast<std::int16_t>(graph::GetMaxX() / 2);
  const auto cy = static_cast<std::int16_t>(graph::GetMaxY() / 2);
  graph::CurrentColor = 14;                 // yellow
  graph::Circle(cx, cy, 150);
  graph::PutPixel(cx, cy, 15);              // the centre, white
  graph::CurrentColor = 9;                  // light blue
  graph::Line(0, 0, graph::GetMaxX(), graph::GetMaxY());
  graph::CurrentColor = 15;
  graph::SetTextJustify(graph::CenterText, graph::TopText);
  graph::OutTextXY(cx, static_cast<std::int16_t>(cy + 170), "My first picture: press Enter");
  runtime::ReadLn(runtime::Input);          // waits in the console window
  graph::CloseGraph();
}

int main() { runtime::RunProgram([] { runtime::InitializeUnits(); Draw(); }); }
