// Keyboard and mouse events of an X window as the window messages of Win32:
// WM_KEYDOWN/WM_KEYUP (WM_SYSKEYDOWN/WM_SYSKEYUP with Alt or F10) with the
// key's previous state, the button downs, ups and double clicks, the
// pointer's movement and the wheel's notches.
#pragma once

#include <bitset>
#include <optional>

#include "platform/user.h"

#include <X11/Xlib.h>

namespace win32::detail {

struct WindowMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// One window's keyboard and mouse state. With detectable autorepeat a held
// key sends presses only; a press of a key that is already down is a repeat.
class InputTranslator {
 public:
  // `double_clicks`: the window's class asks for WM_xBUTTONDBLCLK (CS_DBLCLKS).
  explicit InputTranslator(bool double_clicks) : double_clicks_(double_clicks) {}

  // A key press or release, given the keysym of its first level.
  [[nodiscard]] std::optional<WindowMessage> key(const XKeyEvent& event, unsigned long keysym);
  // A press or release of the left, middle or right button, or a notch of
  // the wheel (X's buttons 4 and 5, pressed); nothing for further buttons.
  [[nodiscard]] std::optional<WindowMessage> button(const XButtonEvent& event);
  // The pointer moved within the window (or anywhere while a button it was
  // pressed in is held).
  [[nodiscard]] static WindowMessage motion(const XMotionEvent& event);
  // The window lost the keyboard: keys held now are released elsewhere.
  void focus_lost() { keys_down_.reset(); }

 private:
  struct Click {
    unsigned int button = 0;
    Time time = 0;
    int x = 0;
    int y = 0;
  };

  bool double_clicks_;
  std::bitset<256> keys_down_;
  std::optional<Click> last_click_;
};

}  // namespace win32::detail
