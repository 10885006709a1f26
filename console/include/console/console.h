// The console library: the program's standard text files Input and Output
// on the console, key input, line editing, the text screen (clearing, the
// cursor, the text window, lines and colours) and Delay.
//
// Including this header enters the library's initialisation as the fourth
// library of the runtime's table, so InitializeUnits runs it after the
// runtime's own and before the graphics library's: from then on Output
// writes character cells at a cursor the library tracks, and Input reads
// key events and edits one line at a time. StdOut and StdErr stay plain
// handle files.
#pragma once

#include <cstdint>

#include "runtime/colours.h"
#include "runtime/system.h"
#include "runtime/text_file.h"

namespace console {

// ---- Public variables ---------------------------------------------------------

extern std::uint8_t TextAttr;  // colour byte of every cell written and of rows scrolled in
extern std::int32_t WinMinX;   // the text window, 1-based and inclusive: the whole buffer
extern std::int32_t WinMinY;
extern std::int32_t WinMaxX;
extern std::int32_t WinMaxY;
extern std::uint16_t WindMax;   // window's lower-right corner, 0-based: low byte column, high byte row
extern std::uint16_t LastMode;  // text mode number, always 3
extern bool CheckEOF;           // Ctrl-Z ends a line read as end of file

// ---- Colours ------------------------------------------------------------------

// The sixteen console colours (Black ... White): the nibbles of TextAttr,
// for TextColor and TextBackground; the names the graphics library uses too.
using namespace runtime::colours;

// ---- Operations -----------------------------------------------------------------

// Suspends the calling thread for `ms` milliseconds.
void Delay(std::uint16_t ms);

// True when a key is waiting; never blocks.
[[nodiscard]] bool KeyPressed();

// Waits for a key and returns its character; an extended key is read as 0
// followed by its code.
[[nodiscard]] std::uint8_t ReadKey();

// Binds `f` to the console; Reset or Rewrite then opens it for input or output.
void AssignCrt(runtime::TextRec& f);

// ---- The text screen ------------------------------------------------------------
//
// Positions are 1-based; those of GotoXY, WhereX and WhereY count from the
// text window's top-left corner, those of Window from the screen's. Each
// routine first writes out what Output still holds (text written without a
// line end), so that text lands where and in the colours it was written.

// Blanks the text window in TextAttr and puts the cursor at its top-left corner.
void ClrScr();

// Blanks the cursor's row from the cursor to the window's right edge in
// TextAttr; the cursor stays.
void ClrEol();

// Puts the cursor at column `x`, row `y` of the window; a position outside
// the window is ignored.
void GotoXY(std::int32_t x, std::int32_t y);

// The cursor's column and row within the window.
[[nodiscard]] std::int32_t WhereX();
[[nodiscard]] std::int32_t WhereY();

// Makes the screen's columns `left` to `right` and rows `top` to `bottom`
// the text window and puts the cursor at its top-left corner. Ignored unless
// 1 <= left <= right <= the screen's columns and 1 <= top <= bottom <= its rows.
void Window(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

// Inserts a blank row in TextAttr at the cursor's row: the rows below move
// down and the window's last row is lost. The cursor stays.
void InsLine();

// Deletes the cursor's row: the rows below move up and a blank row in
// TextAttr comes in at the window's bottom. The cursor stays.
void DelLine();

// The foreground (low nibble of TextAttr) or background (high nibble) of
// the cells written from now on; only the low four bits of `colour` count.
void TextColor(std::uint8_t colour);
void TextBackground(std::uint8_t colour);

// Bright foreground (colours 8 to 15), dim foreground (0 to 7), and the
// console's colours at start-up.
void HighVideo();
void LowVideo();
void NormVideo();

// The library's initialisation, run once by InitializeUnits.
void InitializeConsole();

inline const bool console_registered =
    runtime::RegisterLibrary(runtime::LibrarySlot::Console, &InitializeConsole, nullptr);

}  // namespace console
