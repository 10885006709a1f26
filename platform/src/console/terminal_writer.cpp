#include "console/terminal_writer.h"

#include <unistd.h>

#include <array>
#include <cerrno>

#include "console/terminal_mode.h"

namespace win32::detail {

namespace {

constexpr WORD kDefaultAttributes = 0x07;

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Console colour bits are blue 1, green 2, red 4; ANSI numbers are red 1,
// green 2, blue 4.
int ansi_colour(int consoleColour) {
  return ((consoleColour & 1) << 2) | (consoleColour & 2) | ((consoleColour & 4) >> 2);
}

}  // namespace

void append_glyph(std::string& out, unsigned char c) {
  static constexpr std::array<char16_t, 32> kControlPictures{
      u' ',      u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u2022',
      u'\u25D8', u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C',
      u'\u25BA', u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8',
      u'\u2191', u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC'};
  if (c < 32) {
    append_utf8(out, kControlPictures[c]);
  } else if (c == 127) {
    append_utf8(out, u'\u2302');
  } else if (c >= 0x80 && c < 0xA0) {
    out += '?';  // C1 controls have no picture of their own
  } else {
    append_utf8(out, c);
  }
}

void append_colours(std::string& out, WORD attributes) {
  if ((attributes & 0xFF) == kDefaultAttributes) {
    out += "\x1b[0m";
    return;
  }
  const int foreground = ((attributes & 0x08) ? 90 : 30) + ansi_colour(attributes & 0x07);
  const int background = ((attributes & 0x80) ? 100 : 40) + ansi_colour((attributes >> 4) & 0x07);
  out += "\x1b[0;" + std::to_string(foreground) + ";" + std::to_string(background) + "m";
}

TerminalWriter::TerminalWriter(int descriptor, int width) : descriptor_(descriptor), width_(width) {}

void TerminalWriter::move_to(int x, int y) {
  if (x == cursorX_ && y == cursorY_) return;
  pending_ += "\x1b[" + std::to_string(y + 1) + ";" + std::to_string(x + 1) + "H";
  cursorX_ = x;
  cursorY_ = y;
}

void TerminalWriter::use_attributes(WORD attributes) {
  const int wanted = attributes & 0xFF;
  if (wanted == attributes_) return;
  append_colours(pending_, attributes);
  attributes_ = wanted;
  note_colours_changed(wanted != kDefaultAttributes);
}

void TerminalWriter::put_cell(int x, int y, const CHAR_INFO& cell) {
  move_to(x, y);
  use_attributes(cell.Attributes);
  append_glyph(pending_, static_cast<unsigned char>(cell.Char.AsciiChar));
  // In the last column the terminal holds its cursor there, waiting to
  // wrap; its position is then best forgotten.
  if (x + 1 < width_) {
    cursorX_ = x + 1;
  } else {
    cursorX_ = cursorY_ = -1;
  }
}

void TerminalWriter::scroll(int top, int bottom, int rows) {
  pending_ += "\x1b[" + std::to_string(top + 1) + ";" + std::to_string(bottom + 1) + "r";
  cursorX_ = cursorY_ = -1;  // setting the region homes the cursor
  if (rows > 0) {
    move_to(0, bottom);  // a line feed on the region's last row scrolls it up
    pending_.append(static_cast<std::size_t>(rows), '\n');
  } else {
    move_to(0, top);  // a reverse index on its first row scrolls it down
    for (int i = 0; i < -rows; ++i) pending_ += "\x1bM";
  }
  pending_ += "\x1b[r";
  cursorX_ = cursorY_ = -1;
}

void TerminalWriter::place_cursor(int x, int y) { move_to(x, y); }

void TerminalWriter::flush() {
  const char* data = pending_.data();
  std::size_t left = pending_.size();
  while (left > 0) {
    const ssize_t n = ::write(descriptor_, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // the terminal is gone; the cells stay in the buffer
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  pending_.clear();
}

}  // namespace win32::detail
