// MessageBoxA without a desktop: one line on standard error, and the box's
// first button counts as pressed.
#include <unistd.h>

#include <cerrno>

#include "user/message_box_line.h"

namespace win32 {

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
  const std::string line = detail::message_box_line(text, caption);
  // One write, so that the line is not interleaved with other output.
  std::size_t written = 0;
  while (written < line.size()) {
    const ssize_t n = ::write(STDERR_FILENO, line.data() + written, line.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  return detail::first_button(type);
}

}  // namespace win32
