// The program hyperbola_trace: opens the graphics window, draws its picture, waits for
// Enter on the console, closes the window and ends with exit code 0.
#include "hyperbola_trace.h"
#include "console/console.h"
#include "demo_frame.h"
#include "graphics/graph.h"
#include "runtime/system.h"

namespace {

void ProgramBody() {
  runtime::InitializeUnits();
  demos::GRAFIKA();
  hyperbola_trace::DrawPicture();
  demos::WaitForEnterAndClose();
}

}  // namespace

int main() { runtime::RunProgram(&ProgramBody); }
