// Key input: console key events turned into characters and extended codes.
#include "crt_state.h"
#include "platform/kernel.h"
#include "runtime/key_codes.h"

namespace console {

namespace {

constexpr std::uint32_t kAltKeys = win32::LEFT_ALT_PRESSED | win32::RIGHT_ALT_PRESSED;

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
  if ((controlKeyState & kAltKeys) && IsKeypadDigit(virtualKey)) {
    DoingNumChars = true;
    DoingNumCode = static_cast<std::uint8_t>(DoingNumCode * 10 + (virtualKey - win32::VK_NUMPAD0));
  }
  return runtime::ExtendedKeyCode(scanCode, controlKeyState);
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
