#include "console/screen_buffer.h"

#include <algorithm>

namespace win32::detail {

ScreenBuffer::ScreenBuffer(int width, int height, COORD cursor, WORD attributes, int terminal)
    : cells_(width, height, attributes), cursor_(cursor), attributes_(attributes) {
  if (terminal >= 0) terminal_.emplace(terminal, width);
}

void ScreenBuffer::info(CONSOLE_SCREEN_BUFFER_INFO& info) {
  std::lock_guard guard(lock_);
  const COORD size{static_cast<SHORT>(cells_.width()), static_cast<SHORT>(cells_.height())};
  info.dwSize = size;
  info.dwCursorPosition = cursor_;
  info.wAttributes = attributes_;
  info.srWindow = cells_.bounds().to_small_rect();
  info.dwMaximumWindowSize = size;
}

void ScreenBuffer::repaint(const CellRect& area) {
  if (!terminal_) return;
  const CellRect visible = intersect(area, cells_.bounds());
  for (int y = visible.top; y <= visible.bottom; ++y) {
    for (int x = visible.left; x <= visible.right; ++x) terminal_->put_cell(x, y, cells_.at(x, y));
  }
}

// Output that reaches the terminal by other ways (standard output, standard
// error) appears where the console's cursor is, so the terminal's cursor is
// put back there after every operation.
void ScreenBuffer::show_cursor() {
  if (!terminal_) return;
  terminal_->place_cursor(cursor_.X, cursor_.Y);
  terminal_->flush();
}

CellRect ScreenBuffer::write_cells(const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                                   const CellRect& region) {
  std::lock_guard guard(lock_);
  const CellRect done = cells_.write(buffer, bufferSize, bufferCoord, region);
  repaint(done);
  show_cursor();
  return done;
}

CellRect ScreenBuffer::read_cells(CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region) {
  std::lock_guard guard(lock_);
  return cells_.read(buffer, bufferSize, bufferCoord, region);
}

bool ScreenBuffer::set_cursor(COORD position) {
  std::lock_guard guard(lock_);
  if (!cells_.bounds().contains(position.X, position.Y)) return false;
  cursor_ = position;
  show_cursor();
  return true;
}

// The terminal replays a scroll of whole rows itself and is sent only the
// rows it brought in; any other scroll is repainted cell by cell.
void ScreenBuffer::show_scroll(const ScrollEffect& effect) {
  if (!terminal_) return;
  if (effect.regionScroll) {
    const auto& r = *effect.regionScroll;
    terminal_->scroll(r.top, r.bottom, r.rows);
    repaint(r.uncovered(cells_.width()));
  } else {
    for (const CellRect& area : effect.changed) repaint(area);
  }
}

void ScreenBuffer::scroll(const CellRect& source, const std::optional<CellRect>& clip, COORD destination,
                          const CHAR_INFO& fill) {
  std::lock_guard guard(lock_);
  show_scroll(cells_.scroll(source, clip, destination, fill));
  show_cursor();
}

BOOL ScreenBuffer::read(void*, DWORD, DWORD* bytesRead) {
  if (bytesRead != nullptr) *bytesRead = 0;
  SetLastError(ERROR_INVALID_HANDLE);  // a screen buffer is not read as a file
  return FALSE;
}

// Text written as a file goes in at the cursor, which advances, wraps at the
// right edge and scrolls the buffer at its bottom; carriage return, line
// feed, backspace and bell act as they do on a console.
void ScreenBuffer::write_text_char(unsigned char c) {
  const int width = cells_.width();
  const int height = cells_.height();
  switch (c) {
    case 7: return;
    case 8:
      if (cursor_.X > 0) --cursor_.X;
      return;
    case 13: cursor_.X = 0; return;
    case 10: ++cursor_.Y; break;
    default: {
      CHAR_INFO cell{};
      cell.Char.AsciiChar = static_cast<CHAR>(c);
      cell.Attributes = attributes_;
      cells_.set(cursor_.X, cursor_.Y, cell);
      if (terminal_) terminal_->put_cell(cursor_.X, cursor_.Y, cell);
      if (++cursor_.X >= width) {
        cursor_.X = 0;
        ++cursor_.Y;
      }
    }
  }
  if (cursor_.Y >= height) {
    CHAR_INFO blank{};
    blank.Char.AsciiChar = ' ';
    blank.Attributes = attributes_;
    show_scroll(cells_.scroll(cells_.bounds(), std::nullopt, COORD{0, -1}, blank));
    cursor_.Y = static_cast<SHORT>(height - 1);
  }
}

BOOL ScreenBuffer::write(const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) {
  std::lock_guard guard(lock_);
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  for (DWORD i = 0; i < bytesToWrite; ++i) write_text_char(bytes[i]);
  show_cursor();
  if (bytesWritten != nullptr) *bytesWritten = bytesToWrite;
  return TRUE;
}

DWORD ScreenBuffer::file_type() { return FILE_TYPE_CHAR; }

}  // namespace win32::detail
