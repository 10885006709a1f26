#include "windows/display/display_choice.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "display/event_player.h"

namespace win32::detail {

namespace {

struct Choice {
  Display display = Display::None;
  std::string why;  // for Display::None: the line that says so
};

Choice choose() {
  const char* wanted = std::getenv("GRAPH_DISPLAY");
  const std::string name = (wanted && *wanted) ? wanted : "windows";
  if (name != "windows" && name != "headless") {
    return {Display::None, "Graph display: GRAPH_DISPLAY=" + name +
                               " is not a display of this build; set GRAPH_DISPLAY=headless to draw off-screen "
                               "(GRAPH_SNAPSHOT=FILE.png keeps the picture)"};
  }
  load_event_script();  // a malformed script ends the process here, before anything is drawn
  return {name == "windows" ? Display::Desktop : Display::Headless, {}};
}

const Choice& choice() {
  static const Choice* const chosen = new Choice(choose());
  return *chosen;
}

}  // namespace

Display chosen_display() { return choice().display; }

const char* display_name(Display display) {
  switch (display) {
    case Display::Desktop: return "windows";
    case Display::Headless: return "headless";
    case Display::None: break;
  }
  return nullptr;
}

void report_missing_display() {
  static std::atomic<bool> reported{false};
  if (choice().display != Display::None || reported.exchange(true)) return;
  std::fprintf(stderr, "%s\n", choice().why.c_str());
}

}  // namespace win32::detail
