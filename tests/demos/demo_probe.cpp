// A program built like the demonstrations, for the cases that end a
// process: faults in the frame and a window closed by the user while the
// picture is drawn. The case is the first argument:
//   fan-origin        parabola_fan's INVERZIO at the model origin (207)
//   hyperbola-origin  hyperbola_trace's INVERZIO at the origin (207)
//   wave-origin       wave_trace's INVERZIO at the origin (rejected), closing
//   column-range      a sample at column 32768 (201)
//   radius-range      a circle of inversion of radius 65536 (201)
//   close-while-drawing  the window closed as its close box would, then
//                     parabola_fan's picture and the closing
// An exit procedure installed before the libraries' runs after the graphics
// library's and says whether the window still existed by then.
#include <cstring>

#include "console/console.h"
#include "demo_frame.h"
#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "parabola_fan.h"
#include "platform/display.h"
#include "runtime/runtime.h"

namespace {

const char* probeCase = "";
win32::HWND probeWindow = nullptr;

void ReportWindowAtExit() {
  win32::display::ClientPicture picture;
  const bool open = probeWindow != nullptr && win32::display::read_client_area(probeWindow, &picture);
  runtime::WriteLn(runtime::StdOut, open ? "exit procedure: window open" : "exit procedure: window closed");
}

void ProbeBody() {
  runtime::ExitProc = &ReportWindowAtExit;
  runtime::InitializeUnits();
  demos::GRAFIKA();
  probeWindow = graph::MainWindow;

  if (std::strcmp(probeCase, "fan-origin") == 0) {
    demos::PlotInverse(0, 0, 200, demos::InversionGuard::ImageWithin10000);
  } else if (std::strcmp(probeCase, "hyperbola-origin") == 0) {
    demos::PlotInverse(0, 0, 100, demos::InversionGuard::ScaledPointWithin60000);
  } else if (std::strcmp(probeCase, "wave-origin") == 0) {
    demos::PlotInverse(0, 0, 300, demos::InversionGuard::AwayFromCentreImageWithin60000);
  } else if (std::strcmp(probeCase, "column-range") == 0) {
    demos::PlotModelPoint(32256, 0, demos::kSampleColor);
  } else if (std::strcmp(probeCase, "radius-range") == 0) {
    demos::DrawInversionCircle(65536);
  } else if (std::strcmp(probeCase, "close-while-drawing") == 0) {
    if (!win32::display::close_window_as_user(probeWindow)) runtime::RunError(217);
    parabola_fan::DrawPicture();
  } else {
    runtime::WriteLn(runtime::StdErr, "unknown case");
    runtime::Halt(2);
  }
  demos::WaitForEnterAndClose();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) probeCase = argv[1];
  runtime::RunProgram(&ProbeBody);
}
