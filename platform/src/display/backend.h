// Display backends as a small table, chosen once per process: each backend
// is one set of functions, and nothing outside this folder asks which one
// runs.
#pragma once

#include "user/user_objects.h"

namespace win32::detail {

struct DisplayBackend {
  const char* name;
  // GetSystemMetrics' value for one metric; 0 for one the display lacks.
  int (*metric)(int index);
  // Gives a new window its place on the display; false when it cannot.
  bool (*open_window)(Window& window);
  void (*close_window)(Window& window);
  // Shows what changed in the window's framebuffer. Called on the window's
  // thread while it waits for messages, every `present_interval_ms`; null
  // for a display with nothing to show.
  void (*present)(Window& window);
  unsigned present_interval_ms;
};

// The backend chosen from GRAPH_DISPLAY at the first call. Null when none
// can start; the reason has then been written to standard error once.
const DisplayBackend* display_backend();

// The headless display: a virtual screen that keeps each window's pixels in
// its framebuffer and shows them nowhere.
const DisplayBackend* start_headless_backend();

}  // namespace win32::detail
