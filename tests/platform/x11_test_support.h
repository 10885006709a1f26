// Support for the X11 display's tests: a private Xvfb server for the test
// process, and a client of our own on it that looks at windows as a user's
// desktop would (properties, pixels) and acts as the user or the window
// manager would (keys, buttons, close box, exposure).
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <X11/Xlib.h>

#include "x11_xvfb.h"

namespace x11_test {

// The process's one server: started at the first call, DISPLAY pointed at
// it and the X11 display chosen. Skips the calling test, loudly, when Xvfb
// is not installed; fails it when Xvfb is there but does not start.
#define X11_TEST_REQUIRE_SERVER()                                                    \
  do {                                                                               \
    if (::x11_test::SharedServer().display_name().empty()) {                          \
      if (!::x11_test::SharedServer().installed()) {                                  \
        GTEST_SKIP() << "X11 TEST SKIPPED: " << ::x11_test::SharedServer().why();     \
      }                                                                              \
      FAIL() << ::x11_test::SharedServer().why();                                    \
    }                                                                                \
  } while (false)
XvfbServer& SharedServer();

// A connection of the test's own to the server.
class Client {
 public:
  explicit Client(const std::string& display_name);
  ~Client();
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  [[nodiscard]] Display* display() const { return display_; }
  [[nodiscard]] XID root() const { return DefaultRootWindow(display_); }

  // The top-level window whose WM_CLASS class is `class_name`, once it is
  // mapped (0 when none appears in time).
  [[nodiscard]] XID wait_for_window(const std::string& class_name,
                                    std::chrono::milliseconds patience = std::chrono::seconds(10));
  [[nodiscard]] bool exists(XID window);
  [[nodiscard]] std::string text_property(XID window, const char* property);
  [[nodiscard]] std::vector<std::string> class_hint(XID window);
  [[nodiscard]] std::vector<std::string> atom_list(XID window, const char* property);
  [[nodiscard]] std::pair<int, int> size(XID window);
  // The window's pixels as colour values (0x00BBGGRR), row by row.
  [[nodiscard]] std::vector<std::uint32_t> pixels(XID window, int width, int height);

  void send_key(XID window, unsigned long keysym, bool press, unsigned int state = 0);
  void send_button(XID window, unsigned int button, bool press, int x, int y, unsigned long time,
                   unsigned int state = 0);
  void send_motion(XID window, int x, int y, unsigned int state = 0);
  void delete_property(XID window, const char* property);
  void send_delete(XID window);
  // Clears the whole window to its background and asks its owner to
  // repaint it.
  void expose(XID window);
  void set_cardinals(XID window, const char* property, const std::vector<long>& values, Atom type = 0);

 private:
  Display* display_ = nullptr;
};

// Polls `condition` until it holds or `patience` passes.
[[nodiscard]] bool Eventually(const std::function<bool()>& condition,
                              std::chrono::milliseconds patience = std::chrono::seconds(10));

}  // namespace x11_test
