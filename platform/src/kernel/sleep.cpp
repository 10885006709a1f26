// Sleep: suspends the calling thread for a number of milliseconds.
#include <sched.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

#include "platform/kernel.h"

namespace win32 {

void Sleep(DWORD milliseconds) {
  if (milliseconds == 0) {
    // Gives the rest of the time slice to another ready thread.
    sched_yield();
    return;
  }
  if (milliseconds == INFINITE) {
    for (;;) pause();
  }
  timespec remaining{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1'000'000L};
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

}  // namespace win32
