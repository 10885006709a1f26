// first_picture: opens the graphics window, draws a circle around a white
// centre with a caption, waits for Enter on the console, closes the window.
#include "console/console.h"
#include "graphics/graph.h"
#include "runtime/runtime.h"

void FirstPicture() {
  runtime::InitializeUnits();                // starts the console and graphics libraries
  std::int16_t driver = graph::Detect, mode = 0;
  graph::InitGraph(driver, mode, "");        // the largest window the screen allows
  if (graph::GraphResult != graph::grOk) runtime::Halt(1);
  const std::int16_t x = graph::GetMaxX() / 2, y = graph::GetMaxY() / 2;
  graph::SetColor(graph::Yellow);
  graph::Circle(x, y, 150);
  graph::PutPixel(x, y, graph::White);
  graph::OutTextXY(x - 116, y + 170, "My first picture: press Enter");
  runtime::ReadLn(runtime::Input);           // waits for Enter in the console
  graph::CloseGraph();
}

int main() { runtime::RunProgram(&FirstPicture); }
