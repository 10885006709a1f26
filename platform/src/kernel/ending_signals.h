// The signals whose default action ends the process, by terminating it or
// by dumping its core, other than the processor faults (SIGFPE, SIGSEGV,
// SIGBUS, SIGILL), which the exception layer turns into Win32 exceptions.
// Whatever the process must put back before it goes (the terminal's
// settings) has to be put back on each of these.
#pragma once

#include <signal.h>

namespace win32::detail {

inline constexpr int kEndingSignalsByName[] = {
    SIGHUP,  SIGINT,    SIGQUIT, SIGTRAP, SIGABRT, SIGUSR1,   SIGUSR2, SIGPIPE, SIGALRM,
    SIGTERM, SIGSTKFLT, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGIO,   SIGPWR,  SIGSYS,
};

// Calls `visit(signal)` for each ending signal: those above, then every
// real-time signal that the C library leaves to programs.
template <typename Visit>
void for_each_ending_signal(Visit visit) {
  for (const int signal : kEndingSignalsByName) visit(signal);
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) visit(signal);
}

}  // namespace win32::detail
