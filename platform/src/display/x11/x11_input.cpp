#include "display/x11/x11_input.h"

#include <cstdlib>

#include "display/x11/x11_keys.h"

namespace win32::detail {

namespace {

// Key flags of wParam in mouse messages.
constexpr WPARAM kMkLButton = 0x0001;
constexpr WPARAM kMkRButton = 0x0002;
constexpr WPARAM kMkShift = 0x0004;
constexpr WPARAM kMkControl = 0x0008;
constexpr WPARAM kMkMButton = 0x0010;

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
    case Button1: return kMkLButton;
    case Button2: return kMkMButton;
    default: return kMkRButton;
  }
}

// The buttons and modifiers held, from the state before the event.
WPARAM mouse_key_flags(unsigned int state) {
  WPARAM flags = 0;
  if (state & Button1Mask) flags |= kMkLButton;
  if (state & Button2Mask) flags |= kMkMButton;
  if (state & Button3Mask) flags |= kMkRButton;
  if (state & ShiftMask) flags |= kMkShift;
  if (state & ControlMask) flags |= kMkControl;
  return flags;
}

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

  DWORD bits = 1;  // repeat count
  bits |= static_cast<DWORD>(key.scan) << 16;
  if (key.extended) bits |= 1u << 24;
  if (alt && system) bits |= 1u << 29;
  if (pressed ? was_down : true) bits |= 1u << 30;
  if (!pressed) bits |= 1u << 31;
  return WindowMessage{message, key.code, static_cast<LPARAM>(bits)};
}

std::optional<WindowMessage> InputTranslator::button(const XButtonEvent& event) {
  const UINT down = down_message(event.button);
  if (down == 0) return std::nullopt;
  const bool pressed = event.type == ButtonPress;
  WPARAM flags = mouse_key_flags(event.state);
  flags = pressed ? (flags | button_flag(event.button)) : (flags & ~button_flag(event.button));
  const LPARAM position = MAKELPARAM(static_cast<WORD>(event.x), static_cast<WORD>(event.y));
  if (!pressed) return WindowMessage{down + 1, flags, position};

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
  return WindowMessage{second ? down + 2 : down, flags, position};
}

}  // namespace win32::detail
