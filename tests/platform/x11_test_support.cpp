#include "x11_test_support.h"

#include "platform/display.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <thread>

namespace x11_test {

XvfbServer& SharedServer() {
  static XvfbServer* const server = [] {
    auto* started = new XvfbServer();
    if (!started->display_name().empty()) {
      setenv("DISPLAY", started->display_name().c_str(), 1);
      // The X11 display starts at once and keeps its first connection, so
      // the server never resets under the tests (when their own clients come
      // and go) for as long as the process lives.
      setenv("GRAPH_DISPLAY", "x11", 1);
      (void)win32::display::backend_name();
    }
    // Ended when the test process ends, after every window has gone.
    std::atexit([] { SharedServer().stop(); });
    return started;
  }();
  return *server;
}

Client::Client(const std::string& display_name) : display_(XOpenDisplay(display_name.c_str())) {
  if (!display_) ADD_FAILURE() << "cannot connect to " << display_name;
}

Client::~Client() {
  if (display_) XCloseDisplay(display_);
}

XID Client::wait_for_window(const std::string& class_name, std::chrono::milliseconds patience) {
  XID found = 0;
  (void)Eventually(
      [&] {
        XID root_return = 0;
        XID parent = 0;
        XID* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, root(), &root_return, &parent, &children, &count)) return false;
        for (unsigned int i = 0; i < count && !found; ++i) {
          XWindowAttributes attributes{};
          if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.map_state == IsViewable &&
              class_hint(children[i]).size() == 2 && class_hint(children[i])[1] == class_name) {
            found = children[i];
          }
        }
        if (children) XFree(children);
        return found != 0;
      },
      patience);
  return found;
}

bool Client::exists(XID window) {
  XID root_return = 0;
  XID parent = 0;
  XID* children = nullptr;
  unsigned int count = 0;
  bool present = false;
  if (XQueryTree(display_, root(), &root_return, &parent, &children, &count)) {
    for (unsigned int i = 0; i < count; ++i) present = present || children[i] == window;
  }
  if (children) XFree(children);
  return present;
}

std::string Client::text_property(XID window, const char* property) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display_, window, XInternAtom(display_, property, False), 0, 1024, False, AnyPropertyType,
                         &type, &format, &items, &remaining, &data) == Success &&
      data && format == 8) {
    text.assign(reinterpret_cast<const char*>(data), items);
  }
  if (data) XFree(data);
  return text;
}

std::vector<std::string> Client::class_hint(XID window) {
  XClassHint hint{};
  if (!XGetClassHint(display_, window, &hint)) return {};
  std::vector<std::string> names{hint.res_name ? hint.res_name : "", hint.res_class ? hint.res_class : ""};
  XFree(hint.res_name);
  XFree(hint.res_class);
  return names;
}

std::vector<std::string> Client::atom_list(XID window, const char* property) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  std::vector<std::string> names;
  if (XGetWindowProperty(display_, window, XInternAtom(display_, property, False), 0, 64, False, XA_ATOM, &type,
                         &format, &items, &remaining, &data) == Success &&
      data && format == 32) {
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < items; ++i) {
      char* name = XGetAtomName(display_, atoms[i]);
      names.emplace_back(name ? name : "");
      XFree(name);
    }
  }
  if (data) XFree(data);
  return names;
}

std::pair<int, int> Client::size(XID window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display_, window, &attributes)) return {0, 0};
  return {attributes.width, attributes.height};
}

std::vector<std::uint32_t> Client::pixels(XID window, int width, int height) {
  std::vector<std::uint32_t> values;
  XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            AllPlanes, ZPixmap);
  if (!image) return values;
  values.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      values.push_back(static_cast<std::uint32_t>(((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16)));
    }
  }
  XDestroyImage(image);
  return values;
}

void Client::send_key(XID window, unsigned long keysym, bool press, unsigned int state) {
  XEvent event{};
  event.xkey.type = press ? KeyPress : KeyRelease;
  event.xkey.display = display_;
  event.xkey.window = window;
  event.xkey.root = root();
  event.xkey.state = state;
  event.xkey.keycode = XKeysymToKeycode(display_, keysym);
  event.xkey.same_screen = True;
  (void)XSendEvent(display_, window, False, press ? KeyPressMask : KeyReleaseMask, &event);
  (void)XFlush(display_);
}

void Client::send_button(XID window, unsigned int button, bool press, int x, int y, unsigned long time,
                         unsigned int state) {
  XEvent event{};
  event.xbutton.type = press ? ButtonPress : ButtonRelease;
  event.xbutton.display = display_;
  event.xbutton.window = window;
  event.xbutton.root = root();
  event.xbutton.button = button;
  event.xbutton.x = x;
  event.xbutton.y = y;
  event.xbutton.time = time;
  event.xbutton.state = state;
  event.xbutton.same_screen = True;
  (void)XSendEvent(display_, window, False, press ? ButtonPressMask : ButtonReleaseMask, &event);
  (void)XFlush(display_);
}

void Client::send_motion(XID window, int x, int y, unsigned int state) {
  XEvent event{};
  event.xmotion.type = MotionNotify;
  event.xmotion.display = display_;
  event.xmotion.window = window;
  event.xmotion.root = root();
  event.xmotion.x = x;
  event.xmotion.y = y;
  event.xmotion.state = state;
  event.xmotion.same_screen = True;
  (void)XSendEvent(display_, window, False, PointerMotionMask, &event);
  (void)XFlush(display_);
}

void Client::send_delete(XID window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  (void)XSendEvent(display_, window, False, NoEventMask, &event);
  (void)XFlush(display_);
}

void Client::expose(XID window) {
  (void)XClearArea(display_, window, 0, 0, 0, 0, True);
  (void)XSync(display_, False);
}

void Client::set_cardinals(XID window, const char* property, const std::vector<long>& values, Atom type) {
  (void)XChangeProperty(display_, window, XInternAtom(display_, property, False), type ? type : XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(values.data()),
                        static_cast<int>(values.size()));
  (void)XSync(display_, False);
}

void Client::delete_property(XID window, const char* property) {
  (void)XDeleteProperty(display_, window, XInternAtom(display_, property, False));
  (void)XSync(display_, False);
}

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
  const auto end = std::chrono::steady_clock::now() + patience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace x11_test
