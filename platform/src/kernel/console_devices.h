// The console devices "CONIN$" and "CONOUT$" that CreateFileA opens.
//
// The kernel does not know the console: the console backend installs an
// opener here when it starts. CreateFileA passes those two names (compared
// without regard to case) to the opener together with the requested access;
// while no opener is installed they fail with ERROR_FILE_NOT_FOUND.
#pragma once

#include <atomic>

#include "platform/win32_types.h"

namespace win32::detail {

// Returns a handle to a FileObject (see kernel/file_object.h) registered in
// the handle table, or INVALID_HANDLE_VALUE after SetLastError.
using ConsoleDeviceOpener = HANDLE (*)(const char* name, DWORD access);

// Null until the console backend installs its opener. Atomic, so a backend
// started on one thread is seen by CreateFileA on another.
extern std::atomic<ConsoleDeviceOpener> console_device_opener;

}  // namespace win32::detail
