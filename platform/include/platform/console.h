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

#include "platform/virtual_keys.h"
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
