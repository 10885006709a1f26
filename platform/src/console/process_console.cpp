#include "console/process_console.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include "console/terminal_mode.h"
#include "console/terminal_query.h"

namespace win32::detail {

namespace {

// Long enough for a terminal across a network to answer, short enough that
// a terminal that never answers does not hold up the program's start.
constexpr std::chrono::milliseconds kCursorQueryTimeout{200};

constexpr WORD kDefaultAttributes = 0x07;

}  // namespace

Console make_console(const ConsoleDevices& devices) {
  std::vector<unsigned char> typedAhead;
  COORD size{80, 25};
  COORD cursor{0, 0};
  if (devices.terminal >= 0) {
    size = terminal_size(devices.terminal);
    if (devices.askCursor) {
      // The answer comes on the keyboard when there is one, else on the
      // terminal's own descriptor.
      const int answers = devices.inputIsTerminal ? devices.input : devices.terminal;
      std::vector<unsigned char> ahead;
      if (auto position = query_cursor(devices.terminal, answers, kCursorQueryTimeout, ahead)) {
        cursor = {std::min(position->X, static_cast<SHORT>(size.X - 1)),
                  std::min(position->Y, static_cast<SHORT>(size.Y - 1))};
      }
      if (devices.inputIsTerminal) typedAhead = std::move(ahead);
    }
  }

  std::unique_ptr<InputSource> source;
  if (devices.input >= 0) {
    source = devices.inputIsTerminal ? make_terminal_keyboard(devices.input, std::move(typedAhead))
                                     : make_stream_keys(devices.input);
  }
  return {std::make_shared<ConsoleInput>(std::move(source)),
          std::make_shared<ScreenBuffer>(size.X, size.Y, cursor, kDefaultAttributes, devices.terminal)};
}

ConsoleDevices process_devices() {
  ConsoleDevices devices;
  devices.input = STDIN_FILENO;
  devices.inputIsTerminal = isatty(STDIN_FILENO) == 1;
  if (isatty(STDOUT_FILENO) == 1) {
    devices.terminal = STDOUT_FILENO;
  } else {
    const int tty = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty >= 0 && isatty(tty) == 1) {
      devices.terminal = tty;  // kept open for the life of the process
    } else if (tty >= 0) {
      close(tty);
    }
  }
  return devices;
}

Console& process_console() {
  static Console* console = [] {
    const ConsoleDevices devices = process_devices();
    // Raw mode comes before the cursor query, whose answer must neither be
    // echoed nor wait for a line end. It stays while the keyboard is the
    // terminal; a terminal that only shows the cells (standard input is a
    // pipe or a file) is left as it was as soon as it has answered.
    const bool keyboardIsTerminal = devices.inputIsTerminal;
    if (keyboardIsTerminal) {
      enter_raw_mode(devices.input);
    } else if (devices.terminal >= 0) {
      enter_raw_mode(devices.terminal);
    }
    auto* made = new Console(make_console(devices));  // lives as long as the process
    if (!keyboardIsTerminal) restore_terminal();
    return made;
  }();
  return *console;
}

HANDLE open_console_device(const char* name, DWORD) {
  Console& console = process_console();
  if (strcasecmp(name, "CONIN$") == 0) return register_object(console.input);
  if (strcasecmp(name, "CONOUT$") == 0) return register_object(console.screen);
  SetLastError(ERROR_FILE_NOT_FOUND);
  return INVALID_HANDLE_VALUE;
}

}  // namespace win32::detail
