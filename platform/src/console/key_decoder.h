// Turns the bytes that a terminal sends for typed keys into key presses with
// the virtual key, PC scan code, character and control-key state that a Win32
// console reports for the same key on a US keyboard.
//
// The decoder is a pure function over a byte buffer: it says whether the
// buffer starts with a key, needs more bytes to tell, or starts with a
// sequence that is no key (which the caller drops whole).
//
// Forms understood:
// - printable ASCII, Latin-1 bytes and UTF-8 (code points above 0xFF give '?');
// - Enter (13), Tab (9), Backspace (8 and 127), Ctrl+letter and Ctrl+2/6/-/\/];
// - Esc alone, once no further byte has come within the escape delay;
// - Alt as an Esc prefix to any key, sequences included;
// - CSI A B C D H F E and SS3 A B C D H F E (arrows, Home, End, keypad 5);
// - CSI n ~ for Home, Ins, Del, End, PgUp, PgDn (1-8) and F1-F12 (11-24);
// - SS3 P Q R S and CSI P Q R S (F1-F4), CSI [ A-E (linux console F1-F5);
// - xterm modifier parameters (CSI 1;5D is Ctrl+Left, CSI 15;2~ Shift+F5,
//   SS3 5P) with 2 Shift, 3 Alt, 5 Ctrl and their sums, Meta counted as Alt;
// - rxvt's CSI n ^ (Ctrl), CSI n $ (Shift), CSI n @ (Ctrl+Shift), CSI a-d
//   (Shift+arrows) and SS3 a-d (Ctrl+arrows);
// - CSI Z (Shift+Tab), SS3 M (keypad Enter), SS3 j-y and X (keypad keys);
// - xterm's CSI 27;m;c~ for a character c with modifiers.
// Everything else, bracketed-paste markers included, is no key.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "platform/win32_types.h"

namespace win32::detail {

struct KeyPress {
  WORD virtualKey = 0;
  WORD scanCode = 0;
  unsigned char character = 0;
  DWORD controlKeyState = 0;

  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

enum class DecodeStatus {
  Key,       // `key` is the key at the start; `length` bytes make it
  NeedMore,  // the bytes so far start a sequence that is not complete yet
  NotAKey,   // the first `length` bytes are no key and are to be dropped
};

struct Decoded {
  DecodeStatus status = DecodeStatus::NeedMore;
  std::size_t length = 0;
  KeyPress key{};
};

// Decodes the key at the start of `bytes`. `moreMayFollow` is false once the
// terminal has been quiet for the escape delay: an incomplete sequence is
// then settled (a lone Esc is the Esc key) and NeedMore is never returned.
// Key and NotAKey always consume at least one byte; NeedMore consumes none.
[[nodiscard]] Decoded decode_key(std::span<const unsigned char> bytes, bool moreMayFollow);

// Decodes every complete key at the start of `bytes` into `keys` and
// returns how many bytes were used up (keys and dropped sequences).
std::size_t decode_keys(std::span<const unsigned char> bytes, bool moreMayFollow, std::vector<KeyPress>& keys);

// The key that types one byte by itself: a character, Enter, Tab,
// Backspace, Esc or a Ctrl combination (no sequences, no UTF-8).
[[nodiscard]] KeyPress key_for_byte(unsigned char byte);

}  // namespace win32::detail
