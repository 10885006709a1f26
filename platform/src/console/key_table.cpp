#include "console/key_table.h"

#include <array>

#include "platform/console.h"

namespace win32::detail {

namespace {

// One key of the typing block: its plain and shifted characters.
struct TypingKey {
  char plain;
  char shifted;
  BYTE scan;
  BYTE virtualKey;
};

constexpr std::array<TypingKey, 48> kTypingKeys{{
    {'`', '~', 41, VK_OEM_3},      {'1', '!', 2, '1'},           {'2', '@', 3, '2'},
    {'3', '#', 4, '3'},            {'4', '$', 5, '4'},           {'5', '%', 6, '5'},
    {'6', '^', 7, '6'},            {'7', '&', 8, '7'},           {'8', '*', 9, '8'},
    {'9', '(', 10, '9'},           {'0', ')', 11, '0'},          {'-', '_', 12, VK_OEM_MINUS},
    {'=', '+', 13, VK_OEM_PLUS},   {'q', 'Q', 16, 'Q'},          {'w', 'W', 17, 'W'},
    {'e', 'E', 18, 'E'},           {'r', 'R', 19, 'R'},          {'t', 'T', 20, 'T'},
    {'y', 'Y', 21, 'Y'},           {'u', 'U', 22, 'U'},          {'i', 'I', 23, 'I'},
    {'o', 'O', 24, 'O'},           {'p', 'P', 25, 'P'},          {'[', '{', 26, VK_OEM_4},
    {']', '}', 27, VK_OEM_6},      {'\\', '|', 43, VK_OEM_5},    {'a', 'A', 30, 'A'},
    {'s', 'S', 31, 'S'},           {'d', 'D', 32, 'D'},          {'f', 'F', 33, 'F'},
    {'g', 'G', 34, 'G'},           {'h', 'H', 35, 'H'},          {'j', 'J', 36, 'J'},
    {'k', 'K', 37, 'K'},           {'l', 'L', 38, 'L'},          {';', ':', 39, VK_OEM_1},
    {'\'', '"', 40, VK_OEM_7},     {'z', 'Z', 44, 'Z'},          {'x', 'X', 45, 'X'},
    {'c', 'C', 46, 'C'},           {'v', 'V', 47, 'V'},          {'b', 'B', 48, 'B'},
    {'n', 'N', 49, 'N'},           {'m', 'M', 50, 'M'},          {',', '<', 51, VK_OEM_COMMA},
    {'.', '>', 52, VK_OEM_PERIOD}, {'/', '?', 53, VK_OEM_2},     {' ', ' ', 57, VK_SPACE},
}};

// The printable ASCII characters 32..126, each with its key and Shift flag.
struct PrintableTable {
  std::array<KeyPress, 95> keys{};

  constexpr PrintableTable() {
    for (const TypingKey& k : kTypingKeys) {
      keys[static_cast<unsigned char>(k.shifted) - 32] = {k.virtualKey, k.scan, static_cast<unsigned char>(k.shifted),
                                                          k.plain == k.shifted ? 0u : SHIFT_PRESSED};
      keys[static_cast<unsigned char>(k.plain) - 32] = {k.virtualKey, k.scan, static_cast<unsigned char>(k.plain), 0};
    }
  }
};

constexpr PrintableTable kPrintable;

constexpr KeyPress ctrl(WORD virtualKey, WORD scan, unsigned char character, DWORD extra = 0) {
  return {virtualKey, scan, character, LEFT_CTRL_PRESSED | extra};
}

}  // namespace

KeyPress key_for_byte(unsigned char byte) {
  switch (byte) {
    case 0: return ctrl('2', 3, 0);  // NUL, which a terminal sends for Ctrl+2
    case 8:
    case 127: return {VK_BACK, 14, 8, 0};
    case 9: return {VK_TAB, 15, 9, 0};
    case 13: return {VK_RETURN, 28, 13, 0};
    case 27: return named_key(NamedKey::Escape);
    case 28: return ctrl(VK_OEM_5, 43, 28);
    case 29: return ctrl(VK_OEM_6, 27, 29);
    case 30: return ctrl('6', 7, 30, SHIFT_PRESSED);
    case 31: return ctrl(VK_OEM_MINUS, 12, 31, SHIFT_PRESSED);
    default: break;
  }
  if (byte < 32) {
    const KeyPress letter = kPrintable.keys['a' + byte - 1 - 32];
    return ctrl(letter.virtualKey, letter.scanCode, byte);
  }
  if (byte < 127) return kPrintable.keys[byte - 32];
  return {0, 0, byte, 0};  // a Latin-1 character without a key of its own
}

KeyPress named_key(NamedKey key) {
  constexpr DWORD kEnhanced = ENHANCED_KEY;
  switch (key) {
    case NamedKey::Up: return {VK_UP, 72, 0, kEnhanced};
    case NamedKey::Down: return {VK_DOWN, 80, 0, kEnhanced};
    case NamedKey::Right: return {VK_RIGHT, 77, 0, kEnhanced};
    case NamedKey::Left: return {VK_LEFT, 75, 0, kEnhanced};
    case NamedKey::Home: return {VK_HOME, 71, 0, kEnhanced};
    case NamedKey::End: return {VK_END, 79, 0, kEnhanced};
    case NamedKey::PageUp: return {VK_PRIOR, 73, 0, kEnhanced};
    case NamedKey::PageDown: return {VK_NEXT, 81, 0, kEnhanced};
    case NamedKey::Insert: return {VK_INSERT, 82, 0, kEnhanced};
    case NamedKey::Delete: return {VK_DELETE, 83, 0, kEnhanced};
    case NamedKey::Clear: return {VK_CLEAR, 76, 0, 0};
    case NamedKey::F11: return {VK_F11, 87, 0, 0};
    case NamedKey::F12: return {VK_F12, 88, 0, 0};
    case NamedKey::Escape: return {VK_ESCAPE, 1, 27, 0};
    case NamedKey::ShiftTab: return {VK_TAB, 15, 9, SHIFT_PRESSED};
    case NamedKey::KeypadEnter: return {VK_RETURN, 28, 13, kEnhanced};
    case NamedKey::KeypadMultiply: return {VK_MULTIPLY, 55, '*', 0};
    case NamedKey::KeypadAdd: return {VK_ADD, 78, '+', 0};
    case NamedKey::KeypadComma: return {VK_OEM_COMMA, 51, ',', 0};
    case NamedKey::KeypadSubtract: return {VK_SUBTRACT, 74, '-', 0};
    case NamedKey::KeypadDecimal: return {VK_DECIMAL, 83, '.', NUMLOCK_ON};
    case NamedKey::KeypadDivide: return {VK_DIVIDE, 53, '/', kEnhanced};
    case NamedKey::KeypadEquals: return {VK_OEM_PLUS, 13, '=', 0};
    default: break;
  }
  if (key >= NamedKey::F1 && key <= NamedKey::F10) {
    const int n = static_cast<int>(key) - static_cast<int>(NamedKey::F1);
    return {static_cast<WORD>(VK_F1 + n), static_cast<WORD>(59 + n), 0, 0};
  }
  // Keypad digits with Num Lock on; their scan codes are those of the
  // cursor keys that share the keypad.
  constexpr std::array<WORD, 10> kDigitScans{82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
  const int digit = static_cast<int>(key) - static_cast<int>(NamedKey::Keypad0);
  return {static_cast<WORD>(VK_NUMPAD0 + digit), kDigitScans[static_cast<std::size_t>(digit)],
          static_cast<unsigned char>('0' + digit), NUMLOCK_ON};
}

DWORD modifier_state(unsigned parameter) {
  if (parameter < 2 || parameter > 16) return 0;
  const unsigned bits = parameter - 1;
  DWORD state = 0;
  if (bits & 1) state |= SHIFT_PRESSED;
  if (bits & (2 | 8)) state |= LEFT_ALT_PRESSED;
  if (bits & 4) state |= LEFT_CTRL_PRESSED;
  return state;
}

}  // namespace win32::detail
