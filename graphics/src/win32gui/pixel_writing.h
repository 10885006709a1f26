// What the write modes put at a point, shared by the pixel and run routines.
// All of it runs under GraphDrawing with the window running.
#pragma once

#include <cstdint>

#include "graphics/graph.h"
#include "platform/gdi.h"

namespace graph {

inline constexpr win32::COLORREF kColorValueBits = 0x00FFFFFF;

// The value that CurrentWriteMode writes at an absolute point: the colour
// of CurrentColor combined bit by bit with the backing bitmap's value in the
// exclusive-or, or and and modes; the colour of the complemented index in
// the not mode; the colour of CurrentColor in the copy mode and any other.
[[nodiscard]] win32::COLORREF WriteModeValue(int x, int y);

// The backing bitmap's colour value at an absolute point; black outside it.
[[nodiscard]] win32::COLORREF BackingValue(int x, int y);

// The index that the not mode draws: the 16-bit complement of CurrentColor.
[[nodiscard]] inline std::uint16_t NotPutIndex() {
  return static_cast<std::uint16_t>(~CurrentColor);
}

}  // namespace graph
