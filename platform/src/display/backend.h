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
  // Shows what changed in the window's framebuffer and turns the display's
  // events into messages. Called on the window's thread while it waits for
  // messages: when the display has news for the window, and at most every
  // `present_interval_ms` while the program draws. Null for a display with
  // nothing to show (which needs none of the calls below).
  void (*present)(Window& window);
  unsigned present_interval_ms;
  // For the window's thread before it sleeps: sends what the display's
  // connection holds back and says whether news has already arrived, which
  // `present` should take at once.
  bool (*news_waiting)(Window& window);
  // The file descriptor that becomes readable when the display has news for
  // the window; -1 for none.
  int (*news_fd)(Window& window);
};

// The backend chosen from GRAPH_DISPLAY at the first call; null when none
// can start.
const DisplayBackend* display_backend();
// Says once on standard error why there is no display and how to choose the
// headless one; nothing when there is a display.
void report_missing_display();

// The headless display: a virtual screen that keeps each window's pixels in
// its framebuffer and shows them nowhere.
const DisplayBackend* start_headless_backend();
// The headless display's value for one GetSystemMetrics index.
int headless_metric(int index);

}  // namespace win32::detail
