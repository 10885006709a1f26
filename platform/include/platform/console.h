// The console part of the platform layer: Win32's console screen-buffer and
// console-input operations with Win32's names, argument order and meaning.
//
// The process has one console. On a terminal its screen buffer is the
// terminal's size and its input is the keyboard, decoded into key events;
// with standard input a pipe or a file, that input's bytes are the key
// events; with no terminal for output, the screen buffer lives in memory.
// The standard handles name the console where Win32 would (a standard input
// or a standard output that is the terminal), and "CONOUT$" / "CONIN$" open
// it through CreateFileA.
#pragma once

#include "platform/win32_types.h"

namespace win32 {

using SHORT = std::int16_t;
using CHAR = char;
using WCHAR = char16_t;

struct COORD {
  SHORT X;
  SHORT Y;
};

struct SMALL_RECT {
  SHORT Left;
  SHORT Top;
  SHORT Right;
  SHORT Bottom;
};

struct CHAR_INFO {
  union {
    WCHAR UnicodeChar;
    CHAR AsciiChar;
  } Char;
  WORD Attributes;
};

struct CONSOLE_SCREEN_BUFFER_INFO {
  COORD dwSize;
  COORD dwCursorPosition;
  WORD wAttributes;
  SMALL_RECT srWindow;
  COORD dwMaximumWindowSize;
};

// ---- Input events -------------------------------------------------------------

constexpr WORD KEY_EVENT = 0x1;
constexpr WORD MOUSE_EVENT = 0x2;
constexpr WORD WINDOW_BUFFER_SIZE_EVENT = 0x4;
constexpr WORD MENU_EVENT = 0x8;
constexpr WORD FOCUS_EVENT = 0x10;

// Control-key state flags of a key event.
constexpr DWORD RIGHT_ALT_PRESSED = 0x1;
constexpr DWORD LEFT_ALT_PRESSED = 0x2;
constexpr DWORD RIGHT_CTRL_PRESSED = 0x4;
constexpr DWORD LEFT_CTRL_PRESSED = 0x8;
constexpr DWORD SHIFT_PRESSED = 0x10;
constexpr DWORD NUMLOCK_ON = 0x20;
constexpr DWORD SCROLLLOCK_ON = 0x40;
constexpr DWORD CAPSLOCK_ON = 0x80;
constexpr DWORD ENHANCED_KEY = 0x100;

struct KEY_EVENT_RECORD {
  BOOL bKeyDown;
  WORD wRepeatCount;
  WORD wVirtualKeyCode;
  WORD wVirtualScanCode;
  union {
    WCHAR UnicodeChar;
    CHAR AsciiChar;
  } uChar;
  DWORD dwControlKeyState;
};

struct WINDOW_BUFFER_SIZE_RECORD {
  COORD dwSize;
};

struct FOCUS_EVENT_RECORD {
  BOOL bSetFocus;
};

struct INPUT_RECORD {
  WORD EventType;
  union {
    KEY_EVENT_RECORD KeyEvent;
    WINDOW_BUFFER_SIZE_RECORD WindowBufferSizeEvent;
    FOCUS_EVENT_RECORD FocusEvent;
  } Event;
};

// ---- Virtual key codes --------------------------------------------------------

constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_CLEAR = 0x0C;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_SHIFT = 0x10;
constexpr WORD VK_CONTROL = 0x11;
constexpr WORD VK_MENU = 0x12;
constexpr WORD VK_CAPITAL = 0x14;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_PRIOR = 0x21;
constexpr WORD VK_NEXT = 0x22;
constexpr WORD VK_END = 0x23;
constexpr WORD VK_HOME = 0x24;
constexpr WORD VK_LEFT = 0x25;
constexpr WORD VK_UP = 0x26;
constexpr WORD VK_RIGHT = 0x27;
constexpr WORD VK_DOWN = 0x28;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_NUMPAD0 = 0x60;
constexpr WORD VK_NUMPAD9 = 0x69;
constexpr WORD VK_MULTIPLY = 0x6A;
constexpr WORD VK_ADD = 0x6B;
constexpr WORD VK_SUBTRACT = 0x6D;
constexpr WORD VK_DECIMAL = 0x6E;
constexpr WORD VK_DIVIDE = 0x6F;
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F10 = 0x79;
constexpr WORD VK_F11 = 0x7A;
constexpr WORD VK_F12 = 0x7B;
constexpr WORD VK_NUMLOCK = 0x90;
constexpr WORD VK_SCROLL = 0x91;
constexpr WORD VK_OEM_1 = 0xBA;       // ; :
constexpr WORD VK_OEM_PLUS = 0xBB;    // = +
constexpr WORD VK_OEM_COMMA = 0xBC;   // , <
constexpr WORD VK_OEM_MINUS = 0xBD;   // - _
constexpr WORD VK_OEM_PERIOD = 0xBE;  // . >
constexpr WORD VK_OEM_2 = 0xBF;       // / ?
constexpr WORD VK_OEM_3 = 0xC0;       // ` ~
constexpr WORD VK_OEM_4 = 0xDB;       // [ {
constexpr WORD VK_OEM_5 = 0xDC;       // \ |
constexpr WORD VK_OEM_6 = 0xDD;       // ] }
constexpr WORD VK_OEM_7 = 0xDE;       // ' "

// ---- Screen buffer --------------------------------------------------------------

BOOL GetConsoleScreenBufferInfo(HANDLE output, CONSOLE_SCREEN_BUFFER_INFO* info);

// Writes the cells of `buffer` (bufferSize columns x rows, starting at
// bufferCoord) into `writeRegion`, clipped to the screen buffer; the region
// is updated to what was written. The console cursor does not move.
BOOL WriteConsoleOutputA(HANDLE output, const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                         SMALL_RECT* writeRegion);

// Reads cells of the screen buffer back, the mirror of WriteConsoleOutputA.
BOOL ReadConsoleOutputA(HANDLE output, CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                        SMALL_RECT* readRegion);

BOOL SetConsoleCursorPosition(HANDLE output, COORD position);

// Moves the cells of `scrollRectangle` so that its top-left corner lands on
// `destinationOrigin`. Only cells inside `clipRectangle` (the whole buffer
// when null) change; cells of the source that the move uncovers are filled
// with `fill`.
BOOL ScrollConsoleScreenBufferA(HANDLE output, const SMALL_RECT* scrollRectangle, const SMALL_RECT* clipRectangle,
                                COORD destinationOrigin, const CHAR_INFO* fill);

// ---- Input --------------------------------------------------------------------

BOOL GetNumberOfConsoleInputEvents(HANDLE input, DWORD* numberOfEvents);

// Removes up to `length` of the oldest events; waits for one when none is there.
BOOL ReadConsoleInputA(HANDLE input, INPUT_RECORD* buffer, DWORD length, DWORD* numberOfEventsRead);

// Appends events to the input buffer, as if they had been typed.
BOOL WriteConsoleInputA(HANDLE input, const INPUT_RECORD* buffer, DWORD length, DWORD* numberOfEventsWritten);

}  // namespace win32
