// MessageBoxA without a desktop: one line on standard error, and the box's
// first button counts as pressed.
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/user.h"

namespace win32 {

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
  std::string line;
  if (caption && *caption) line += std::string(caption) + ": ";
  line += text ? text : "";
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  line += '\n';
  // One write, so that the line is not interleaved with other output.
  std::size_t written = 0;
  while (written < line.size()) {
    const ssize_t n = ::write(STDERR_FILENO, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  switch (type & 0xF) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
  }
}

}  // namespace win32
