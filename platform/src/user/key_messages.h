// The lParam of a key message as Win32 packs it: repeat count 1, the PC
// scan code, the extended-key flag, Alt's context bit, the key's previous
// state and the transition state.
#pragma once

#include "platform/win32_types.h"

namespace win32::detail {

struct KeyTransition {
  BYTE scan = 0;
  bool extended = false;     // one of the keys sent with an E0 prefix
  bool alt_context = false;  // Alt is held (system key messages)
  bool was_down = false;     // a press of a key already down is a repeat
  bool released = false;
};

[[nodiscard]] constexpr LPARAM key_message_lparam(const KeyTransition& key) {
  DWORD bits = 1;  // repeat count
  bits |= static_cast<DWORD>(key.scan) << 16;
  if (key.extended) bits |= 1u << 24;
  if (key.alt_context) bits |= 1u << 29;
  if (key.was_down || key.released) bits |= 1u << 30;
  if (key.released) bits |= 1u << 31;
  return static_cast<LPARAM>(bits);
}

}  // namespace win32::detail
