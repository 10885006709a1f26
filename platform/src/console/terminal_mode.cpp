#include "console/terminal_mode.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "kernel/ending_signals.h"
#include "kernel/process_exit.h"

namespace win32::detail {

namespace {

// The process-wide terminal state. Signal handlers read it, so it is plain
// data published before the handlers are installed.
struct TerminalState {
  int descriptor = -1;
  termios saved{};
  termios raw{};
  volatile sig_atomic_t rawActive = 0;
  volatile sig_atomic_t coloursChanged = 0;
};

TerminalState Terminal;

termios raw_settings(const termios& saved) {
  termios raw = saved;
  // Keys arrive byte by byte, unechoed, with Enter as 13. Ctrl-C and Ctrl-Backslash
  // keep raising their signals; Ctrl-S, Ctrl-Q, Ctrl-Z and Ctrl-V are keys.
  raw.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP);
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHONL | IEXTEN);
  raw.c_lflag |= ISIG;
  raw.c_cc[VSUSP] = _POSIX_VDISABLE;
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  return raw;
}

void write_all(int descriptor, const char* text, std::size_t length) {
  while (length > 0) {
    const ssize_t n = write(descriptor, text, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    text += n;
    length -= static_cast<std::size_t>(n);
  }
}

bool in_foreground() { return tcgetpgrp(Terminal.descriptor) == getpgrp(); }

void reapply_raw_mode() {
  if (Terminal.rawActive && in_foreground()) tcsetattr(Terminal.descriptor, TCSADRAIN, &Terminal.raw);
}

void install(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = flags;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
}

// Restores the terminal, then lets the signal end the process as it would
// have without us, so the parent sees the same cause of death.
void on_ending_signal(int signal) {
  const int savedErrno = errno;
  restore_terminal();
  install(signal, SIG_DFL, 0);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, signal);
  sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(signal);
  errno = savedErrno;
}

void on_suspend(int) {
  const int savedErrno = errno;
  const bool wasRaw = Terminal.rawActive;
  restore_terminal();
  install(SIGTSTP, SIG_DFL, 0);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, SIGTSTP);
  sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(SIGTSTP);  // stops here until SIGCONT
  install(SIGTSTP, &on_suspend, SA_RESTART);
  Terminal.rawActive = wasRaw;
  reapply_raw_mode();
  errno = savedErrno;
}

void on_continue(int) {
  const int savedErrno = errno;
  reapply_raw_mode();  // the shell may have reset the terminal while we were stopped
  errno = savedErrno;
}

bool signal_is_default(int signal) {
  struct sigaction current {};
  sigaction(signal, nullptr, &current);
  return (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_DFL;
}

}  // namespace

void note_colours_changed(bool changed) { Terminal.coloursChanged = changed ? 1 : 0; }

void restore_terminal() {
  if (Terminal.descriptor < 0) return;
  if (Terminal.coloursChanged) {
    constexpr char kDefaultColours[] = "\x1b[0m";
    write_all(Terminal.descriptor, kDefaultColours, sizeof kDefaultColours - 1);
    Terminal.coloursChanged = 0;
  }
  if (Terminal.rawActive) {
    tcsetattr(Terminal.descriptor, TCSADRAIN, &Terminal.saved);
    Terminal.rawActive = 0;
  }
}

bool enter_raw_mode(int descriptor) {
  if (Terminal.descriptor >= 0) return false;
  termios saved{};
  if (tcgetattr(descriptor, &saved) != 0) return false;
  Terminal.saved = saved;
  Terminal.raw = raw_settings(saved);
  Terminal.descriptor = descriptor;

  register_exit_callback(&restore_terminal, true);
  std::atexit(&restore_terminal);  // a program that returns from main
  // A signal that the process ignores (nohup, a background job) stays ignored.
  for_each_ending_signal([](int s) {
    if (signal_is_default(s)) install(s, &on_ending_signal, SA_RESTART);
  });
  if (signal_is_default(SIGTSTP)) install(SIGTSTP, &on_suspend, SA_RESTART);
  if (signal_is_default(SIGCONT)) install(SIGCONT, &on_continue, SA_RESTART);

  Terminal.rawActive = 1;
  if (tcsetattr(descriptor, TCSADRAIN, &Terminal.raw) != 0) Terminal.rawActive = 0;
  return Terminal.rawActive != 0;
}

}  // namespace win32::detail
