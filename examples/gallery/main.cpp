// gallery: opens an 800 x 600 window with 256 colours and shows what the
// graphics library draws on two pages, one panel for each kind of thing;
// Enter on the console turns to the second page, and Enter again closes the
// window and ends the program with exit code 0.
//
// Without a desktop: GRAPH_DISPLAY=headless GRAPH_SNAPSHOT=gallery-%d.png
// gallery < /dev/null saves the two pages as gallery-0.png and gallery-1.png.
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

// Once the page is complete on screen, waits for Enter on the console.
void WaitForEnter() {
  WaitUntilShown();
  runtime::ReadLn(runtime::Input);
  runtime::IOCheck();
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
  gallery::DrawTitle("Page 1 of 2: Enter turns the page");
  gallery::DrawColours();
  gallery::DrawLineStyles();
  gallery::DrawShapes();
  gallery::DrawImages();
  gallery::DrawText();
  WaitForEnter();

  graph::ClearDevice();
  gallery::DrawTitle("Page 2 of 2: Enter ends the gallery");
  gallery::DrawOutlines();
  gallery::DrawFills();
  gallery::DrawWriteModes();
  gallery::DrawPalettes();
  gallery::DrawStrokedFonts();
  WaitForEnter();
  graph::CloseGraph();
}

}  // namespace

int main() { runtime::RunProgram(&ProgramBody); }
