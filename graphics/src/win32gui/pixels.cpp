// Single pixels on the graph window: DirectPutPixel with the write modes,
// PutPixel with viewport clipping, and GetPixel reading the backing bitmap.
#include "win32gui/pixel_writing.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

// Viewport-relative to absolute, wrapped to 16 bits as the coordinates are.
std::int16_t Absolute(std::int16_t relative, std::int16_t origin) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(relative) +
                                   static_cast<std::uint16_t>(origin));
}

// Whether an absolute point lies outside the viewport while clipping is on;
// the viewport's edges themselves are inside.
bool ClippedAway(std::int16_t x, std::int16_t y) {
  return ClipPixels && (x < StartXViewPort || x > StartXViewPort + ViewWidth ||
                        y < StartYViewPort || y > StartYViewPort + ViewHeight);
}

}  // namespace

win32::COLORREF WriteModeValue(int x, int y) {
  const win32::COLORREF color = ColorValueOfIndex(CurrentColor);
  switch (CurrentWriteMode) {
    case XORPut:
      return (color ^ BackingValue(x, y)) & kColorValueBits;
    case OrPut:
      return (color | BackingValue(x, y)) & kColorValueBits;
    case AndPut:
      return color & BackingValue(x, y);
    case NotPut:
      return ColorValueOfIndex(NotPutIndex());
    default:
      return color;
  }
}

void DirectPutPixel16Win32GUI(std::int16_t x, std::int16_t y) {
  const auto drawing = DrawOnTheWindow();
  if (!drawing) return;
  WriteColorValue(x, y, WriteModeValue(x, y));
}

void PutPixel16Win32GUI(std::int16_t x, std::int16_t y, std::uint16_t color) {
  x = Absolute(x, StartXViewPort);
  y = Absolute(y, StartYViewPort);
  if (ClippedAway(x, y)) return;
  const auto drawing = DrawOnTheWindow();
  if (!drawing) return;
  // Always a plain set: the write mode plays no part for single pixels.
  WriteColorValue(x, y, ColorValueOfIndex(color));
}

// A point outside the viewport (with clipping on) or outside the backing
// bitmap reads as colour 0; so does any point without a window, which also
// sets GraphResult to -11.
std::uint16_t GetPixel16Win32GUI(std::int16_t x, std::int16_t y) {
  x = Absolute(x, StartXViewPort);
  y = Absolute(y, StartYViewPort);
  if (ClippedAway(x, y)) return 0;
  win32::COLORREF value = 0;
  {
    const auto drawing = DrawOnTheWindow();
    if (!drawing) {
      GraphResult = grError;
      return 0;
    }
    if (!OnTheBitmap(x, y)) return 0;
    value = BackingValue(x, y);
  }
  return GetPaletteEntry(win32::GetRValue(value), win32::GetGValue(value),
                         win32::GetBValue(value));
}

}  // namespace graph
