// Horizontal and vertical runs on the graph window. Runs in a plain colour
// longer than three pixels are one platform line per surface, drawn with a
// pen from the pen cache (indexes 0 to 15) or a pen made for the call.
#include <algorithm>
#include <utility>

#include "win32gui/pixel_writing.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

// Runs of at most this many pixels are written pixel by pixel.
constexpr int kShortRun = 3;

bool CombinesWithBitmap(std::uint16_t writeMode) {
  return writeMode == XORPut || writeMode == OrPut || writeMode == AndPut;
}

// The palette index that a plain-colour run draws in.
std::uint16_t RunIndex() {
  return PaletteIndexOf(CurrentWriteMode == NotPut ? NotPutIndex() : CurrentColor);
}

// A pen in the colour of a palette index: the cached one for 0 to 15
// (created on first use), otherwise a new one that the caller deletes.
win32::HPEN PenFor(std::uint16_t index, bool& temporary) {
  const win32::COLORREF color = ColorValueOfIndex(index);
  temporary = index >= PenCacheSize;
  if (temporary) return win32::CreatePen(win32::PS_SOLID, 1, color);
  win32::HPEN& cached = Pens[index];
  if (cached == nullptr) cached = win32::CreatePen(win32::PS_SOLID, 1, color);
  return cached;
}

// One line from (x1, y1) up to, not including, (x2, y2) with `pen`.
void LineWithPen(win32::HDC surface, win32::HPEN pen, int x1, int y1, int x2, int y2) {
  const win32::HGDIOBJ previous = win32::SelectObject(surface, pen);
  (void)win32::MoveToEx(surface, x1, y1, nullptr);
  (void)win32::LineTo(surface, x2, y2);
  (void)win32::SelectObject(surface, previous);
}

// The pixels (x1, y1) .. (x2, y2) inclusive of one row or one column, in the
// colour of a palette index, under GraphDrawing with the window running.
void PlainRun(int x1, int y1, int x2, int y2, std::uint16_t index) {
  if (x2 - x1 < kShortRun && y2 - y1 < kShortRun) {
    const win32::COLORREF color = ColorValueOfIndex(index);
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) WriteColorValue(x, y, color);
    return;
  }
  bool temporary = false;
  const win32::HPEN pen = PenFor(index, temporary);
  if (pen == nullptr) {
    // No pen to be had: the same pixels one by one.
    const win32::COLORREF color = ColorValueOfIndex(index);
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) WriteColorValue(x, y, color);
    return;
  }
  // LineTo leaves out its end point, so the line ends one past the run.
  const int endX = y1 == y2 ? x2 + 1 : x2;
  const int endY = y1 == y2 ? y2 : y2 + 1;
  if (DrawToBitmap) LineWithPen(BitmapDC, pen, x1, y1, endX, endY);
  if (DrawToScreen) LineWithPen(WinDC, pen, x1, y1, endX, endY);
  if (temporary) (void)win32::DeleteObject(pen);
}

}  // namespace

void HLine16Win32GUI(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  if (x2 < x1) std::swap(x1, x2);
  if (ClipPixels) {
    if (x1 > ViewWidth || y < 0 || y > ViewHeight || x2 < 0) return;
    x1 = std::max<std::int16_t>(x1, 0);
    x2 = std::min(x2, ViewWidth);
  }
  // Absolute in full int range: with clipping off a run may reach past the
  // 16-bit coordinates, and the surfaces drop what lies outside them.
  const int left = x1 + StartXViewPort;
  const int right = x2 + StartXViewPort;
  const int row = y + StartYViewPort;
  const auto drawing = DrawOnTheWindow();
  if (!drawing) return;
  if (CombinesWithBitmap(CurrentWriteMode)) {
    for (int x = left; x <= right; ++x) WriteColorValue(x, row, WriteModeValue(x, row));
    return;
  }
  PlainRun(left, row, right, row, RunIndex());
}

void VLine16Win32GUI(std::int16_t x, std::int16_t y1, std::int16_t y2) {
  if (!WindowRunning()) return;  // spares a column of DirectPutPixel calls below
  if (y2 <= y1) std::swap(y1, y2);
  if (ClipPixels) {
    if (x > ViewWidth || x < 0 || y1 > ViewHeight || y2 < 0) return;
    y1 = std::max<std::int16_t>(y1, 0);
    y2 = std::min(y2, ViewHeight);
  }
  const int column = x + StartXViewPort;
  const int top = y1 + StartYViewPort;
  const int bottom = y2 + StartYViewPort;

  if (CurrentWriteMode == CopyPut) {
    const auto drawing = DrawOnTheWindow();
    if (!drawing) return;
    PlainRun(column, top, column, bottom, PaletteIndexOf(CurrentColor));
    return;
  }
  // Every other mode pixel by pixel through the DirectPutPixel hook, which
  // applies the mode and takes the lock for each pixel.
  for (int y = top; y <= bottom; ++y)
    DirectPutPixel(static_cast<std::int16_t>(column), static_cast<std::int16_t>(y));
}

}  // namespace graph
