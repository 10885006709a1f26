// Line input: the line editor behind every read of Input.
//
// The line is shown from the cell where the read began, filling the text
// window's rows from left to right, one cell for each character in the
// buffer; so the cell of any edit position follows from the line's first
// cell. The editor moves the cursor straight to that cell, across the ends
// of rows in both directions, and the cursor always stands where the next
// character goes. A line that runs past the window's last row scrolls the
// window up under it, and a move back to a row that has left the window at
// the top scrolls it down again; the line's part of a row that comes into
// view is drawn again from the buffer.
#include <algorithm>

#include "crt_state.h"
#include "runtime/key_codes.h"

namespace console {

namespace {

constexpr std::uint8_t kBackspace = 8;
constexpr std::uint8_t kCtrlS = 19;
constexpr std::uint8_t kEnter = 13;
constexpr std::uint8_t kLineFeed = 10;
constexpr std::uint8_t kCtrlY = 25;
constexpr std::uint8_t kCtrlZ = 26;
constexpr std::uint8_t kEsc = 27;

namespace keys = runtime::extended_keys;

void Store(runtime::TextRec& f, std::int32_t at, std::uint8_t c) { f.BufferPtr[at] = static_cast<char>(c); }

// Where the line being read stands in the text window.
class LineOnScreen {
 public:
  // The line begins at the working cursor, which is brought into the window.
  explicit LineOnScreen(const runtime::TextRec& f)
      : f_(f),
        width_(std::max(WinMaxX - WinMinX + 1, 1)),
        bottom_(std::max(WinMaxY, WinMinY)),
        firstX_(std::clamp(CurrX, WinMinX, WinMinX + width_ - 1)),
        firstY_(std::clamp(CurrY, WinMinY, bottom_)) {
    CurrX = firstX_;
    CurrY = firstY_;
  }

  // Puts the working cursor on the cell of edit position `at`, scrolling
  // the window until that cell is in it.
  void MoveTo(std::int32_t at) {
    while (RowOf(at) > bottom_) {
      ShiftWindowRows(WinMinY, -1);
      --firstY_;
      ShowRow(bottom_);
    }
    while (RowOf(at) < WinMinY) {
      ShiftWindowRows(WinMinY, 1);
      ++firstY_;
      ShowRow(WinMinY);
    }
    CurrX = WinMinX + Offset(at) % width_;
    CurrY = RowOf(at);
  }

 private:
  // Cells from the window's left edge on the line's first row.
  [[nodiscard]] std::int32_t Offset(std::int32_t at) const { return firstX_ - WinMinX + at; }
  [[nodiscard]] std::int32_t RowOf(std::int32_t at) const { return firstY_ + Offset(at) / width_; }

  // Draws the line's characters that belong on row y.
  void ShowRow(std::int32_t y) const {
    const std::int32_t rowStart = (y - firstY_) * width_ - Offset(0);
    const std::int32_t from = std::max(rowStart, 0);
    const std::int32_t to = std::min(rowStart + width_, f_.BufferEnd);
    for (std::int32_t at = from; at < to; ++at) {
      WriteCell(WinMinX + Offset(at) % width_, y, static_cast<std::uint8_t>(f_.BufferPtr[at]));
    }
  }

  const runtime::TextRec& f_;
  const std::int32_t width_;
  const std::int32_t bottom_;
  const std::int32_t firstX_;
  std::int32_t firstY_;  // moves with the rows as the window scrolls, above the window too
};

// Erases the last character of the line, on the screen and in the buffer;
// only with the edit position at the end of the line.
void BackSpace(runtime::TextRec& f, LineOnScreen& line) {
  if (f.BufferPos > 0 && f.BufferPos == f.BufferEnd) {
    --f.BufferPos;
    --f.BufferEnd;
    line.MoveTo(f.BufferPos);
    WriteCell(CurrX, CurrY, ' ');
  }
}

void ExtendedKey(runtime::TextRec& f, LineOnScreen& line, std::uint8_t code) {
  switch (code) {
    case keys::Home: f.BufferPos = 0; break;
    case keys::Left:
      if (f.BufferPos > 0) --f.BufferPos;
      break;
    case keys::Right:
      if (f.BufferPos < f.BufferEnd) ++f.BufferPos;
      break;
    case keys::End: f.BufferPos = f.BufferEnd; break;
    default: return;  // Up, Down, Ins, Del, function keys: nothing
  }
  line.MoveTo(f.BufferPos);
}

}  // namespace

std::int32_t CrtRead(runtime::TextRec& f) {
  // A prompt written without a line end is on the screen before the user
  // types, and the line starts behind it.
  FlushPendingOutput();
  GetScreenCursor(CurrX, CurrY);
  f.BufferPos = 0;
  f.BufferEnd = 0;
  LineOnScreen line(f);
  for (bool reading = true; reading;) {
    SetScreenCursor(CurrX, CurrY);
    const std::uint8_t c = ReadKey();
    switch (c) {
      case 0: ExtendedKey(f, line, ReadKey()); break;
      case kBackspace:
      case kCtrlS: BackSpace(f, line); break;
      case kEnter:
        // The next output begins on the row below the whole line, wherever
        // in the line the cursor was.
        line.MoveTo(f.BufferEnd);
        WriteChar(kEnter);
        WriteChar(kLineFeed);
        Store(f, f.BufferEnd, kEnter);
        Store(f, f.BufferEnd + 1, kLineFeed);
        f.BufferEnd += 2;
        reading = false;
        break;
      case kCtrlY:
      case kEsc:
        f.BufferPos = f.BufferEnd;
        while (f.BufferEnd > 0) BackSpace(f, line);
        break;
      case kCtrlZ:
        if (CheckEOF) {
          Store(f, f.BufferEnd, kCtrlZ);
          ++f.BufferEnd;
          reading = false;
        }
        break;
      default:
        // Two bytes stay free for the line end. Every character stored takes
        // one cell, a control character too (it shows as its picture), so
        // that the screen keeps to the buffer.
        if (f.BufferPos < f.BufferSize - 2) {
          Store(f, f.BufferPos, c);
          WriteCell(CurrX, CurrY, c);
          ++f.BufferPos;
          f.BufferEnd = std::max(f.BufferEnd, f.BufferPos);
          line.MoveTo(f.BufferPos);
        }
        break;
    }
  }
  f.BufferPos = 0;
  SetScreenCursor(CurrX, CurrY);
  return 0;
}

}  // namespace console
