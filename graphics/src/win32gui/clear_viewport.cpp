// ClearViewportWin32GUI: the driver's clearing. Clearing the whole window
// is where one frame of an animation ends (ClearDevice between frames), so
// the driver says so to the display, which saves the finished picture when
// GRAPH_SNAPSHOT holds a frame pattern; then it clears as the library's own
// routine does, row by row through the HLine hook.
#include "platform/display.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

bool ViewportIsTheWholeWindow() {
  return StartXViewPort == 0 && StartYViewPort == 0 && ViewWidth == MaxX && ViewHeight == MaxY;
}

}  // namespace

void ClearViewportWin32GUI() {
  if (ViewportIsTheWholeWindow() && WindowRunning()) (void)win32::display::end_frame(MainWindow);
  ClearViewportDefault();
}

}  // namespace graph
