// The console library: the program's standard text files Input and Output
// on the console, key input, line editing and Delay.
//
// Including this header enters the library's initialisation as the fourth
// library of the runtime's table, so InitializeUnits runs it after the
// runtime's own and before the graphics library's: from then on Output
// writes character cells at a cursor the library tracks, and Input reads
// key events and edits one line at a time. StdOut and StdErr stay plain
// handle files.
#pragma once

#include <cstdint>

#include "runtime/system.h"
#include "runtime/text_file.h"

namespace console {

// ---- Public variables ---------------------------------------------------------

extern std::uint8_t TextAttr;  // colour byte of every cell written and of rows scrolled in
extern std::int32_t WinMinX;   // the text window, 1-based and inclusive: the whole buffer
extern std::int32_t WinMinY;
extern std::int32_t WinMaxX;
extern std::int32_t WinMaxY;
extern std::uint16_t WindMax;   // window size: low byte columns - 1, high byte rows - 1
extern std::uint16_t LastMode;  // text mode number, always 3
extern bool CheckEOF;           // Ctrl-Z ends a line read as end of file

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

// The library's initialisation, run once by InitializeUnits.
void InitializeConsole();

inline const bool console_registered =
    runtime::RegisterLibrary(runtime::LibrarySlot::Console, &InitializeConsole, nullptr);

}  // namespace console
