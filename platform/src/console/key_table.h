// The keys of a US PC keyboard as a Win32 console reports them: virtual key,
// PC scan code (set 1), character and the control-key flags they carry.
#pragma once

#include "console/key_decoder.h"

namespace win32::detail {

enum class NamedKey {
  Up, Down, Right, Left, Home, End, PageUp, PageDown, Insert, Delete,
  Clear,  // keypad 5 with Num Lock off
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Escape, ShiftTab,
  KeypadEnter, KeypadMultiply, KeypadAdd, KeypadComma, KeypadSubtract, KeypadDecimal, KeypadDivide,
  Keypad0, Keypad1, Keypad2, Keypad3, Keypad4, Keypad5, Keypad6, Keypad7, Keypad8, Keypad9,
  KeypadEquals,
};

[[nodiscard]] KeyPress named_key(NamedKey key);

// The control-key state of an xterm modifier parameter: 1 + (1 Shift,
// 2 Alt, 4 Ctrl, 8 Meta); Meta counts as Alt. Out-of-range values give none.
[[nodiscard]] DWORD modifier_state(unsigned parameter);

}  // namespace win32::detail
