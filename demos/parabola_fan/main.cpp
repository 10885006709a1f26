// The program parabola_fan: opens the graphics window, draws its picture, waits for
// Enter on the console, closes the window and ends with exit code 0.
#include "parabola_fan.h"
#include "console/console.h"
#include "demo_frame.h"
#include "graphics/graph.h"
#include "runtime/system.h"

namespace {

void ProgramBody() {
  runtime::InitializeUnits();
  demos::GRAFIKA();
  parabola_fan::DrawPicture();
  demos::WaitForEnterAndClose();
}

}  // namespace

int main() { runtime::RunProgram(&ProgramBody); }
