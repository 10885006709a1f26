// Horizontal and vertical runs on the graph window. Runs in a plain colour
// longer than three pixels are one platform line per surface, drawn with
// the context's own pen (DC_PEN, selected for the window's lifetime) set
// to the run's colour.
#include <algorithm>
#include <array>
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

// The pixels (x1, y1) .. (x2, y2) inclusive of one row or one column, in the
// colour of a palette index, under GraphDrawing with the window running.
void PlainRun(int x1, int y1, int x2, int y2, std::uint16_t index) {
  const win32::COLORREF color = ColorValueOfIndex(index);
  if (x2 - x1 < kShortRun && y2 - y1 < kShortRun) {
    for (int y = y1; y <= y2; ++y)
      for (int x = x1; x <= x2; ++x) WriteColorValue(x, y, color);
    return;
  }
  // LineTo leaves out its end point, so the line ends one past the run.
  const int endX = y1 == y2 ? x2 + 1 : x2;
  const int endY = y1 == y2 ? y2 : y2 + 1;
  const std::array<std::pair<bool, win32::HDC>, 2> surfaces = {{{DrawToBitmap, BitmapDC}, {DrawToScreen, WinDC}}};
  for (const auto& [enabled, surface] : surfaces) {
    if (!enabled) continue;
    (void)win32::SetDCPenColor(surface, color);
    (void)win32::MoveToEx(surface, x1, y1, nullptr);
    (void)win32::LineTo(surface, endX, endY);
  }
  (void)win32::GdiFlush();  // before the bitmap's pixels are written in place again
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
