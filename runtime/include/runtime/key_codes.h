// The codes of extended keys. A key that types no character (a function
// key, a cursor key, Alt with a letter) is read as the character 0 followed
// by one code; the console library's ReadKey and the graphics library's
// ReadWindowKey give the same code for the same key.
#pragma once

#include <array>
#include <cstdint>

namespace runtime {

// The extended codes of the cursor and editing keys, without a modifier.
namespace extended_keys {
inline constexpr std::uint8_t Home = 71;
inline constexpr std::uint8_t Up = 72;
inline constexpr std::uint8_t PageUp = 73;
inline constexpr std::uint8_t Left = 75;
inline constexpr std::uint8_t Right = 77;
inline constexpr std::uint8_t End = 79;
inline constexpr std::uint8_t Down = 80;
inline constexpr std::uint8_t PageDown = 81;
inline constexpr std::uint8_t Insert = 82;
inline constexpr std::uint8_t Delete = 83;
}  // namespace extended_keys

// Extended codes for Ctrl with the keys of scan codes 71 to 83 (Home, Up,
// PgUp, keypad -, Left, keypad 5, Right, keypad +, End, Down, PgDn, Ins, Del).
inline constexpr std::array<std::uint8_t, 13> CtrlKeypadKeys{119, 141, 132, 142, 115, 143, 116,
                                                             78,  117, 145, 118, 146, 147};

// The extended code of the key with PC scan code `scanCode` under the
// modifiers of `controlKeyState` (the control-key state bits of a console
// key event: Alt 0x1/0x2, Ctrl 0x4/0x8, Shift 0x10). Only the first of Alt,
// Ctrl and Shift that is held counts: F1 gives 59, Shift-F1 84, Ctrl-F1 94,
// Alt-F1 104; a key without a code of its own for its modifier gives its
// scan code (Alt-X 45, Up 72).
[[nodiscard]] std::uint8_t ExtendedKeyCode(std::uint16_t scanCode, std::uint32_t controlKeyState);

}  // namespace runtime
