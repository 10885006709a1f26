// Region-code clipping of a segment against an inclusive rectangle, on
// coordinates wide enough to hold 16-bit positions plus a viewport offset.
#pragma once

#include <cstdint>

namespace graph {

struct ClipRect {
  std::int32_t XMin;
  std::int32_t YMin;
  std::int32_t XMax;
  std::int32_t YMax;
};

// Moves the ends of the segment onto the rectangle. Returns true when nothing
// of the segment is visible (the ends then hold wherever clipping stopped).
[[nodiscard]] bool ClipSegment(std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                               std::int32_t& y2, const ClipRect& rect);

// The viewport as an absolute clip rectangle.
[[nodiscard]] ClipRect ViewportClipRect();

}  // namespace graph
