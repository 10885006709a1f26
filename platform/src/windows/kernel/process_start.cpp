// A standard handle that the process was started without (a program started
// with no console and no redirection, or with a stream closed) becomes the
// null device, so that reading it finds its end at once and writing to it
// succeeds, as on POSIX.
#include "platform/process_start.h"
#include "windows/native.h"

namespace win32::process_start {

bool reserve_standard_streams() {
  for (const ::DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    const ::HANDLE current = ::GetStdHandle(which);
    if (current != nullptr && current != INVALID_HANDLE_VALUE) continue;
    // Inheritable, so that a child started from here gets it as any other
    // standard stream.
    ::SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const ::HANDLE nullDevice = ::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              &inherit, OPEN_EXISTING, 0, nullptr);
    if (nullDevice == INVALID_HANDLE_VALUE || !::SetStdHandle(which, nullDevice)) return false;
  }
  return true;
}

}  // namespace win32::process_start
