// A small program for the subprocess tests of the graphics core: it starts
// as a demonstration does (runtime start-up, library initialisation) and then
// does the one thing its argument names. Its driver is the recording driver,
// so it never opens a window.
#include <cstdio>
#include <string_view>

#include "graphics/graph.h"
#include "recording_driver.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace {

std::string_view scenario;

// The recording mode is the registry's only one, listed at start-up.
void EnterRecordingMode() {
  std::int16_t driver = graph::testing::kRecordingDriver;
  std::int16_t mode = graph::testing::kRecordingMode;
  graph::testing::ResetRecorder(64, 48);
  graph::InitGraph(driver, mode, "");
}

void ProgramBody() {
  runtime::InitializeUnits();
  if (scenario == "draw-before-initgraph") {
    graph::PutPixel(1, 1, 15);
  } else if (scenario == "draw-after-invalid-mode") {
    std::int16_t driver = 15;
    std::int16_t mode = 99;
    graph::InitGraph(driver, mode, "");
    runtime::WriteLn(runtime::StdOut, "GraphResult ", graph::GraphResult);
    graph::SetActivePage(3);
    graph::PutPixel(0, 0, 1);
  } else if (scenario == "runerror-in-graphics-mode") {
    EnterRecordingMode();
    runtime::RunError(runtime::RunErrorCode::RangeCheckError);
  } else if (scenario == "closegraph-then-end") {
    EnterRecordingMode();
    graph::CloseGraph();
  } else if (scenario == "halt-in-graphics-mode") {
    EnterRecordingMode();
    runtime::Halt(3);
  } else {
    runtime::WriteLn(runtime::StdErr, "graph_probe: unknown scenario");
    runtime::Halt(2);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: graph_probe SCENARIO\n", stderr);
    return 2;
  }
  scenario = argv[1];
  runtime::RunProgram(&ProgramBody);
}
