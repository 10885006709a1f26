#include "console/terminal_query.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace win32::detail {

COORD terminal_size(int descriptor) {
  winsize size{};
  const bool known = ioctl(descriptor, TIOCGWINSZ, &size) == 0;
  // Coordinates are 16-bit: a larger terminal is used up to that size.
  const auto clamp = [](unsigned short v) { return static_cast<SHORT>(v > 0x7FFF ? 0x7FFF : v); };
  const SHORT columns = known && size.ws_col > 0 ? clamp(size.ws_col) : SHORT{80};
  const SHORT rows = known && size.ws_row > 0 ? clamp(size.ws_row) : SHORT{25};
  return {columns, rows};
}

std::optional<COORD> take_cursor_report(std::vector<unsigned char>& bytes) {
  for (std::size_t start = 0; start + 1 < bytes.size(); ++start) {
    if (bytes[start] != 0x1B || bytes[start + 1] != '[') continue;
    long values[2] = {0, 0};
    int field = 0;
    std::size_t i = start + 2;
    bool digits = false;
    for (; i < bytes.size(); ++i) {
      const unsigned char c = bytes[i];
      if (c >= '0' && c <= '9' && values[field] < 100000) {
        values[field] = values[field] * 10 + (c - '0');
        digits = true;
      } else if (c == ';' && field == 0 && digits) {
        field = 1;
        digits = false;
      } else {
        break;
      }
    }
    if (i == bytes.size() || bytes[i] != 'R' || field != 1 || !digits) continue;
    bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.begin() + static_cast<std::ptrdiff_t>(i + 1));
    const auto coordinate = [](long v) { return static_cast<SHORT>(v < 1 ? 0 : v > 0x7FFF ? 0x7FFE : v - 1); };
    return COORD{coordinate(values[1]), coordinate(values[0])};
  }
  return std::nullopt;
}

std::optional<COORD> query_cursor(int output, int input, std::chrono::milliseconds timeout,
                                  std::vector<unsigned char>& typedAhead) {
  using Clock = std::chrono::steady_clock;
  static constexpr char kReportCursor[] = "\x1b[6n";
  ssize_t sent;
  do {
    sent = ::write(output, kReportCursor, sizeof kReportCursor - 1);
  } while (sent < 0 && errno == EINTR);
  if (sent != static_cast<ssize_t>(sizeof kReportCursor - 1)) return std::nullopt;

  const Clock::time_point deadline = Clock::now() + timeout;
  std::vector<unsigned char> received;
  for (;;) {
    if (auto position = take_cursor_report(received)) {
      typedAhead.insert(typedAhead.end(), received.begin(), received.end());
      return position;
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    pollfd entry{input, POLLIN, 0};
    const int ready = poll(&entry, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || (entry.revents & POLLIN) == 0) break;
    unsigned char buffer[64];
    const ssize_t n = ::read(input, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    received.insert(received.end(), buffer, buffer + n);
  }
  typedAhead.insert(typedAhead.end(), received.begin(), received.end());
  return std::nullopt;
}

}  // namespace win32::detail
