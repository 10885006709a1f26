#include "display/x11/x11_window.h"

#include <unistd.h>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace win32::detail {

namespace {

// The caption's bytes (the ANSI code page, taken as Latin-1) in UTF-8.
std::string utf8_of(const std::string& text) {
  std::string utf8;
  for (unsigned char c : text) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

void set_text_property(Display* display, XID window, Atom property, Atom type, const std::string& text) {
  (void)XChangeProperty(display, window, property, type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
}

// _NET_WM_STATE's client message actions.
constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;

}  // namespace

std::unique_ptr<X11Window> X11Window::open(Window& window) {
  Display* display = open_x11_connection();
  if (!display) return nullptr;
  std::unique_ptr<X11Window> native(new X11Window(display, (window.window_class->style & CS_DBLCLKS) != 0));
  if (!native->create(window)) return nullptr;
  return native;
}

bool X11Window::create(Window& window) {
  XSetIOErrorExitHandler(display_, connection_lost, this);
  atoms_ = intern_x11_atoms(display_);
  const int screen = DefaultScreen(display_);
  const XID root = RootWindow(display_, screen);

  // The default visual when it is true-colour (it nearly always is), else
  // a 24-bit true-colour one with a colour map of its own.
  Visual* visual = DefaultVisual(display_, screen);
  int depth = DefaultDepth(display_, screen);
  if (visual->c_class != TrueColor) {
    XVisualInfo info{};
    if (!XMatchVisualInfo(display_, screen, 24, TrueColor, &info)) {
      std::fprintf(stderr, "Graph display: the X display has no true-colour visual\n");
      return false;
    }
    visual = info.visual;
    depth = info.depth;
    own_colormap_ = XCreateColormap(display_, root, visual, AllocNone);
  }

  const int width = window.framebuffer->width();
  const int height = window.framebuffer->height();
  image_ = X11Image::create(display_, visual, depth, width, height);
  if (!image_) return false;

  XSetWindowAttributes attributes{};
  attributes.background_pixel = 0;  // black in every true-colour visual
  attributes.border_pixel = 0;
  attributes.bit_gravity = NorthWestGravity;  // the picture stays at the top-left corner when resized
  attributes.event_mask = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                          ButtonReleaseMask | PointerMotionMask | FocusChangeMask;
  unsigned long mask = CWBackPixel | CWBorderPixel | CWBitGravity | CWEventMask;
  if (own_colormap_) {
    attributes.colormap = own_colormap_;
    mask |= CWColormap;
  }
  xwindow_ = XCreateWindow(display_, root, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0, depth,
                           InputOutput, visual, mask, &attributes);
  gc_ = XCreateGC(display_, xwindow_, 0, nullptr);
  set_properties(window);

  // Held keys report presses only, for this connection alone: the user's
  // autorepeat setting of the server stays as it is.
  Bool detectable = False;
  (void)XkbSetDetectableAutoRepeat(display_, True, &detectable);
  (void)XSync(display_, False);
  return take_x11_error() == Success;
}

void X11Window::set_properties(const Window& window) {
  set_text_property(display_, xwindow_, XA_WM_NAME, XA_STRING, window.title);
  set_text_property(display_, xwindow_, atoms_.net_wm_name, atoms_.utf8_string, utf8_of(window.title));

  std::string instance = program_invocation_short_name;
  std::string class_name = window.window_class->name;
  XClassHint class_hint{instance.data(), class_name.data()};
  (void)XSetClassHint(display_, xwindow_, &class_hint);

  XSizeHints size{};
  size.flags = PSize;
  size.width = window.framebuffer->width();
  size.height = window.framebuffer->height();
  XSetWMNormalHints(display_, xwindow_, &size);

  XWMHints hints{};
  hints.flags = InputHint | StateHint;
  hints.input = True;
  hints.initial_state = NormalState;
  XSetWMHints(display_, xwindow_, &hints);

  Atom protocols[] = {atoms_.wm_delete_window, atoms_.net_wm_ping};
  (void)XSetWMProtocols(display_, xwindow_, protocols, 2);

  const long pid = getpid();
  (void)XChangeProperty(display_, xwindow_, atoms_.net_wm_pid, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&pid), 1);
}

X11Window::~X11Window() {
  image_.reset();
  if (gc_) (void)XFreeGC(display_, gc_);
  if (xwindow_) (void)XDestroyWindow(display_, xwindow_);
  if (own_colormap_) (void)XFreeColormap(display_, own_colormap_);
  (void)XCloseDisplay(display_);
}

void X11Window::connection_lost(Display*, void* self) { static_cast<X11Window*>(self)->lost_ = true; }

void X11Window::present(Window& window) {
  if (!lost_) {
    follow_state(window);
    pump_events(window);
  }
  if (lost_) {
    // Without a server the window is gone, as if the user had closed it.
    if (!close_posted_) close_posted_ = PostMessageA(window.handle, WM_CLOSE, 0, 0) != FALSE;
    return;
  }
  const std::vector<RECT> areas = window.framebuffer->dirty()->take();
  if (viewable_) image_->put(xwindow_, gc_, *window.framebuffer, areas);
}

bool X11Window::news_waiting() {
  // XPending sends the buffered requests and reads what the socket holds.
  if (!lost_ && XPending(display_) > 0) return true;
  return lost_ && !close_posted_;
}

void X11Window::follow_state(Window& window) {
  bool visible;
  bool minimized;
  bool maximized;
  {
    std::lock_guard guard(window.queue->lock);
    visible = window.visible;
    minimized = window.minimized;
    maximized = window.maximized;
  }
  if (maximized != maximized_) {
    maximized_ = maximized;
    ask_maximized(maximized);
  }
  if (visible && !mapped_) {
    if (minimized) {
      XWMHints hints{};
      hints.flags = InputHint | StateHint;
      hints.input = True;
      hints.initial_state = IconicState;
      XSetWMHints(display_, xwindow_, &hints);
    }
    (void)XMapWindow(display_, xwindow_);
    mapped_ = true;
    iconic_ = minimized;
  } else if (!visible && mapped_) {
    (void)XWithdrawWindow(display_, xwindow_, DefaultScreen(display_));
    mapped_ = false;
  } else if (mapped_ && minimized != iconic_) {
    if (minimized) {
      (void)XIconifyWindow(display_, xwindow_, DefaultScreen(display_));
    } else {
      (void)XMapWindow(display_, xwindow_);
    }
    iconic_ = minimized;
  }
}

// Before the window is mapped the state is a property the window manager
// reads; afterwards it is a request to the window manager.
void X11Window::ask_maximized(bool maximized) {
  if (!mapped_) {
    const Atom states[] = {atoms_.net_wm_state_maximized_vert, atoms_.net_wm_state_maximized_horz};
    (void)XChangeProperty(display_, xwindow_, atoms_.net_wm_state, XA_ATOM, 32, PropModeReplace,
                          reinterpret_cast<const unsigned char*>(states), maximized ? 2 : 0);
    return;
  }
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = xwindow_;
  request.xclient.message_type = atoms_.net_wm_state;
  request.xclient.format = 32;
  request.xclient.data.l[0] = maximized ? kStateAdd : kStateRemove;
  request.xclient.data.l[1] = static_cast<long>(atoms_.net_wm_state_maximized_vert);
  request.xclient.data.l[2] = static_cast<long>(atoms_.net_wm_state_maximized_horz);
  request.xclient.data.l[3] = 1;  // a normal application asks
  (void)XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &request);
}

void X11Window::pump_events(Window& window) {
  // XPending also sends what the requests above left in the buffer.
  while (!lost_ && XPending(display_) > 0) {
    XEvent event;
    (void)XNextEvent(display_, &event);
    handle(window, event);
  }
}

void X11Window::handle(Window& window, XEvent& event) {
  switch (event.type) {
    case Expose:
      expose(window, event.xexpose);
      break;
    case MapNotify:
      viewable_ = true;
      break;
    case UnmapNotify:
      viewable_ = false;
      break;
    case FocusOut:
      input_.focus_lost();
      break;
    case KeyPress:
    case KeyRelease: {
      unsigned long keysym = XLookupKeysym(&event.xkey, 0);
      // With NumLock on, the keypad's digits (the second level).
      if (IsKeypadKey(keysym) && (event.xkey.state & Mod2Mask)) {
        const unsigned long digit = XLookupKeysym(&event.xkey, 1);
        if (IsKeypadKey(digit)) keysym = digit;
      }
      if (auto message = input_.key(event.xkey, keysym)) post(window, *message);
      break;
    }
    case ButtonPress:
    case ButtonRelease:
      if (auto message = input_.button(event.xbutton)) post(window, *message);
      break;
    case MotionNotify:
      post(window, InputTranslator::motion(event.xmotion));
      break;
    case ClientMessage:
      if (event.xclient.message_type != atoms_.wm_protocols) break;
      if (static_cast<Atom>(event.xclient.data.l[0]) == atoms_.wm_delete_window) {
        post(window, WindowMessage{WM_CLOSE, 0, 0});
      } else if (static_cast<Atom>(event.xclient.data.l[0]) == atoms_.net_wm_ping) {
        // The window manager asks whether the program still answers.
        event.xclient.window = DefaultRootWindow(display_);
        (void)XSendEvent(display_, event.xclient.window, False, SubstructureRedirectMask | SubstructureNotifyMask,
                         &event);
      }
      break;
    default:
      break;
  }
}

// The exposed part shows what the framebuffer holds at the next present,
// and the window procedure repaints it (from its backing bitmap) first.
void X11Window::expose(Window& window, const XExposeEvent& event) {
  const RECT area = intersect(RECT{event.x, event.y, event.x + event.width, event.y + event.height}, window.client());
  if (is_empty(area)) return;
  window.framebuffer->dirty()->mark(area);
  invalidate(window, area, true);
}

void X11Window::post(Window& window, const WindowMessage& message) {
  (void)PostMessageA(window.handle, message.message, message.wParam, message.lParam);
}

}  // namespace win32::detail
