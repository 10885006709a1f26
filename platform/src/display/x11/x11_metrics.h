// The screen metrics of an X display: the screen's size, the window
// manager's frame and caption as it reports them for a probe window, and the
// client area of a maximised window from the work area it publishes. What
// the window manager does not tell, the headless display's values stand in
// for.
#pragma once

#include <optional>

#include "kernel/screen_metrics.h"

#include <X11/Xlib.h>

namespace win32::detail {

// The decoration a window manager puts around a window, in pixels.
struct FrameExtents {
  int left;
  int right;
  int top;
  int bottom;
};

// The part of the screen that maximised windows may cover.
struct WorkArea {
  int width;
  int height;
};

// The seven metrics from what the display tells: the frame and caption from
// `frame` (the headless sizes without it), the full-screen client area from
// `work_area` (the whole screen without it) less one caption height.
[[nodiscard]] ScreenMetrics x11_metrics_from(ScreenSize screen, std::optional<FrameExtents> frame,
                                             std::optional<WorkArea> work_area);

// Asks the display: the screen, _NET_WORKAREA of the current desktop, and
// _NET_FRAME_EXTENTS that a running window manager gives a probe window
// (waiting for its answer at most `patience_ms`).
[[nodiscard]] ScreenMetrics read_x11_metrics(Display* display, int patience_ms);

}  // namespace win32::detail
