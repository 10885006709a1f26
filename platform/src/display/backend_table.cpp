// The choice of display: GRAPH_DISPLAY names a backend of the table; without
// it the desktop's X11 display is meant. The library never falls back to an
// invisible display by itself.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "display/backend.h"
#include "display/event_player.h"
#include "display/x11/x11_backend.h"

namespace win32::detail {

namespace {

struct BackendEntry {
  const char* name;
  const DisplayBackend* (*start)();  // null when the backend cannot start
};

constexpr BackendEntry kBackends[] = {
    {"headless", start_headless_backend},
    {"x11", start_x11_backend},
};

constexpr const char* kDefaultBackend = "x11";

// The choice, made once; when no backend starts, `why` holds the line
// that says so.
struct Choice {
  const DisplayBackend* backend = nullptr;
  std::string why;
};

Choice choose() {
  const char* wanted = std::getenv("GRAPH_DISPLAY");
  const std::string name = (wanted && *wanted) ? wanted : kDefaultBackend;
  const std::string remedy = "set GRAPH_DISPLAY=headless to draw off-screen (GRAPH_SNAPSHOT=FILE.png keeps the picture)";
  for (const BackendEntry& entry : kBackends) {
    if (name != entry.name) continue;
    if (const DisplayBackend* backend = entry.start()) {
      load_event_script();  // a malformed script ends the process here, before anything is drawn
      return Choice{backend, {}};
    }
    return Choice{nullptr, "Graph display: the " + name + " display could not start; " + remedy};
  }
  if (name == kDefaultBackend) return Choice{nullptr, "Graph display: this build has no X11 display; " + remedy};
  return Choice{nullptr, "Graph display: GRAPH_DISPLAY=" + name + " is not a display of this build; " + remedy};
}

const Choice& choice() {
  static const Choice* const chosen = new Choice(choose());
  return *chosen;
}

}  // namespace

const DisplayBackend* display_backend() { return choice().backend; }

void report_missing_display() {
  static std::atomic<bool> reported{false};
  if (choice().backend || reported.exchange(true)) return;
  std::fprintf(stderr, "%s\n", choice().why.c_str());
}

}  // namespace win32::detail
