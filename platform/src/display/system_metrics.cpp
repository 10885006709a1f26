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

int headless_metric(int index) {
  const ScreenMetrics& metrics = headless_screen_metrics();
  switch (index) {
    case SM_CXSCREEN: return metrics.screen_width;
    case SM_CYSCREEN: return metrics.screen_height;
    case SM_CYCAPTION: return metrics.caption_height;
    case SM_CXFULLSCREEN: return metrics.full_screen_width;
    case SM_CYFULLSCREEN: return metrics.full_screen_height;
    case SM_CXFRAME: return metrics.frame_width;
    case SM_CYFRAME: return metrics.frame_height;
    default: return 0;
  }
}

}  // namespace detail

int GetSystemMetrics(int index) {
  const detail::DisplayBackend* backend = detail::display_backend();
  return backend ? backend->metric(index) : detail::headless_metric(index);
}

}  // namespace win32
