// The X11 display backend. Each window has a connection of its own that only
// the window's thread uses; the screen metrics come from the first
// connection, made when the display is chosen.
#include "display/x11/x11_backend.h"

#include "display/x11/x11_metrics.h"
#include "display/x11/x11_window.h"

namespace win32::detail {

namespace {

// How long a window manager may take to tell a probe window's frame.
constexpr int kFrameProbePatienceMs = 250;
// Presenting at about the display's rate while the window thread waits.
constexpr unsigned kPresentIntervalMs = 16;

// The X11 display's process-wide state: the metrics read when it started,
// and the connection they were read on. That connection stays open, unused,
// for the life of the process: an X server that resets when its last client
// leaves (a bare Xvfb or X server) would otherwise refuse connections for a
// moment after it closed, or after a window's connection closed, just when
// the next window connects.
struct X11Display {
  ScreenMetrics metrics{};
  Display* anchor = nullptr;
};
X11Display x11_display;

int x11_metric(int index) { return metric_value(x11_display.metrics, index); }

bool open_x11_window(Window& window) {
  std::unique_ptr<X11Window> native = X11Window::open(window);
  if (!native) return false;
  // The window's thread sleeps until a message, an X event or drawing.
  window.framebuffer->dirty()->wake(window.queue->wake.wakeup());
  window.native = native.release();
  return true;
}

void close_x11_window(Window& window) {
  delete static_cast<X11Window*>(window.native);
  window.native = nullptr;
}

void present_x11_window(Window& window) {
  if (window.native) static_cast<X11Window*>(window.native)->present(window);
}

bool x11_news_waiting(Window& window) {
  return window.native && static_cast<X11Window*>(window.native)->news_waiting();
}

int x11_news_fd(Window& window) { return window.native ? static_cast<X11Window*>(window.native)->news_fd() : -1; }

constexpr DisplayBackend kX11{
    "x11", x11_metric, open_x11_window, close_x11_window, present_x11_window, kPresentIntervalMs,
    x11_news_waiting, x11_news_fd,
};

}  // namespace

const DisplayBackend* start_x11_backend() {
  Display* display = open_x11_connection();
  if (!display) return nullptr;
  x11_display.metrics = read_x11_metrics(display, kFrameProbePatienceMs);
  x11_display.anchor = display;
  return &kX11;
}

}  // namespace win32::detail
