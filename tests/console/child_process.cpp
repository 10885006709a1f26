#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace console::testing_support {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void ExecProbe(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  static std::string probe = CONSOLE_PROBE;
  argv.push_back(probe.data());
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(probe.c_str(), argv.data());
  _exit(127);
}

void RedirectStdout(const std::string& file) {
  if (file.empty()) return;
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) _exit(126);
  dup2(fd, STDOUT_FILENO);
  close(fd);
}

std::optional<ExitStatus> Reap(pid_t pid, Clock::time_point deadline) {
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      if (WIFSIGNALED(status)) return ExitStatus{true, WTERMSIG(status)};
      return ExitStatus{false, WEXITSTATUS(status)};
    }
    if (Clock::now() >= deadline) return std::nullopt;
    usleep(5000);
  }
}

// Runs the probe as a shell runs a foreground job, and ends as it ended.
[[noreturn]] void RunAsForegroundJob(const std::vector<std::string>& arguments) {
  const pid_t job = fork();
  if (job == 0) {
    setpgid(0, 0);
    sigset_t ttou;
    sigemptyset(&ttou);
    sigaddset(&ttou, SIGTTOU);
    sigprocmask(SIG_BLOCK, &ttou, nullptr);
    tcsetpgrp(STDIN_FILENO, getpid());
    sigprocmask(SIG_UNBLOCK, &ttou, nullptr);
    ExecProbe(arguments);
  }
  int status = 0;
  while (waitpid(job, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(status)) {
    signal(WTERMSIG(status), SIG_DFL);
    kill(getpid(), WTERMSIG(status));
  }
  _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 125);
}

}  // namespace

PtyChild::PtyChild(const std::vector<std::string>& arguments, const std::string& stdoutFile, Group group,
                   TerminalSize size) {
  winsize window{};
  window.ws_col = size.columns;
  window.ws_row = size.rows;
  if (openpty(&master_, &slave_, nullptr, nullptr, &window) != 0) return;
  tcgetattr(slave_, &settingsAtStart_);
  pid_ = fork();
  if (pid_ == 0) {
    close(master_);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);  // a signal that dumps core leaves no file behind
    // Whatever the test runner ignores or blocks (a launcher that ignores
    // SIGPIPE, say), the probe starts with every signal at its default.
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) sigaction(signal, &byDefault, nullptr);
    sigprocmask(SIG_SETMASK, &byDefault.sa_mask, nullptr);
    setsid();
    ioctl(slave_, TIOCSCTTY, 0);
    dup2(slave_, STDIN_FILENO);
    dup2(slave_, STDOUT_FILENO);
    dup2(slave_, STDERR_FILENO);
    if (slave_ > STDERR_FILENO) close(slave_);
    RedirectStdout(stdoutFile);
    if (group == Group::ForegroundJob) RunAsForegroundJob(arguments);
    ExecProbe(arguments);
  }
  // The test keeps its end of the slave open, so the terminal's settings
  // outlive the probe and can be compared afterwards.
}

PtyChild::~PtyChild() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
}

bool PtyChild::Collect(std::chrono::milliseconds wait) {
  pollfd entry{master_, POLLIN, 0};
  if (poll(&entry, 1, static_cast<int>(wait.count())) <= 0) return false;
  char buffer[4096];
  const ssize_t n = read(master_, buffer, sizeof buffer);
  if (n <= 0) return false;
  output_.append(buffer, static_cast<std::size_t>(n));
  return true;
}

bool PtyChild::WaitForOutput(std::string_view text, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  while (output_.find(text) == std::string::npos) {
    if (Clock::now() >= deadline) return false;
    Collect(10ms);
  }
  return true;
}

bool PtyChild::WaitUntilReading(CellPosition cursor, std::chrono::milliseconds timeout) {
  if (!WaitForOutput("\x1b[6n", timeout)) return false;
  Type("\x1b[" + std::to_string(cursor.row) + ";" + std::to_string(cursor.column) + "R");
  return true;
}

void PtyChild::Type(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(master_, bytes.data(), bytes.size());
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    Collect(0ms);  // keep the probe's output flowing while typing a lot
  }
}

std::optional<ExitStatus> PtyChild::WaitForExit(std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    Collect(5ms);
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      exited_ = true;
      while (Collect(0ms)) {
      }
      if (WIFSIGNALED(status)) return ExitStatus{true, WTERMSIG(status)};
      return ExitStatus{false, WEXITSTATUS(status)};
    }
    if (Clock::now() >= deadline) return std::nullopt;
  }
}

void PtyChild::Signal(int signal) const {
  const pid_t foreground = tcgetpgrp(master_);
  kill(foreground > 0 ? -foreground : pid_, signal);
}

termios PtyChild::SettingsNow() const {
  termios now{};
  tcgetattr(slave_, &now);
  return now;
}

std::optional<ExitStatus> RunWithoutTerminal(const std::vector<std::string>& arguments, std::string_view input,
                                             PipeEnd end, const std::string& stdoutFile,
                                             std::chrono::milliseconds timeout) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return std::nullopt;
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();  // no controlling terminal: /dev/tty does not open
    dup2(pipeFds[0], STDIN_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    RedirectStdout(stdoutFile);
    const int errors = open((stdoutFile + ".stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(errors, STDERR_FILENO);
    ExecProbe(arguments);
  }
  close(pipeFds[0]);
  if (!input.empty() && write(pipeFds[1], input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
    close(pipeFds[1]);
    return std::nullopt;
  }
  const bool closeInput = end == PipeEnd::Closed;
  if (closeInput) close(pipeFds[1]);
  auto status = Reap(pid, Clock::now() + timeout);
  if (!status) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  if (!closeInput) close(pipeFds[1]);
  return status;
}

bool SameSettings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag && a.c_lflag == b.c_lflag &&
         std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

namespace {

std::filesystem::path ScratchDirectory() {
  return std::filesystem::temp_directory_path() / ("console_tests_" + std::to_string(getpid()));
}

}  // namespace

std::string ScratchFile(std::string_view name) {
  std::filesystem::create_directories(ScratchDirectory());
  return (ScratchDirectory() / name).string();
}

void RemoveScratchFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchDirectory(), ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace console::testing_support
