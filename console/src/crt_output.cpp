// Output: characters written cell by cell at the library's own cursor.
#include "crt_state.h"

namespace console {

void GetScreenCursor(std::int32_t& x, std::int32_t& y) {
  // The console is not asked: text that reached it by other ways does not
  // move the library's cursor.
  x = CursorSaveX + 1;
  y = CursorSaveY + 1;
}

void SetScreenCursor(std::int32_t x, std::int32_t y) {
  win32::SetConsoleCursorPosition(OutHandle, win32::COORD{static_cast<win32::SHORT>(x - 1),
                                                          static_cast<win32::SHORT>(y - 1)});
  CursorSaveX = x - 1;
  CursorSaveY = y - 1;
}

void ShiftWindowRows(std::int32_t top, std::int32_t rows) {
  // The moving rows are their own clip rectangle, so nothing outside the
  // window changes.
  const win32::SMALL_RECT moving{static_cast<win32::SHORT>(WinMinX - 1), static_cast<win32::SHORT>(top - 1),
                                 static_cast<win32::SHORT>(WinMaxX - 1), static_cast<win32::SHORT>(WinMaxY - 1)};
  win32::CHAR_INFO fill{};
  fill.Char.AsciiChar = ' ';
  fill.Attributes = TextAttr;
  win32::ScrollConsoleScreenBufferA(OutHandle, &moving, &moving,
                                    win32::COORD{static_cast<win32::SHORT>(WinMinX - 1),
                                                 static_cast<win32::SHORT>(top - 1 + rows)},
                                    &fill);
}

void RemoveLine(std::int32_t y) { ShiftWindowRows(WinMinY + y - 1, -1); }

void WriteCell(std::int32_t x, std::int32_t y, std::uint8_t c) {
  win32::CHAR_INFO cell{};
  cell.Char.AsciiChar = static_cast<char>(c);
  cell.Attributes = TextAttr;
  const auto column = static_cast<win32::SHORT>(x - 1);
  const auto row = static_cast<win32::SHORT>(y - 1);
  win32::SMALL_RECT target{column, row, column, row};
  win32::WriteConsoleOutputA(OutHandle, &cell, win32::COORD{1, 1}, win32::COORD{0, 0}, &target);
}

void WriteChar(std::uint8_t c) {
  switch (c) {
    case 7: break;  // the bell: no cell, no movement
    case 8:
      if (CurrX > WinMinX) --CurrX;
      break;
    case 10: ++CurrY; break;
    case 13: CurrX = WinMinX; break;
    default:
      WriteCell(CurrX, CurrY, c);
      ++CurrX;
  }
  if (CurrX > WinMaxX) {
    CurrX = WinMinX;
    ++CurrY;
  }
  while (CurrY > WinMaxY) {
    RemoveLine(1);
    --CurrY;
  }
}

std::int32_t CrtWrite(runtime::TextRec& f) {
  GetScreenCursor(CurrX, CurrY);
  for (std::int32_t i = 0; i < f.BufferPos; ++i) WriteChar(static_cast<std::uint8_t>(f.BufferPtr[i]));
  SetScreenCursor(CurrX, CurrY);
  f.BufferPos = 0;
  return 0;
}

// Output keeps what was written without a line end in its buffer until
// WriteLn or a full buffer; the text-screen routines send it first.
void FlushPendingOutput() {
  runtime::TextRec& out = runtime::Output;
  if (out.Mode == runtime::FileMode::Output && out.FlushHook == &CrtWrite && out.BufferPos > 0) CrtWrite(out);
}

}  // namespace console
