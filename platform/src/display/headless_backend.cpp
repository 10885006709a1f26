// The headless display: a virtual screen of GRAPH_SCREEN's size (1024 x 768
// by default). Windows keep their pictures in their framebuffers, where
// snapshots and tests read them; nothing is shown anywhere.
#include "display/backend.h"
#include "kernel/screen_metrics.h"

namespace win32::detail {

namespace {

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

bool open_headless_window(Window&) { return true; }
void close_headless_window(Window&) {}

constexpr DisplayBackend kHeadless{
    "headless", headless_metric, open_headless_window, close_headless_window, nullptr, 0,
};

}  // namespace

const DisplayBackend* start_headless_backend() {
  headless_screen_metrics();  // a malformed GRAPH_SCREEN ends the process here, at the choice
  return &kHeadless;
}

}  // namespace win32::detail
