#include "platform/process_start.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace win32::process_start {

bool reserve_standard_streams() {
  int nullDevice = -1;
  for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
    if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
    // Not close-on-exec: a child started from here inherits its standard
    // streams as for any other process.
    if (nullDevice < 0) nullDevice = open("/dev/null", O_RDWR);
    if (nullDevice < 0) return false;
    // open() gives the lowest free descriptor, so the first one closed gets
    // the device directly; later ones get a copy of it.
    if (nullDevice != descriptor && dup2(nullDevice, descriptor) != descriptor) return false;
  }
  if (nullDevice > STDERR_FILENO) close(nullDevice);
  return true;
}

}  // namespace win32::process_start
