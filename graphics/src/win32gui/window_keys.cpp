#include "win32gui/window_keys.h"

#include "platform/console.h"
#include "platform/user.h"
#include "runtime/key_codes.h"

namespace graph {

namespace {

// lParam of key messages: the scan code and the Alt key's context bit.
constexpr unsigned kScanShift = 16;
constexpr win32::LPARAM kScanMask = 0xFF;
constexpr win32::LPARAM kAltContext = win32::LPARAM{1} << 29;

// The keys that type no character, as Windows translates keys.
bool TypesNoCharacter(win32::WPARAM key) {
  return key == win32::VK_CLEAR || (key >= win32::VK_PRIOR && key <= win32::VK_DOWN) ||
         key == win32::VK_INSERT || key == win32::VK_DELETE ||
         (key >= win32::VK_F1 && key <= win32::VK_F24);
}

bool IsKeypadDigit(win32::WPARAM key) { return key >= win32::VK_NUMPAD0 && key <= win32::VK_NUMPAD9; }

}  // namespace

std::optional<WindowKey> WindowKeyTranslator::Translate(win32::UINT message, win32::WPARAM wParam,
                                                        win32::LPARAM lParam) {
  const bool down = message == win32::WM_KEYDOWN || message == win32::WM_SYSKEYDOWN;
  const bool up = message == win32::WM_KEYUP || message == win32::WM_SYSKEYUP;
  if (message == win32::WM_CHAR) {
    const auto character = static_cast<std::uint8_t>(wParam & 0xFF);
    if (character == 0) return std::nullopt;
    return WindowKey{false, character};
  }
  if (!down && !up) return std::nullopt;  // WM_SYSCHAR, WM_DEADCHAR
  if (wParam == win32::VK_SHIFT) {
    shift_ = down;
    return std::nullopt;
  }
  if (wParam == win32::VK_CONTROL) {
    control_ = down;
    return std::nullopt;
  }
  if (up || wParam == win32::VK_MENU) return std::nullopt;

  const bool alt = message == win32::WM_SYSKEYDOWN && (lParam & kAltContext) != 0;
  if (alt && wParam == win32::VK_RETURN) return WindowKey{false, 13};  // Alt-Enter is Enter
  // Alt with keypad digits composes a character code in the console; the
  // window leaves the digits out.
  if (alt && IsKeypadDigit(wParam)) return std::nullopt;
  if (!alt && !TypesNoCharacter(wParam)) return std::nullopt;  // its WM_CHAR follows

  std::uint32_t state = 0;
  if (alt) state |= win32::LEFT_ALT_PRESSED;
  if (control_) state |= win32::LEFT_CTRL_PRESSED;
  if (shift_) state |= win32::SHIFT_PRESSED;
  const auto scan = static_cast<std::uint16_t>((lParam >> kScanShift) & kScanMask);
  return WindowKey{true, runtime::ExtendedKeyCode(scan, state)};
}

}  // namespace graph
