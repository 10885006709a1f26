// The text screen: clearing, the cursor within the text window, the window
// itself, and inserting and deleting rows.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "crt_state.h"

namespace console {

namespace {

// Blanks the cells of screen columns left..right and rows top..bottom
// (1-based, inclusive) in TextAttr with one write; the part off the screen
// is dropped first, so a window set to any values costs no more than the
// screen.
void BlankCells(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  left = std::max(left, 1);
  top = std::max(top, 1);
  right = std::min(right, ScreenWidth);
  bottom = std::min(bottom, ScreenHeight);
  if (left > right || top > bottom) return;
  const std::int32_t columns = right - left + 1;
  const std::int32_t rows = bottom - top + 1;
  win32::CHAR_INFO blank{};
  blank.Char.AsciiChar = ' ';
  blank.Attributes = TextAttr;
  const std::vector<win32::CHAR_INFO> cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), blank);
  win32::SMALL_RECT region{static_cast<win32::SHORT>(left - 1), static_cast<win32::SHORT>(top - 1),
                           static_cast<win32::SHORT>(right - 1), static_cast<win32::SHORT>(bottom - 1)};
  win32::WriteConsoleOutputA(OutHandle, cells.data(),
                             win32::COORD{static_cast<win32::SHORT>(columns), static_cast<win32::SHORT>(rows)},
                             win32::COORD{0, 0}, &region);
}

// Moves the rows from the cursor's to the window's last; nothing when the
// window was set around the cursor without moving it there.
void ShiftRowsFromCursor(std::int32_t rows) {
  FlushPendingOutput();
  const std::int32_t row = CursorSaveY + 1;
  if (row >= WinMinY && row <= WinMaxY) ShiftWindowRows(row, rows);
}

}  // namespace

void ClrScr() {
  FlushPendingOutput();
  BlankCells(WinMinX, WinMinY, WinMaxX, WinMaxY);
  SetScreenCursor(WinMinX, WinMinY);
}

void ClrEol() {
  FlushPendingOutput();
  const std::int32_t row = CursorSaveY + 1;
  BlankCells(CursorSaveX + 1, row, WinMaxX, row);
}

void GotoXY(std::int32_t x, std::int32_t y) {
  FlushPendingOutput();
  // In 64 bits, so that no argument can overflow the sum.
  const std::int64_t column = std::int64_t{WinMinX} + x - 1;
  const std::int64_t row = std::int64_t{WinMinY} + y - 1;
  if (x < 1 || y < 1 || column > WinMaxX || row > WinMaxY) return;
  SetScreenCursor(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row));
}

std::int32_t WhereX() {
  FlushPendingOutput();
  return CursorSaveX + 1 - WinMinX + 1;
}

std::int32_t WhereY() {
  FlushPendingOutput();
  return CursorSaveY + 1 - WinMinY + 1;
}

void Window(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  FlushPendingOutput();
  if (left < 1 || left > right || right > ScreenWidth || top < 1 || top > bottom || bottom > ScreenHeight) return;
  WinMinX = left;
  WinMinY = top;
  WinMaxX = right;
  WinMaxY = bottom;
  WindMax = PackWindMax(right, bottom);
  SetScreenCursor(left, top);
}

void InsLine() { ShiftRowsFromCursor(1); }

void DelLine() { ShiftRowsFromCursor(-1); }

}  // namespace console
