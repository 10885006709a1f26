#include "x11_xvfb.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace x11_test {

namespace {

bool xvfb_installed() {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = dirs.find(':', start);
    const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!dir.empty() && access((dir + "/Xvfb").c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

// Reads the display number that Xvfb writes once it accepts connections.
std::string read_display_number(int fd) {
  std::string number;
  char c;
  while (read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

}  // namespace

XvfbServer::XvfbServer(bool tcp) : tcp_(tcp) {
  installed_ = xvfb_installed();
  if (!installed_) {
    why_ = "Xvfb is not installed (Debian package xvfb); the X11 display was not tested";
    return;
  }
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) {
    why_ = "no pipe for Xvfb";
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    // The server ends with the process that started it, even one that crashes.
    (void)prctl(PR_SET_PDEATHSIG, SIGTERM);
    close(pipe_fds[0]);
    const int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, STDIN_FILENO);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    const std::string fd = std::to_string(pipe_fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", tcp ? "-listen" : "-nolisten",
           "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipe_fds[1]);
  const std::string number = pid_ > 0 ? read_display_number(pipe_fds[0]) : "";
  close(pipe_fds[0]);
  if (number.empty()) {
    why_ = "Xvfb did not start";
    stop();
    return;
  }
  display_ = ":" + number;
}

XvfbServer::~XvfbServer() { stop(); }

void XvfbServer::stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

}  // namespace x11_test
