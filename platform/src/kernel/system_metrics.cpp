// GetSystemMetrics: the seven metrics the graphics library reads, from the
// headless display.
#include "platform/system_metrics.h"

#include "kernel/screen_metrics.h"

namespace win32 {

int GetSystemMetrics(int index) {
  const detail::ScreenMetrics& metrics = detail::headless_screen_metrics();
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

}  // namespace win32
