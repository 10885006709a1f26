// "CONIN$" and "CONOUT$" on Windows: the real console where there is one
// that fits, otherwise the layer's own objects with the behaviour the
// console has on POSIX.
//
// - "CONIN$": the console's input when standard input is the console;
//   when it is a pipe or a file, that stream's bytes are the key events (a
//   newline is Enter, and once the stream has ended a read gets Enter), so
//   a program in a pipeline never waits for a key that cannot come.
// - "CONOUT$": the console's screen; a process without a console gets a
//   screen buffer in memory.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

// "CONIN$" or "CONOUT$", in any case.
[[nodiscard]] bool names_console_device(const char* name);

// A handle to the device, or INVALID_HANDLE_VALUE after SetLastError.
[[nodiscard]] HANDLE open_console_device(const char* name, DWORD access);

}  // namespace win32::detail
