// The console library's process-wide state, zero or false until the
// initialisation runs, and the routines that work on it inside the library.
#pragma once

#include <array>
#include <cstdint>

#include "console/console.h"
#include "platform/console.h"

namespace console {

// ---- Private state ----------------------------------------------------------------

extern win32::HANDLE OutHandle;    // the console's screen buffer
extern win32::HANDLE InputHandle;  // the console's input
extern win32::CONSOLE_SCREEN_BUFFER_INFO ConsoleInfo;
extern std::int32_t ScreenWidth;  // columns and rows of the whole screen buffer
extern std::int32_t ScreenHeight;
extern std::int32_t CursorSaveX;  // the cursor position last given to the console, 0-based
extern std::int32_t CursorSaveY;
extern std::int32_t CurrX;  // working cursor, 1-based, while a write or a line read runs
extern std::int32_t CurrY;
extern std::uint8_t NormAttr;  // TextAttr at start-up, which NormVideo restores
extern std::uint8_t ScanCode;  // pending character or extended-key code; 0: none
extern bool SpecialKey;        // the pending code is an extended key's: ReadKey gives 0 first
extern bool DoingNumChars;     // a code is being typed as Alt + keypad digits
extern std::uint8_t DoingNumCode;

inline constexpr const char* ConOut = "CONOUT$";
inline constexpr const char* ConIn = "CONIN$";

// ---- Routines -------------------------------------------------------------------

[[nodiscard]] std::int32_t GetScreenWidth();
// WindMax of a window whose lower-right corner is column `right`, row
// `bottom` (1-based): low byte right - 1, high byte bottom - 1, each at most 255.
[[nodiscard]] std::uint16_t PackWindMax(std::int32_t right, std::int32_t bottom);
[[nodiscard]] std::int32_t GetScreenHeight();
void GetScreenCursor(std::int32_t& x, std::int32_t& y);
void SetScreenCursor(std::int32_t x, std::int32_t y);
void WriteChar(std::uint8_t c);
// One cell holding `c` (whatever it is) in TextAttr at column x, row y
// (1-based, of the screen); the cursor does not move.
void WriteCell(std::int32_t x, std::int32_t y, std::uint8_t c);
void RemoveLine(std::int32_t y);
// Moves the window's rows from screen row `top` (1-based) to its last row
// by `rows`: down when positive, up when negative. Rows moved past the
// window's edge are lost; the rows uncovered are blanked in TextAttr.
void ShiftWindowRows(std::int32_t top, std::int32_t rows);
// Writes what Output still holds at the library's cursor.
void FlushPendingOutput();
[[nodiscard]] std::uint8_t RemapScanCode(std::uint16_t scanCode, std::uint32_t controlKeyState,
                                         std::uint16_t virtualKey);

// The text-file hooks of console files; each returns 0.
std::int32_t CrtOpen(runtime::TextRec& f);
std::int32_t CrtWrite(runtime::TextRec& f);
std::int32_t CrtRead(runtime::TextRec& f);
std::int32_t CrtReturn(runtime::TextRec& f);
std::int32_t CrtClose(runtime::TextRec& f);

}  // namespace console
