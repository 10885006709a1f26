// GetSystemMetrics: Windows' own on the desktop; the virtual screen's on
// the headless display, and when no display is chosen, so that the graphics
// library's modes are the same as on the headless display and the failure
// shows where a window is created.
#include "kernel/screen_metrics.h"
#include "windows/display/display_choice.h"
#include "windows/native.h"

namespace win32 {

int GetSystemMetrics(int index) {
  if (detail::chosen_display() == detail::Display::Desktop) return ::GetSystemMetrics(index);
  return detail::metric_value(detail::headless_screen_metrics(), index);
}

}  // namespace win32
