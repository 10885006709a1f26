// The graph window's key messages as the keys a program reads: WM_CHAR
// gives a character; WM_KEYDOWN of a key that types none (a function or
// cursor key), and WM_SYSKEYDOWN of any key with Alt, give an extended
// code under the modifiers held. The character that Windows makes of an
// Alt key (WM_SYSCHAR) is left out: the key has already been read.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/win32_types.h"

namespace graph {

struct WindowKey {
  bool Extended;      // read as 0, then Code
  std::uint8_t Code;  // the character, or the extended code
};

// One window's keyboard: Shift and Ctrl are followed from their own key
// messages, Alt from the context bit of the message that it changes.
class WindowKeyTranslator {
 public:
  [[nodiscard]] std::optional<WindowKey> Translate(win32::UINT message, win32::WPARAM wParam,
                                                   win32::LPARAM lParam);
  void Reset() { shift_ = control_ = false; }

 private:
  bool shift_ = false;
  bool control_ = false;
};

}  // namespace graph
