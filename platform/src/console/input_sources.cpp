#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "console/input_source.h"
#include "console/key_decoder.h"

namespace win32::detail {

namespace {

using Clock = std::chrono::steady_clock;

int milliseconds_until(Clock::time_point t) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(t - Clock::now()).count();
  return left < 0 ? 0 : static_cast<int>(left);
}

// Reads what a descriptor has within `timeoutMs`. Returns the bytes read,
// 0 when nothing came in time, and -1 at the end of input or on an error
// that will not go away.
ssize_t read_within(int descriptor, unsigned char* buffer, std::size_t size, int timeoutMs) {
  pollfd entry{descriptor, POLLIN, 0};
  const int ready = poll(&entry, 1, timeoutMs);
  if (ready < 0) return errno == EINTR ? 0 : -1;
  if (ready == 0) return 0;
  if ((entry.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) == 0) return 0;
  const ssize_t n = ::read(descriptor, buffer, size);
  if (n > 0) return n;
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return 0;
  return -1;
}

class TerminalKeyboard final : public InputSource {
 public:
  TerminalKeyboard(int descriptor, std::vector<unsigned char> typedAhead)
      : descriptor_(descriptor), pending_(std::move(typedAhead)), lastByte_(Clock::now()) {}

  void collect(std::deque<INPUT_RECORD>& events, int timeoutMs) override {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
      settle(events);
      if (!events.empty() || ended_) return;
      int wait = milliseconds_until(deadline);
      if (!pending_.empty()) wait = std::min(wait, milliseconds_until(lastByte_ + kEscapeDelay));
      unsigned char buffer[256];
      const ssize_t n = read_within(descriptor_, buffer, sizeof buffer, wait);
      if (n < 0) {
        ended_ = true;
      } else if (n > 0) {
        pending_.insert(pending_.end(), buffer, buffer + n);
        lastByte_ = Clock::now();
      } else if (Clock::now() >= deadline) {
        settle(events);
        return;
      }
    }
  }

  [[nodiscard]] bool ended() const override { return ended_; }

 private:
  // Turns the complete keys among the pending bytes into events; an
  // incomplete sequence is settled once the terminal has been quiet for
  // the escape delay.
  void settle(std::deque<INPUT_RECORD>& events) {
    if (pending_.empty()) return;
    const bool moreMayFollow = !ended_ && Clock::now() < lastByte_ + kEscapeDelay;
    std::vector<KeyPress> keys;
    const std::size_t used = decode_keys(pending_, moreMayFollow, keys);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
    for (const KeyPress& key : keys) append_key_events(events, key);
  }

  int descriptor_;
  std::vector<unsigned char> pending_;
  Clock::time_point lastByte_;
  bool ended_ = false;
};

class StreamKeys final : public InputSource {
 public:
  explicit StreamKeys(int descriptor) : descriptor_(descriptor) {}

  void collect(std::deque<INPUT_RECORD>& events, int timeoutMs) override {
    if (ended_) return;
    unsigned char buffer[256];
    const ssize_t n = read_within(descriptor_, buffer, sizeof buffer, timeoutMs);
    if (n < 0) {
      ended_ = true;
      return;
    }
    typed_.append(events, std::span(buffer, static_cast<std::size_t>(n)));
  }

  [[nodiscard]] bool ended() const override { return ended_; }

 private:
  int descriptor_;
  TypedBytes typed_;
  bool ended_ = false;
};

}  // namespace

std::unique_ptr<InputSource> make_terminal_keyboard(int descriptor, std::vector<unsigned char> typedAhead) {
  return std::make_unique<TerminalKeyboard>(descriptor, std::move(typedAhead));
}

std::unique_ptr<InputSource> make_stream_keys(int descriptor) { return std::make_unique<StreamKeys>(descriptor); }

}  // namespace win32::detail
