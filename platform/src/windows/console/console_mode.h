// The console's input mode while a program reads keys from it: key events
// only (no line editing or echo by the console, no mouse or window events);
// Ctrl+C still ends the program. The mode the console had is restored when
// the process ends, by ExitProcess, by a fault or by Ctrl+C or a closed
// console window.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

// Called with a handle that is the real console's input; the first call of
// the process sets the mode.
void use_console_input(HANDLE input);

}  // namespace win32::detail
