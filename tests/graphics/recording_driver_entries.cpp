// The driver's two routines for test programs of the graphics core, which
// link no window driver. The registry gets the recording mode (64 x 48, 16
// colours); CloseGraph leaves graphics mode and says so on standard output,
// where the subprocess tests see it beside the run-time error report.
#include "recording_driver_entries.h"

#include "graphics/graph.h"
#include "platform/kernel.h"
#include "recording_driver.h"

namespace graph {

int testing::CloseGraphCalls = 0;

TModeInfo* QueryAdapterInfo() {
  TModeInfo* const listOnEntry = ModeList;
  SaveVideoState = &SaveState;
  RestoreVideoState = &RestoreState;
  if (ModeList == nullptr) AddMode(testing::RecordingMode(64, 48));
  return listOnEntry;
}

void CloseGraph() {
  if (!IsGraphMode) {
    GraphResult = grNoInitGraph;
    return;
  }
  IsGraphMode = false;
  ++testing::CloseGraphCalls;
  // Through the platform, which writes the bytes as they are on every system.
  static constexpr char kLine[] = "CloseGraph\n";
  win32::DWORD written = 0;
  (void)win32::WriteFile(win32::GetStdHandle(win32::STD_OUTPUT_HANDLE), kLine, sizeof kLine - 1, &written, nullptr);
}

}  // namespace graph
