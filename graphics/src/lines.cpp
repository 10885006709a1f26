// Lines and line styles: the line settings, LineDefault with its solid and
// patterned branches, and the generic horizontal and vertical runs.
//
// Coordinates are widened to 32 bits as soon as the viewport offset is added,
// and the stepper's values are 32-bit, so far-apart ends and ends near the
// 16-bit limits neither overflow nor wrap to the other side of the screen.
// Points that fall outside the 16-bit coordinate range are never plotted.
#include <cstdlib>
#include <limits>

#include "graphics/graph.h"
#include "line_clipping.h"

namespace graph {

namespace {

constexpr std::array<std::uint16_t, 4> kStylePatterns = {0xFFFF, 0xCCCC, 0xFC78, 0xF8F8};

bool FitsCoordinate(std::int32_t value) {
  return value >= std::numeric_limits<std::int16_t>::min() &&
         value <= std::numeric_limits<std::int16_t>::max();
}

void Plot(std::int32_t x, std::int32_t y) {
  if (FitsCoordinate(x) && FitsCoordinate(y)) {
    DirectPutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
  }
}

void PlotClipped(std::int32_t x, std::int32_t y) {
  if (FitsCoordinate(x) && FitsCoordinate(y)) {
    DirectPutPixelClip(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
  }
}

// A thick point: three pixels across the main direction of the segment.
void PlotThick(std::int32_t x, std::int32_t y, bool xMajor) {
  if (xMajor) {
    PlotClipped(x, y - 1);
    PlotClipped(x, y);
    PlotClipped(x, y + 1);
  } else {
    PlotClipped(x - 1, y);
    PlotClipped(x, y);
    PlotClipped(x + 1, y);
  }
}

struct Segment {
  std::int32_t x1;
  std::int32_t y1;
  std::int32_t x2;
  std::int32_t y2;
};

// Converts a viewport-relative segment to absolute coordinates and clips it
// when clipping is on; false when nothing of it is left.
[[nodiscard]] bool ToVisibleAbsolute(Segment& s) {
  s.x1 += StartXViewPort;
  s.y1 += StartYViewPort;
  s.x2 += StartXViewPort;
  s.y2 += StartYViewPort;
  return !ClipPixels || !ClipSegment(s.x1, s.y1, s.x2, s.y2, ViewportClipRect());
}

// The integer stepper: calls visit(x, y, index, xMajor) for every point from
// the first end to the second, both included.
template <typename Visit>
void StepSegment(const Segment& s, Visit visit) {
  const std::int32_t dx = std::abs(s.x2 - s.x1);
  const std::int32_t dy = std::abs(s.y2 - s.y1);
  const bool xMajor = dx >= dy;
  std::int32_t count = 0;
  std::int32_t d = 0;
  std::int32_t inc1 = 0;
  std::int32_t inc2 = 0;
  std::int32_t xStep1 = 0;
  std::int32_t yStep1 = 0;
  if (xMajor) {
    count = dx + 1;
    d = 2 * dy - dx;
    inc1 = 2 * dy;
    inc2 = 2 * (dy - dx);
    xStep1 = 1;
  } else {
    count = dy + 1;
    d = 2 * dx - dy;
    inc1 = 2 * dx;
    inc2 = 2 * (dx - dy);
    yStep1 = 1;
  }
  std::int32_t xStep2 = 1;
  std::int32_t yStep2 = 1;
  if (s.x1 > s.x2) {
    xStep1 = -xStep1;
    xStep2 = -xStep2;
  }
  if (s.y1 > s.y2) {
    yStep1 = -yStep1;
    yStep2 = -yStep2;
  }
  std::int32_t x = s.x1;
  std::int32_t y = s.y1;
  for (std::int32_t i = 0; i < count; ++i) {
    visit(x, y, i, xMajor);
    if (d < 0) {
      d += inc1;
      x += xStep1;
      y += yStep1;
    } else {
      d += inc2;
      x += xStep2;
      y += yStep2;
    }
  }
}

void CallHLine(std::int32_t x1, std::int32_t x2, std::int32_t y) {
  if (FitsCoordinate(y)) {
    HLine(static_cast<std::int16_t>(x1), static_cast<std::int16_t>(x2),
          static_cast<std::int16_t>(y));
  }
}

void CallVLine(std::int32_t x, std::int32_t y1, std::int32_t y2) {
  if (FitsCoordinate(x)) {
    VLine(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y1),
          static_cast<std::int16_t>(y2));
  }
}

void SolidLine(Segment s) {
  const bool thick = LineInfo.Thickness == ThickWidth;
  if (s.y1 == s.y2) {
    if (thick) CallHLine(s.x1, s.x2, s.y1 - 1);
    CallHLine(s.x1, s.x2, s.y1);
    if (thick) CallHLine(s.x1, s.x2, s.y1 + 1);
    return;
  }
  if (s.x1 == s.x2) {
    if (thick) CallVLine(s.x1 - 1, s.y1, s.y2);
    CallVLine(s.x1, s.y1, s.y2);
    if (thick) CallVLine(s.x1 + 1, s.y1, s.y2);
    return;
  }
  if (!ToVisibleAbsolute(s)) return;
  if (thick) {
    StepSegment(s, [](std::int32_t x, std::int32_t y, std::int32_t, bool xMajor) {
      PlotThick(x, y, xMajor);
    });
  } else {
    StepSegment(s, [](std::int32_t x, std::int32_t y, std::int32_t, bool) { Plot(x, y); });
  }
}

// Patterned runs along a row or a column: the pattern is anchored to the
// absolute column (or row), so lines of one style line up their dashes.
void PatternedRun(std::int32_t from, std::int32_t to, std::int32_t across, bool horizontal,
                  bool thick) {
  if (from > to) std::swap(from, to);
  for (std::int32_t offset = thick ? -1 : 0; offset <= (thick ? 1 : 0); ++offset) {
    for (std::int32_t along = from; along <= to; ++along) {
      if (!LinePatterns[static_cast<std::size_t>(along & 15)]) continue;
      const std::int32_t x = horizontal ? along : across + offset;
      const std::int32_t y = horizontal ? across + offset : along;
      if (thick) {
        PlotClipped(x, y);
      } else {
        Plot(x, y);
      }
    }
  }
}

void PatternedLine(Segment s) {
  if (!ToVisibleAbsolute(s)) return;
  const bool thick = LineInfo.Thickness == ThickWidth;
  if (s.y1 == s.y2) {
    PatternedRun(s.x1, s.x2, s.y1, true, thick);
    return;
  }
  if (s.x1 == s.x2) {
    PatternedRun(s.y1, s.y2, s.x1, false, thick);
    return;
  }
  // On slanted lines the pattern is anchored to the (clipped) first end.
  StepSegment(s, [thick](std::int32_t x, std::int32_t y, std::int32_t index, bool xMajor) {
    if (!LinePatterns[static_cast<std::size_t>(index & 15)]) return;
    if (thick) {
      PlotThick(x, y, xMajor);
    } else {
      Plot(x, y);
    }
  });
}

}  // namespace

void SetLineStyle(std::uint16_t lineStyle, std::uint16_t pattern, std::uint16_t thickness) {
  if (lineStyle > UserBitLn || (thickness != NormWidth && thickness != ThickWidth)) {
    GraphResult = grError;
    return;
  }
  LineInfo.Thickness = thickness;
  LineInfo.LineStyle = lineStyle;
  LineInfo.Pattern = lineStyle == UserBitLn ? pattern : kStylePatterns[lineStyle];
  for (unsigned bit = 0; bit < 16; ++bit) {
    LinePatterns[15 - bit] = (LineInfo.Pattern & (1U << bit)) != 0;
  }
}

void GetLineSettings(LineSettingsType& settings) { settings = LineInfo; }

void LineDefault(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  const Segment segment{x1, y1, x2, y2};
  if (LineInfo.LineStyle == SolidLn) {
    SolidLine(segment);
  } else {
    PatternedLine(segment);
  }
}

void HLineDefault(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  Segment s{x1, y, x2, y};
  if (s.x1 > s.x2) std::swap(s.x1, s.x2);
  if (!ToVisibleAbsolute(s)) return;
  for (std::int32_t x = s.x1; x <= s.x2; ++x) Plot(x, s.y1);
}

void VLineDefault(std::int16_t x, std::int16_t y1, std::int16_t y2) {
  Segment s{x, y1, x, y2};
  if (s.y1 > s.y2) std::swap(s.y1, s.y2);
  if (!ToVisibleAbsolute(s)) return;
  for (std::int32_t y = s.y1; y <= s.y2; ++y) Plot(s.x1, y);
}

}  // namespace graph
