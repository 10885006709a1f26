#include "display/x11/x11_connection.h"

#include <sys/socket.h>

#include <X11/Xatom.h>

#include <array>
#include <cstdio>
#include <cstring>

namespace win32::detail {

namespace {

thread_local int last_x11_error = Success;

// Errors of requests that may fail by design (a shared-memory segment the
// server cannot attach, a window the window manager has just destroyed)
// are kept for the thread that made the request.
int keep_x11_error(Display*, XErrorEvent* error) {
  last_x11_error = error->error_code;
  return 0;
}

// A connection that breaks (the server ends, the network goes away) is one
// line on standard error; Xlib then calls the connection's exit handler
// instead of ending the process, and the connection does nothing more.
int report_lost_connection(Display* display) {
  std::fprintf(stderr, "Graph display: the connection to the X server %s was lost\n", DisplayString(display));
  return 0;
}

void ignore_lost_connection(Display*, void*) {}

}  // namespace

void prepare_xlib() {
  static const bool prepared = [] {
    (void)XInitThreads();
    (void)XSetErrorHandler(keep_x11_error);
    (void)XSetIOErrorHandler(report_lost_connection);
    return true;
  }();
  (void)prepared;
}

Display* open_x11_connection() {
  prepare_xlib();
  Display* display = XOpenDisplay(nullptr);
  if (display) XSetIOErrorExitHandler(display, ignore_lost_connection, nullptr);
  return display;
}

int take_x11_error() {
  const int error = last_x11_error;
  last_x11_error = Success;
  return error;
}

bool x11_server_is_local(Display* display) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (getsockname(ConnectionNumber(display), reinterpret_cast<sockaddr*>(&address), &length) != 0) return false;
  return address.ss_family == AF_UNIX;
}

X11Atoms intern_x11_atoms(Display* display) {
  std::array<const char*, 14> names{
      "WM_PROTOCOLS",         "WM_DELETE_WINDOW",
      "_NET_WM_PING",         "_NET_WM_NAME",
      "UTF8_STRING",          "_NET_WM_PID",
      "_NET_WM_STATE",        "_NET_WM_STATE_MAXIMIZED_VERT",
      "_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WORKAREA",
      "_NET_CURRENT_DESKTOP", "_NET_FRAME_EXTENTS",
      "_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTING_WM_CHECK",
  };
  std::array<Atom, 14> atoms{};
  (void)XInternAtoms(display, const_cast<char**>(names.data()), static_cast<int>(names.size()), False, atoms.data());
  static_assert(sizeof(X11Atoms) == sizeof atoms, "one atom per name");
  X11Atoms result;
  std::memcpy(&result, atoms.data(), sizeof result);
  return result;
}

int read_cardinals(Display* display, XID window, Atom property, Atom type, long* items, int count) {
  Atom actual_type = 0;
  int actual_format = 0;
  unsigned long item_count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, count, False, type, &actual_type, &actual_format,
                         &item_count, &remaining, &data) != Success) {
    return 0;
  }
  int read = 0;
  if (data && actual_type == type && actual_format == 32) {
    // Xlib hands 32-bit items over as longs.
    const long* values = reinterpret_cast<const long*>(data);
    for (; read < count && static_cast<unsigned long>(read) < item_count; ++read) items[read] = values[read];
  }
  if (data) XFree(data);
  return read;
}

}  // namespace win32::detail
