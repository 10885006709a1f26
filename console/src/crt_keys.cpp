// Key input: console key events turned into characters and extended codes.
#include "crt_state.h"
#include "platform/kernel.h"

namespace console {

namespace {

constexpr std::uint32_t kAltKeys = win32::LEFT_ALT_PRESSED | win32::RIGHT_ALT_PRESSED;
constexpr std::uint32_t kCtrlKeys = win32::LEFT_CTRL_PRESSED | win32::RIGHT_CTRL_PRESSED;

bool IsKeypadDigit(std::uint16_t virtualKey) {
  return virtualKey >= win32::VK_NUMPAD0 && virtualKey <= win32::VK_NUMPAD9;
}

bool IsLockOrModifier(std::uint16_t virtualKey) {
  switch (virtualKey) {
    case win32::VK_SHIFT:
    case win32::VK_CONTROL:
    case win32::VK_MENU:
    case win32::VK_CAPITAL:
    case win32::VK_NUMLOCK:
    case win32::VK_SCROLL: return true;
    default: return false;
  }
}

std::uint16_t AltCode(std::uint16_t scan) {
  if (scan >= 2 && scan <= 13) return scan + 118;
  if (scan == 28) return 166;
  if (scan == 53) return 164;
  if (scan >= 59 && scan <= 68) return scan + 45;
  switch (scan) {
    case 71: case 72: case 73: case 75: case 77:
    case 79: case 80: case 81: case 82: case 83: return scan + 80;
    case 87: case 88: return scan + 52;
    default: return scan;
  }
}

std::uint16_t CtrlCode(std::uint16_t scan) {
  if (scan == 15) return 148;
  if (scan == 53) return 149;
  if (scan == 55) return 150;
  if (scan >= 59 && scan <= 68) return scan + 35;
  if (scan >= 71 && scan <= 83) return CtrlKeypadKeys[scan - 71];
  if (scan == 87 || scan == 88) return scan + 50;
  return scan;
}

std::uint16_t ShiftCode(std::uint16_t scan) {
  if (scan >= 59 && scan <= 68) return scan + 25;
  if (scan == 87 || scan == 88) return scan + 48;
  return scan;
}

std::uint16_t PlainCode(std::uint16_t scan) { return scan == 87 || scan == 88 ? scan + 46 : scan; }

// One key-down event: decides what it delivers. Returns true when it
// delivered a key; ScanCode and SpecialKey then say which.
bool TakeKeyDown(const win32::KEY_EVENT_RECORD& key) {
  if (IsLockOrModifier(key.wVirtualKeyCode)) return false;
  const auto character = static_cast<std::uint8_t>(key.uChar.AsciiChar);
  if (character == 0 || (key.dwControlKeyState & (win32::ENHANCED_KEY | win32::LEFT_ALT_PRESSED)) != 0) {
    if (character == 13 && key.wVirtualKeyCode == win32::VK_RETURN) {
      SpecialKey = false;  // the keypad's Enter (or Enter with Left Alt) is Enter
      ScanCode = 13;
    } else {
      SpecialKey = true;
      ScanCode = RemapScanCode(key.wVirtualScanCode, key.dwControlKeyState, key.wVirtualKeyCode);
    }
  } else {
    SpecialKey = false;
    ScanCode = character;
  }
  // Alt with a keypad digit types part of a character code: the digit
  // itself is withdrawn.
  if (IsKeypadDigit(key.wVirtualKeyCode) && (key.dwControlKeyState & kAltKeys) != 0) {
    ScanCode = 0;
    SpecialKey = false;
    return false;
  }
  return true;
}

}  // namespace

std::uint8_t RemapScanCode(std::uint16_t scanCode, std::uint32_t controlKeyState, std::uint16_t virtualKey) {
  std::uint16_t code;
  if (controlKeyState & kAltKeys) {
    if (IsKeypadDigit(virtualKey)) {
      DoingNumChars = true;
      DoingNumCode = static_cast<std::uint8_t>(DoingNumCode * 10 + (virtualKey - win32::VK_NUMPAD0));
    }
    code = AltCode(scanCode);
  } else if (controlKeyState & kCtrlKeys) {
    code = CtrlCode(scanCode);
  } else if (controlKeyState & win32::SHIFT_PRESSED) {
    code = ShiftCode(scanCode);
  } else {
    code = PlainCode(scanCode);
  }
  return static_cast<std::uint8_t>(code);
}

bool KeyPressed() {
  if (ScanCode != 0) return true;
  const win32::HANDLE input = runtime::Input.Handle;
  win32::DWORD waiting = 0;
  while (win32::GetNumberOfConsoleInputEvents(input, &waiting) && waiting > 0) {
    win32::INPUT_RECORD record{};
    win32::DWORD read = 0;
    win32::ReadConsoleInputA(input, &record, 1, &read);
    if (read == 0 || record.EventType != win32::KEY_EVENT) continue;
    const win32::KEY_EVENT_RECORD& key = record.Event.KeyEvent;
    if (!key.bKeyDown) {
      if (key.wVirtualKeyCode == win32::VK_MENU && DoingNumChars && DoingNumCode != 0) {
        ScanCode = DoingNumCode;
        DoingNumChars = false;
        DoingNumCode = 0;
        return true;
      }
      continue;
    }
    if (TakeKeyDown(key)) return true;
  }
  return false;
}

std::uint8_t ReadKey() {
  do {
    win32::WaitForSingleObject(runtime::Input.Handle, 1000);
  } while (!KeyPressed());
  if (SpecialKey) {
    SpecialKey = false;
    return 0;
  }
  const std::uint8_t key = ScanCode;
  ScanCode = 0;
  return key;
}

}  // namespace console
