// ExitProcess: the exit callbacks, C's buffered streams, then _exit.
#include <unistd.h>

#include <cstdio>
#include <initializer_list>

#include "kernel/process_exit.h"
#include "platform/kernel.h"

namespace win32 {

namespace {

// The platform's own writes are unbuffered, but a program may also have
// written through C's standard streams (or std::cout, which shares them).
// Their buffered text is flushed unless another thread holds a stream at this
// moment: never wait for a lock that thread may not give back.
void flush_c_streams() {
  for (FILE* stream : {stdout, stderr}) {
    if (ftrylockfile(stream) != 0) continue;
    fflush_unlocked(stream);
    funlockfile(stream);
  }
}

}  // namespace

void ExitProcess(UINT exitCode) {
  // A second thread waits here until the first one has ended the process.
  if (!detail::begin_exit()) {
    for (;;) pause();
  }
  detail::run_exit_callbacks();
  // The callbacks are the last to learn of a loss (the open windows' snapshots).
  exitCode = detail::final_exit_code(exitCode);
  flush_c_streams();
  // Other threads may be in the middle of anything, so no static destructors.
  _exit(static_cast<int>(exitCode));
}

}  // namespace win32
