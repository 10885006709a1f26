// UpdateGraphWindow: the backing bitmap shown on the window at once.
#include "graphics/graph_window.h"
#include "win32gui/win32gui_state.h"

namespace graph {

void UpdateGraphWindow() {
  if (const auto drawing = DrawOnTheWindow()) {
    (void)win32::BitBlt(WinDC, 0, 0, MaxX + 1, MaxY + 1, BitmapDC, 0, 0, win32::SRCCOPY);
  }
}

}  // namespace graph
