#include "display/x11/x11_input.h"

#include <cstdlib>

#include "display/x11/x11_keys.h"
#include "user/key_messages.h"

namespace win32::detail {

namespace {

// Two presses of a button count as a double click within this time and
// distance, as Win32's defaults have them.
constexpr Time kDoubleClickMs = 500;
constexpr int kDoubleClickDistance = 4;

// The mouse buttons' messages (down; up and double click follow it).
UINT down_message(unsigned int button) {
  switch (button) {
    case Button1: return WM_LBUTTONDOWN;
    case Button2: return WM_MBUTTONDOWN;
    case Button3: return WM_RBUTTONDOWN;
    default: return 0;
  }
}

WPARAM button_flag(unsigned int button) {
  switch (button) {
    case Button1: return MK_LBUTTON;
    case Button2: return MK_MBUTTON;
    default: return MK_RBUTTON;
  }
}

// The buttons and modifiers held, from the state before the event.
WPARAM mouse_key_flags(unsigned int state) {
  WPARAM flags = 0;
  if (state & Button1Mask) flags |= MK_LBUTTON;
  if (state & Button2Mask) flags |= MK_MBUTTON;
  if (state & Button3Mask) flags |= MK_RBUTTON;
  if (state & ShiftMask) flags |= MK_SHIFT;
  if (state & ControlMask) flags |= MK_CONTROL;
  return flags;
}

LPARAM position(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

}  // namespace

std::optional<WindowMessage> InputTranslator::key(const XKeyEvent& event, unsigned long keysym) {
  const VirtualKey key = virtual_key_of(keysym);
  if (key.code == 0) return std::nullopt;
  const bool pressed = event.type == KeyPress;
  const std::size_t slot = event.keycode % keys_down_.size();
  const bool was_down = keys_down_.test(slot);
  keys_down_.set(slot, pressed);

  // Alt held (or being pressed), without Ctrl (Ctrl+Alt is AltGr), and F10
  // make the system variants.
  const bool alt = (event.state & Mod1Mask) != 0 || key.code == kVkMenu;
  const bool control = (event.state & ControlMask) != 0;
  const bool system = (alt && !control) || key.code == kVkF10;
  UINT message = pressed ? WM_KEYDOWN : WM_KEYUP;
  if (system) message = pressed ? WM_SYSKEYDOWN : WM_SYSKEYUP;

  const KeyTransition transition{key.scan, key.extended, alt && system, was_down, !pressed};
  return WindowMessage{message, key.code, key_message_lparam(transition)};
}

std::optional<WindowMessage> InputTranslator::button(const XButtonEvent& event) {
  const bool pressed = event.type == ButtonPress;
  if (event.button == Button4 || event.button == Button5) {
    // A notch of the wheel is a press (and a release) of a button of its
    // own; only the press counts. Wheel messages carry screen coordinates.
    if (!pressed) return std::nullopt;
    const int notch = event.button == Button4 ? WHEEL_DELTA : -WHEEL_DELTA;
    return WindowMessage{WM_MOUSEWHEEL,
                         MAKEWPARAM(static_cast<WORD>(mouse_key_flags(event.state)), static_cast<WORD>(notch)),
                         position(event.x_root, event.y_root)};
  }
  const UINT down = down_message(event.button);
  if (down == 0) return std::nullopt;
  WPARAM flags = mouse_key_flags(event.state);
  flags = pressed ? (flags | button_flag(event.button)) : (flags & ~button_flag(event.button));
  const LPARAM at = position(event.x, event.y);
  if (!pressed) return WindowMessage{down + 1, flags, at};

  const bool second = double_clicks_ && last_click_ && last_click_->button == event.button &&
                      event.time - last_click_->time <= kDoubleClickMs &&
                      std::abs(event.x - last_click_->x) <= kDoubleClickDistance &&
                      std::abs(event.y - last_click_->y) <= kDoubleClickDistance;
  // A double click ends the pair: a third press starts a new one.
  if (second) {
    last_click_.reset();
  } else {
    last_click_ = Click{event.button, event.time, event.x, event.y};
  }
  return WindowMessage{second ? down + 2 : down, flags, at};
}

WindowMessage InputTranslator::motion(const XMotionEvent& event) {
  return WindowMessage{WM_MOUSEMOVE, mouse_key_flags(event.state), position(event.x, event.y)};
}

}  // namespace win32::detail
