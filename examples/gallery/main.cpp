// gallery: opens an 800 x 600 window with 256 colours, draws one panel of
// each thing the graphics library draws, waits for Enter on the console,
// closes the window and ends with exit code 0.
//
// Without a desktop: GRAPH_DISPLAY=headless GRAPH_SNAPSHOT=gallery.png
// gallery < /dev/null saves the picture as PNG.
#include "console/console.h"
#include "gallery.h"
#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "runtime/checks.h"
#include "runtime/errors.h"
#include "runtime/system.h"
#include "runtime/text_file.h"

namespace {

constexpr std::int16_t kDriver = 10;
constexpr std::int16_t kMode800x600x256 = 259;
constexpr int kCatchUpMilliseconds = 5000;

// Images reach the window through repaint requests that the window's thread
// serves in its own time; wait until it has served them all, so that the
// picture is complete on screen (and in a snapshot) before the program waits
// for Enter and possibly closes at once.
void WaitUntilShown() {
  win32::RECT pending{};
  for (int waited = 0; waited < kCatchUpMilliseconds; ++waited) {
    if (win32::GetUpdateRect(graph::MainWindow, &pending, win32::FALSE) == win32::FALSE) return;
    win32::Sleep(1);
  }
}

void ProgramBody() {
  runtime::InitializeUnits();
  std::int16_t driver = kDriver;
  std::int16_t mode = kMode800x600x256;
  graph::InitGraph(driver, mode, graph::GraphString());
  if (graph::GraphResult != graph::grOk) {
    runtime::WriteLn(runtime::StdErr, "gallery: the 800 x 600 x 256 window could not be opened");
    runtime::Halt(1);
  }
  gallery::DrawTitle();
  gallery::DrawColours();
  gallery::DrawLineStyles();
  gallery::DrawShapes();
  gallery::DrawImages();
  gallery::DrawText();
  WaitUntilShown();
  runtime::ReadLn(runtime::Input);
  runtime::IOCheck();
  graph::CloseGraph();
}

}  // namespace

int main() { runtime::RunProgram(&ProgramBody); }
