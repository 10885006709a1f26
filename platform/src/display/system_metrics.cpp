// GetSystemMetrics: the screen and window-frame sizes of the chosen display.
//
// When no display can start, the headless display's sizes stand in, so that
// the graphics library's modes are the same and the failure shows where a
// window is created.
#include "platform/system_metrics.h"

#include "display/backend.h"
#include "kernel/screen_metrics.h"

namespace win32 {

namespace detail {

int headless_metric(int index) { return metric_value(headless_screen_metrics(), index); }

}  // namespace detail

int GetSystemMetrics(int index) {
  const detail::DisplayBackend* backend = detail::display_backend();
  return backend ? backend->metric(index) : detail::headless_metric(index);
}

}  // namespace win32
