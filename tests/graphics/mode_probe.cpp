// Starts as a demonstration does and prints the driver and mode that
// DetectGraph chooses from the mode table built at start-up.
#include "graphics/graph.h"
#include "runtime/system.h"
#include "runtime/text_file.h"

namespace {

void ProbeBody() {
  runtime::InitializeUnits();
  std::int16_t driver = 0;
  std::int16_t mode = 0;
  graph::DetectGraph(driver, mode);
  runtime::WriteLn(runtime::StdOut, driver, " ", mode);
}

}  // namespace

int main() { runtime::RunProgram(&ProbeBody); }
