// Connections to the X server. Each connection is used by one thread only
// (the thread of the window it serves), so Xlib's own locking is never
// contended; errors that the server reports are kept per thread instead of
// ending the process as Xlib's default handler would.
#pragma once

#include <X11/Xlib.h>

namespace win32::detail {

// Prepares Xlib for use from several threads and installs the error
// handlers. Called once, before the first connection.
void prepare_xlib();

// A connection to the display that DISPLAY names; null when none answers.
// Losing it never ends the process: it only stops working, and its owner
// may learn of it through XSetIOErrorExitHandler.
[[nodiscard]] Display* open_x11_connection();

// The error code of the last error the server reported for a request made
// on this thread, and resets it to Success.
[[nodiscard]] int take_x11_error();

// Whether the connection reaches a server on this machine (a Unix-domain
// socket), where shared-memory images work.
[[nodiscard]] bool x11_server_is_local(Display* display);

// The atoms the backend uses, interned in one round trip per connection.
struct X11Atoms {
  Atom wm_protocols;
  Atom wm_delete_window;
  Atom net_wm_ping;
  Atom net_wm_name;
  Atom utf8_string;
  Atom net_wm_pid;
  Atom net_wm_state;
  Atom net_wm_state_maximized_vert;
  Atom net_wm_state_maximized_horz;
  Atom net_workarea;
  Atom net_current_desktop;
  Atom net_frame_extents;
  Atom net_request_frame_extents;
  Atom net_supporting_wm_check;
};
[[nodiscard]] X11Atoms intern_x11_atoms(Display* display);

// Reads up to `count` 32-bit items of a CARDINAL or WINDOW property; the
// number of items read (0 when the property is missing or of another kind).
int read_cardinals(Display* display, XID window, Atom property, Atom type, long* items, int count);

}  // namespace win32::detail
