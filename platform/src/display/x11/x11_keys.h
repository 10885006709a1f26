// X keysyms as Win32 virtual keys, with the PC keyboard's scan code that a
// key message carries in its lParam.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

struct VirtualKey {
  WPARAM code = 0;  // 0: no virtual key for this keysym
  BYTE scan = 0;    // set-1 scan code
  bool extended = false;  // one of the keys that the PC keyboard sends with an E0 prefix
};

// The virtual key of a keysym as the keyboard's first level gives it
// (lower-case letters, unshifted digits and punctuation, keypad keys as
// NumLock makes them).
[[nodiscard]] VirtualKey virtual_key_of(unsigned long keysym);

// Virtual keys that the translation of modifiers needs.
constexpr WPARAM kVkShift = 0x10;
constexpr WPARAM kVkControl = 0x11;
constexpr WPARAM kVkMenu = 0x12;  // Alt
constexpr WPARAM kVkF10 = 0x79;

}  // namespace win32::detail
