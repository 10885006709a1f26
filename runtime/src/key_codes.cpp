// The extended key codes by modifier: one table of rules per modifier group.
#include "runtime/key_codes.h"

#include "platform/console.h"

namespace runtime {

namespace {

constexpr std::uint32_t kAltKeys = win32::LEFT_ALT_PRESSED | win32::RIGHT_ALT_PRESSED;
constexpr std::uint32_t kCtrlKeys = win32::LEFT_CTRL_PRESSED | win32::RIGHT_CTRL_PRESSED;

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

}  // namespace

std::uint8_t ExtendedKeyCode(std::uint16_t scanCode, std::uint32_t controlKeyState) {
  std::uint16_t code;
  if (controlKeyState & kAltKeys) {
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

}  // namespace runtime
