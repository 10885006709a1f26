#include "picture_window.h"

#include "console/console.h"
#include "graphics/graph.h"
#include "runtime/runtime.h"

namespace guide {

namespace {

std::int32_t Width = 0;
std::int32_t Height = 0;
void (*Draw)() = nullptr;

void ProgramBody() {
  runtime::InitializeUnits();
  std::int16_t driver = graph::Detect, mode = 0;
  graph::Res2Mode(Width, Height, 256, driver, mode);  // the driver and mode of that size
  graph::InitGraph(driver, mode, "");
  if (graph::GraphResult != graph::grOk) {
    runtime::WriteLn(runtime::StdErr, graph::GraphErrorMsg(graph::GraphResult));
    runtime::Halt(1);
  }
  Draw();
  runtime::ReadLn(runtime::Input);
  graph::CloseGraph();
}

}  // namespace

void ShowPicture(std::int32_t width, std::int32_t height, void (*draw)()) {
  Width = width;
  Height = height;
  Draw = draw;
  runtime::RunProgram(&ProgramBody);
}

}  // namespace guide
