#include "display/x11/x11_metrics.h"

#include <poll.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>

#include "display/x11/x11_connection.h"

namespace win32::detail {

namespace {

// No window manager draws frames wider than this; a larger value is junk.
constexpr long kLargestDecoration = 512;

bool plausible(long value) { return value >= 0 && value <= kLargestDecoration; }

// The window manager that follows the desktop conventions, if one runs: the
// root names its check window, and that window names itself.
bool window_manager_runs(Display* display, const X11Atoms& atoms) {
  long root_says = 0;
  if (read_cardinals(display, DefaultRootWindow(display), atoms.net_supporting_wm_check, XA_WINDOW, &root_says, 1) !=
      1) {
    return false;
  }
  long check_says = 0;
  const int read =
      read_cardinals(display, static_cast<XID>(root_says), atoms.net_supporting_wm_check, XA_WINDOW, &check_says, 1);
  (void)take_x11_error();  // a stale check window is reported as BadWindow
  return read == 1 && check_says == root_says;
}

std::optional<FrameExtents> frame_extents_of(Display* display, XID window, const X11Atoms& atoms) {
  long values[4] = {};
  if (read_cardinals(display, window, atoms.net_frame_extents, XA_CARDINAL, values, 4) != 4) return std::nullopt;
  if (!std::all_of(values, values + 4, plausible)) return std::nullopt;
  return FrameExtents{static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                      static_cast<int>(values[3])};
}

// Waits for a PropertyNotify of `property` on `window`, at most until
// `deadline`.
bool wait_for_property(Display* display, XID window, Atom property,
                       std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    XEvent event;
    while (XCheckTypedWindowEvent(display, window, PropertyNotify, &event)) {
      if (event.xproperty.atom == property) return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    if (poll(&connection, 1, static_cast<int>(left.count())) < 0) return false;
    (void)XEventsQueued(display, QueuedAfterReading);
  }
}

// The frame a window manager would give an ordinary window: a probe, never
// mapped, asks for its extents (_NET_REQUEST_FRAME_EXTENTS).
std::optional<FrameExtents> probe_frame(Display* display, const X11Atoms& atoms, int patience_ms) {
  if (!window_manager_runs(display, atoms)) return std::nullopt;
  const XID root = DefaultRootWindow(display);
  XSetWindowAttributes attributes{};
  attributes.event_mask = PropertyChangeMask;
  const XID probe = XCreateWindow(display, root, 0, 0, 64, 64, 0, CopyFromParent, InputOutput, CopyFromParent,
                                  CWEventMask, &attributes);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = probe;
  request.xclient.message_type = atoms.net_request_frame_extents;
  request.xclient.format = 32;
  (void)XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
  (void)XFlush(display);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(patience_ms);
  std::optional<FrameExtents> extents;
  if (wait_for_property(display, probe, atoms.net_frame_extents, deadline)) {
    extents = frame_extents_of(display, probe, atoms);
  }
  (void)XDestroyWindow(display, probe);
  (void)XSync(display, False);
  return extents;
}

std::optional<WorkArea> work_area_of(Display* display, const X11Atoms& atoms) {
  const XID root = DefaultRootWindow(display);
  long desktop = 0;
  if (read_cardinals(display, root, atoms.net_current_desktop, XA_CARDINAL, &desktop, 1) != 1) desktop = 0;
  // Four numbers (x, y, width, height) per desktop; a handful of desktops
  // is what desktops have.
  constexpr int kDesktops = 64;
  long areas[4 * kDesktops] = {};
  const int read = read_cardinals(display, root, atoms.net_workarea, XA_CARDINAL, areas, 4 * kDesktops);
  if (desktop < 0 || desktop >= read / 4) desktop = 0;
  if (read < 4) return std::nullopt;
  const long width = areas[4 * desktop + 2];
  const long height = areas[4 * desktop + 3];
  if (width <= 0 || height <= 0 || width > kLargestScreenSide || height > kLargestScreenSide) return std::nullopt;
  return WorkArea{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace

ScreenMetrics x11_metrics_from(ScreenSize screen, std::optional<FrameExtents> frame,
                               std::optional<WorkArea> work_area) {
  ScreenMetrics metrics = headless_metrics_for(screen);
  if (frame) {
    // Two frame widths across and two frame heights plus a caption down are
    // exactly the decoration, so that the largest framed window fits.
    metrics.frame_width = (frame->left + frame->right + 1) / 2;
    metrics.frame_height = std::min(frame->top, frame->bottom);
    metrics.caption_height = frame->top + frame->bottom - 2 * metrics.frame_height;
  }
  const WorkArea area = work_area.value_or(WorkArea{screen.width, screen.height});
  metrics.full_screen_width = std::clamp(area.width, 1, screen.width);
  metrics.full_screen_height = std::clamp(area.height - metrics.caption_height, 1, screen.height);
  return metrics;
}

ScreenMetrics read_x11_metrics(Display* display, int patience_ms) {
  const X11Atoms atoms = intern_x11_atoms(display);
  const int screen_number = DefaultScreen(display);
  const ScreenSize screen{std::clamp(DisplayWidth(display, screen_number), 1, kLargestScreenSide),
                          std::clamp(DisplayHeight(display, screen_number), 1, kLargestScreenSide)};
  return x11_metrics_from(screen, probe_frame(display, atoms, patience_ms), work_area_of(display, atoms));
}

}  // namespace win32::detail
