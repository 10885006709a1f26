// The console of the process: one input buffer and one screen buffer, made
// at the first use of "CONIN$" or "CONOUT$" from the standard descriptors.
//
// Standard input that is a terminal gives the keyboard; any other standard
// input (a pipe, a file, /dev/null) gives its bytes as keys. The cells go to
// standard output when it is a terminal, else to the controlling terminal
// (/dev/tty), else into memory.
#pragma once

#include <memory>

#include "console/console_input.h"
#include "console/screen_buffer.h"

namespace win32::detail {

struct ConsoleDevices {
  int input = -1;                // where keys come from; -1: none
  bool inputIsTerminal = false;  // decode terminal sequences rather than take bytes as keys
  int terminal = -1;             // where cells are shown; -1: in memory only
  bool askCursor = true;         // ask the terminal where its cursor is
};

struct Console {
  std::shared_ptr<ConsoleInput> input;
  std::shared_ptr<ScreenBuffer> screen;
};

// A console over the given descriptors (tests use a pseudo-terminal here).
// Asks the terminal its size and cursor; the terminal's mode is left alone.
[[nodiscard]] Console make_console(const ConsoleDevices& devices);

// The devices of this process, as described above.
[[nodiscard]] ConsoleDevices process_devices();

// The process console, made at its first use; that first use puts the
// terminal into raw mode for as long as it is the keyboard.
Console& process_console();

// The opener that CreateFileA calls for "CONIN$" and "CONOUT$".
HANDLE open_console_device(const char* name, DWORD access);

}  // namespace win32::detail
