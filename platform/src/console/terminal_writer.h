// Writes console cells to a terminal with cursor-addressing sequences and
// the colours of each cell's attribute, keeping track of where the
// terminal's cursor stands so that it moves only when it must.
#pragma once

#include <string>

#include "platform/console.h"

namespace win32::detail {

class TerminalWriter {
 public:
  TerminalWriter(int descriptor, int width);

  // Writes one cell at the 0-based position (x, y).
  void put_cell(int x, int y, const CHAR_INFO& cell);
  // Moves rows [top, bottom] up by `rows`, or down by -`rows` when it is
  // negative, with the terminal's own scrolling, so that rows scrolled off
  // the top reach its scrollback; the rows brought in are left for the
  // caller to paint.
  void scroll(int top, int bottom, int rows);
  void place_cursor(int x, int y);
  // Sends what has been collected in one write.
  void flush();

 private:
  void move_to(int x, int y);
  void use_attributes(WORD attributes);

  int descriptor_;
  int width_;
  std::string pending_;
  int cursorX_ = -1;  // -1: unknown
  int cursorY_ = -1;
  int attributes_ = -1;  // -1: unknown
};

// The bytes (UTF-8) that show console character `c` on a terminal: the
// code page 437 pictures for control characters, Latin-1 above 0xA0.
void append_glyph(std::string& out, unsigned char c);

// The SGR sequence for a console attribute; 0x07, the console's default,
// is the terminal's own default colours.
void append_colours(std::string& out, WORD attributes);

}  // namespace win32::detail
