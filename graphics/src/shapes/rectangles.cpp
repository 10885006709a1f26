// Rectangles: the outline, the filled bar, and the bar with its outline and
// depth. Corners may be given in any order; both are included.
#include <algorithm>

#include "circles/fill_pattern.h"
#include "coordinates.h"
#include "graphics/graph.h"
#include "shapes/figure.h"

namespace graph {

namespace {

struct Box {
  std::int32_t Left;
  std::int32_t Top;
  std::int32_t Right;
  std::int32_t Bottom;
};

Box Normalised(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  return Box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void LineBetween(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  Line(ClampCoordinate(x1), ClampCoordinate(y1), ClampCoordinate(x2), ClampCoordinate(y2));
}

void Outline(const Box& box) {
  // A thick line is three pixels wide; the top and bottom sides reach one
  // column further each way, so that the corners come out square.
  const std::int32_t reach = LineInfo.Thickness == ThickWidth ? 1 : 0;
  LineBetween(box.Left - reach, box.Top, box.Right + reach, box.Top);
  LineBetween(box.Right, box.Top, box.Right, box.Bottom);
  LineBetween(box.Right + reach, box.Bottom, box.Left - reach, box.Bottom);
  LineBetween(box.Left, box.Bottom, box.Left, box.Top);
}

// The rows of the box inside the viewport, which is where fills end.
void Fill(const Box& box) {
  const std::int32_t top = std::max<std::int32_t>(box.Top, 0);
  const std::int32_t bottom = std::min<std::int32_t>(box.Bottom, ViewHeight);
  const auto left = static_cast<std::int16_t>(box.Left);
  const auto right = static_cast<std::int16_t>(box.Right);
  for (std::int32_t row = top; row <= bottom; ++row) {
    FillSpan(left, right, static_cast<std::int16_t>(row));
  }
}

}  // namespace

void Rectangle(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  const Box box = Normalised(x1, y1, x2, y2);
  DrawFigure([&box] { Outline(box); });
}

// Every row is drawn once, so a bar needs no figure of its own even in the
// XOR mode.
void Bar(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  Fill(Normalised(x1, y1, x2, y2));
}

// The front is the bar with its outline; the right side and, with `top`,
// the top face recede `depth` pixels up and to the right. Without the top
// the back edge still rises to the top's depth, so a bar stacked on this
// one completes the picture.
void Bar3D(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::uint16_t depth,
           bool top) {
  const Box box = Normalised(x1, y1, x2, y2);
  DrawFigure([&box, depth, top] {
    Fill(box);
    Outline(box);
    if (depth == 0) return;
    const std::int32_t d = depth;
    LineBetween(box.Right, box.Bottom, box.Right + d, box.Bottom - d);
    LineBetween(box.Right + d, box.Bottom - d, box.Right + d, box.Top - d);
    if (top) {
      LineBetween(box.Right, box.Top, box.Right + d, box.Top - d);
      LineBetween(box.Left, box.Top, box.Left + d, box.Top - d);
      LineBetween(box.Left + d, box.Top - d, box.Right + d, box.Top - d);
    }
  });
}

}  // namespace graph
