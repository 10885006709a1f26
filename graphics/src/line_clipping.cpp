// LineClipped: region-code clipping, shared by the line, run and span
// routines. The crossing products are formed in 64 bits, so ends far outside
// the screen cannot overflow them.
#include "line_clipping.h"

#include "graphics/graph.h"

namespace graph {

namespace {

enum RegionBit : std::uint32_t { Left = 1, Right = 2, Bottom = 4, Top = 8 };

std::uint32_t OutCode(std::int32_t x, std::int32_t y, const ClipRect& rect) {
  std::uint32_t code = 0;
  if (x < rect.XMin) {
    code |= Left;
  } else if (x > rect.XMax) {
    code |= Right;
  }
  if (y > rect.YMax) {
    code |= Bottom;
  } else if (y < rect.YMin) {
    code |= Top;
  }
  return code;
}

// a + (b * c) div d, with the product in 64 bits and div truncating.
std::int32_t Crossing(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  return static_cast<std::int32_t>(a + (std::int64_t{b} * c) / d);
}

}  // namespace

bool ClipSegment(std::int32_t& x1, std::int32_t& y1, std::int32_t& x2, std::int32_t& y2,
                 const ClipRect& rect) {
  std::uint32_t code1 = OutCode(x1, y1, rect);
  std::uint32_t code2 = OutCode(x2, y2, rect);
  for (;;) {
    if (code1 == 0 && code2 == 0) return false;
    if ((code1 & code2) != 0) return true;
    const std::uint32_t code = code1 != 0 ? code1 : code2;
    std::int32_t x = 0;
    std::int32_t y = 0;
    // The divisors cannot be 0: a segment parallel to an edge with an end
    // beyond that edge has both ends beyond it and was rejected above.
    if ((code & Left) != 0) {
      y = Crossing(y1, y2 - y1, rect.XMin - x1, x2 - x1);
      x = rect.XMin;
    } else if ((code & Right) != 0) {
      y = Crossing(y1, y2 - y1, rect.XMax - x1, x2 - x1);
      x = rect.XMax;
    } else if ((code & Bottom) != 0) {
      x = Crossing(x1, x2 - x1, rect.YMax - y1, y2 - y1);
      y = rect.YMax;
    } else {
      x = Crossing(x1, x2 - x1, rect.YMin - y1, y2 - y1);
      y = rect.YMin;
    }
    if (code1 != 0) {
      x1 = x;
      y1 = y;
      code1 = OutCode(x1, y1, rect);
    } else {
      x2 = x;
      y2 = y;
      code2 = OutCode(x2, y2, rect);
    }
  }
}

ClipRect ViewportClipRect() {
  return ClipRect{StartXViewPort, StartYViewPort, std::int32_t{StartXViewPort} + ViewWidth,
                  std::int32_t{StartYViewPort} + ViewHeight};
}

bool LineClipped(std::int16_t& x1, std::int16_t& y1, std::int16_t& x2, std::int16_t& y2,
                 std::int16_t xmin, std::int16_t ymin, std::int16_t xmax, std::int16_t ymax) {
  std::int32_t wx1 = x1;
  std::int32_t wy1 = y1;
  std::int32_t wx2 = x2;
  std::int32_t wy2 = y2;
  const bool invisible = ClipSegment(wx1, wy1, wx2, wy2, ClipRect{xmin, ymin, xmax, ymax});
  // Every crossing lies between the ends, so the results fit 16 bits.
  x1 = static_cast<std::int16_t>(wx1);
  y1 = static_cast<std::int16_t>(wy1);
  x2 = static_cast<std::int16_t>(wx2);
  y2 = static_cast<std::int16_t>(wy2);
  return invisible;
}

}  // namespace graph
