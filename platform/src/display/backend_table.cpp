// The choice of display: GRAPH_DISPLAY names a backend of the table; without
// it the desktop's X11 display is meant. The library never falls back to an
// invisible display by itself.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "display/backend.h"

namespace win32::detail {

namespace {

struct BackendEntry {
  const char* name;
  const DisplayBackend* (*start)();  // null when the backend cannot start
};

// The X11 backend joins this table when it is built.
constexpr BackendEntry kBackends[] = {
    {"headless", start_headless_backend},
};

constexpr const char* kDefaultBackend = "x11";

const DisplayBackend* choose() {
  const char* wanted = std::getenv("GRAPH_DISPLAY");
  const char* name = (wanted && *wanted) ? wanted : kDefaultBackend;
  for (const BackendEntry& entry : kBackends) {
    if (std::strcmp(entry.name, name) != 0) continue;
    if (const DisplayBackend* backend = entry.start()) return backend;
    std::fprintf(stderr, "Graph display: the %s display could not start; set GRAPH_DISPLAY=headless to draw off-screen\n",
                 name);
    return nullptr;
  }
  if (std::strcmp(name, kDefaultBackend) == 0) {
    std::fprintf(stderr,
                 "Graph display: this build has no X11 display; set GRAPH_DISPLAY=headless to draw off-screen "
                 "(GRAPH_SNAPSHOT=FILE.png keeps the picture)\n");
  } else {
    std::fprintf(stderr, "Graph display: GRAPH_DISPLAY=%s is not a display of this build; set GRAPH_DISPLAY=headless "
                 "to draw off-screen\n", name);
  }
  return nullptr;
}

}  // namespace

const DisplayBackend* display_backend() {
  static const DisplayBackend* const chosen = choose();
  return chosen;
}

}  // namespace win32::detail
