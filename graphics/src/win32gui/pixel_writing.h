// What the write modes put at a point, and how a colour value reaches the
// two surfaces, shared by the pixel, run and image routines. All of it runs
// under GraphDrawing with the window running.
#pragma once

#include <cstdint>

#include "graphics/graph.h"
#include "graphics/graph_window.h"
#include "platform/gdi.h"
#include "win32gui/win32gui_state.h"

namespace graph {

inline constexpr win32::COLORREF kColorValueBits = 0x00FFFFFF;

// A colour value as a pixel of the backing bitmap's DIB section
// (0x00RRGGBB), and back.
[[nodiscard]] constexpr std::uint32_t BitmapPixelOf(win32::COLORREF value) {
  return std::uint32_t{win32::GetRValue(value)} << 16 | std::uint32_t{win32::GetGValue(value)} << 8 |
         win32::GetBValue(value);
}
[[nodiscard]] constexpr win32::COLORREF ColorValueOfBitmapPixel(std::uint32_t pixel) {
  return win32::RGB(static_cast<win32::BYTE>(pixel >> 16), static_cast<win32::BYTE>(pixel >> 8),
                    static_cast<win32::BYTE>(pixel));
}

// Whether an absolute point lies on the backing bitmap.
[[nodiscard]] inline bool OnTheBitmap(int x, int y) {
  return x >= 0 && y >= 0 && x < SavedScreenWidth && y < SavedScreenHeight;
}

// The backing bitmap's pixel at an absolute point on it.
[[nodiscard]] inline std::uint32_t& BitmapPixelAt(int x, int y) {
  return SavedScreenBits[static_cast<std::size_t>(y) * static_cast<std::size_t>(SavedScreenWidth) +
                         static_cast<std::size_t>(x)];
}

// Writes one colour value at an absolute point on the enabled surfaces:
// the backing bitmap in place when DrawToBitmap, then the window when
// DrawToScreen. Each surface drops a point that lies outside it.
inline void WriteColorValue(int x, int y, win32::COLORREF value) {
  if (DrawToBitmap && OnTheBitmap(x, y)) BitmapPixelAt(x, y) = BitmapPixelOf(value);
  if (DrawToScreen) (void)win32::SetPixelV(WinDC, x, y, value);
}

// The backing bitmap's colour value at an absolute point; black outside it.
[[nodiscard]] inline win32::COLORREF BackingValue(int x, int y) {
  return OnTheBitmap(x, y) ? ColorValueOfBitmapPixel(BitmapPixelAt(x, y)) : 0;
}

// The value that CurrentWriteMode writes at an absolute point: the colour
// of CurrentColor combined bit by bit with the backing bitmap's value in the
// exclusive-or, or and and modes; the colour of the complemented index in
// the not mode; the colour of CurrentColor in the copy mode and any other.
[[nodiscard]] win32::COLORREF WriteModeValue(int x, int y);

// The index that the not mode draws: the 16-bit complement of CurrentColor.
[[nodiscard]] inline std::uint16_t NotPutIndex() {
  return static_cast<std::uint16_t>(~CurrentColor);
}

}  // namespace graph
