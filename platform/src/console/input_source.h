// Where a console's key events come from: a terminal's keyboard, decoded
// from the bytes it sends, or a stream (pipe or file) whose bytes are typed.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <span>
#include <vector>

#include "console/key_decoder.h"
#include "platform/console.h"

namespace win32::detail {

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Appends the key events of whatever input has arrived, waiting up to
  // `timeoutMs` milliseconds for some (0: look without waiting).
  virtual void collect(std::deque<INPUT_RECORD>& events, int timeoutMs) = 0;
  // True once no further input can come (end of a stream, a hung-up terminal).
  [[nodiscard]] virtual bool ended() const = 0;
};

// How long a terminal must be quiet after an Esc before it counts as the
// Esc key rather than the start of a sequence.
constexpr std::chrono::milliseconds kEscapeDelay{50};

// Keys of a terminal in raw mode. `typedAhead` holds bytes already read
// from it (while asking for the cursor position, for instance).
[[nodiscard]] std::unique_ptr<InputSource> make_terminal_keyboard(int descriptor,
                                                                  std::vector<unsigned char> typedAhead);
// Keys of a pipe or a file: each byte a key, a newline (or CR, or CR LF) Enter.
[[nodiscard]] std::unique_ptr<InputSource> make_stream_keys(int descriptor);

// The key-down and key-up events of one key.
void append_key_events(std::deque<INPUT_RECORD>& events, const KeyPress& key);

// The keys of a stream's bytes: each byte a key, a newline (or CR, or CR LF)
// Enter, whichever way the stream's reads split them.
class TypedBytes {
 public:
  void append(std::deque<INPUT_RECORD>& events, std::span<const unsigned char> bytes);

 private:
  bool afterCarriageReturn_ = false;
};

}  // namespace win32::detail
