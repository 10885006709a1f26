// The X side of one window: a top-level X window on a connection of its own,
// used only by the window's thread. While that thread waits for messages,
// `present` follows the window's state (shown, minimised, maximised), turns
// the X events into window messages and update regions, and puts what has
// been drawn on the screen.
#pragma once

#include <memory>

#include "display/x11/x11_connection.h"
#include "display/x11/x11_image.h"
#include "display/x11/x11_input.h"
#include "user/user_objects.h"

namespace win32::detail {

class X11Window {
 public:
  // The X window for `window`, not yet mapped; null when there is no
  // display or no true-colour visual.
  [[nodiscard]] static std::unique_ptr<X11Window> open(Window& window);
  ~X11Window();
  X11Window(const X11Window&) = delete;
  X11Window& operator=(const X11Window&) = delete;

  void present(Window& window);
  // Sends the requests Xlib holds back; true when events have already come
  // (or the loss of the server is yet to be told), so `present` is due now.
  [[nodiscard]] bool news_waiting();
  // The connection's socket, to sleep on; -1 once the server has gone.
  [[nodiscard]] int news_fd() const { return lost_ ? -1 : ConnectionNumber(display_); }

 private:
  X11Window(Display* display, bool double_clicks) : display_(display), input_(double_clicks) {}
  bool create(Window& window);
  void set_properties(const Window& window);
  void follow_state(Window& window);
  void pump_events(Window& window);
  void handle(Window& window, XEvent& event);
  void expose(Window& window, const XExposeEvent& event);
  void post(Window& window, const WindowMessage& message);
  void ask_maximized(bool maximized);
  static void connection_lost(Display* display, void* self);

  Display* display_;
  X11Atoms atoms_{};
  XID xwindow_ = 0;
  Colormap own_colormap_ = 0;
  GC gc_ = nullptr;
  std::unique_ptr<X11Image> image_;
  InputTranslator input_;
  // What the X window shows of the window's state.
  bool mapped_ = false;
  bool viewable_ = false;
  bool iconic_ = false;
  bool maximized_ = false;
  bool lost_ = false;          // the server has gone away
  bool close_posted_ = false;  // and the window has been asked to close
};

}  // namespace win32::detail
