// A private X server (Xvfb) for a test or benchmark process, so that
// windows can be shown and read back without a desktop.
#pragma once

#include <string>

namespace x11_test {

// Xvfb on a free display number, 1024 x 768 x 24, for as long as the object
// lives. Like a bare X server it resets when its last client leaves, and
// refuses connections for a moment meanwhile. `display_name()` is empty
// when Xvfb is not installed or did not start; `why()` then says which.
class XvfbServer {
 public:
  // `tcp`: the server also listens on TCP, so that a client reaches it as a
  // remote display would ("localhost:N"), without shared memory.
  explicit XvfbServer(bool tcp = false);
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  [[nodiscard]] const std::string& display_name() const { return display_; }
  // The display's name over TCP (empty unless started with `tcp`).
  [[nodiscard]] std::string tcp_display_name() const { return tcp_ && !display_.empty() ? "localhost" + display_ : ""; }
  [[nodiscard]] const std::string& why() const { return why_; }
  [[nodiscard]] bool installed() const { return installed_; }
  // Ends the server now, as a crash or a lost connection would.
  void stop();

 private:
  bool tcp_;
  bool installed_ = false;
  int pid_ = -1;
  std::string display_;
  std::string why_;
};

}  // namespace x11_test
