// The headless display: a virtual screen of GRAPH_SCREEN's size (1024 x 768
// by default). Windows keep their pictures in their framebuffers, where
// snapshots and tests read them; nothing is shown anywhere.
#include "display/backend.h"
#include "gdi/surface.h"
#include "kernel/screen_metrics.h"

namespace win32::detail {

namespace {

static_assert(kLargestScreenSide <= kMaxSurfaceSide, "a maximised window's client area must fit in a surface");

bool open_headless_window(Window&) { return true; }
void close_headless_window(Window&) {}

constexpr DisplayBackend kHeadless{
    "headless", headless_metric, open_headless_window, close_headless_window, nullptr, 0, nullptr, nullptr,
};

}  // namespace

const DisplayBackend* start_headless_backend() {
  headless_screen_metrics();  // a malformed GRAPH_SCREEN ends the process here, at the choice
  return &kHeadless;
}

}  // namespace win32::detail
