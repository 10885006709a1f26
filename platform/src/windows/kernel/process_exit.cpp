// ExitProcess: the exit callbacks, C's buffered streams, then Windows' own
// ExitProcess, which stops the other threads where they are.
#include <cstdio>

#include "kernel/process_exit.h"
#include "windows/native.h"

namespace win32 {

void ExitProcess(UINT exitCode) {
  // A second thread waits here until the first one has ended the process.
  if (!detail::begin_exit()) {
    for (;;) ::Sleep(INFINITE);
  }
  detail::run_exit_callbacks();
  // The callbacks are the last to learn of a loss (the open windows' snapshots).
  exitCode = detail::final_exit_code(exitCode);
  // A program may have written through C's standard streams (or std::cout,
  // which shares them); what they still buffer is written out.
  std::fflush(stdout);
  std::fflush(stderr);
  ::ExitProcess(exitCode);
}

}  // namespace win32
