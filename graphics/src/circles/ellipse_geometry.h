// What the shapes built on the ellipse rasteriser need to know of it: how
// it orders an arc's angles, where an arc begins and ends, and which rows
// lie inside a full ellipse's outline.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/graph.h"

namespace graph {

// An arc's angles as InternalEllipseDefault takes them: each modulo 361 (so
// 360 stays a full turn), the smaller first; the arc runs counter-clockwise
// from Start to End.
struct ArcAngles {
  std::uint16_t Start;
  std::uint16_t End;
};
[[nodiscard]] ArcAngles NormalisedAngles(std::uint16_t startAngle, std::uint16_t endAngle);

// The centre and end points of the arc with these radii, after the aspect
// ratio, at the radii given (InternalEllipseDefault leaves the innermost of
// a thick outline's three passes in ArcCall instead).
[[nodiscard]] ArcCoordsType ArcCoordinates(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                                           std::uint16_t yRadius, std::uint16_t startAngle,
                                           std::uint16_t endAngle);

// A row inside an outline, viewport-relative, both ends included.
struct EllipseRow {
  std::int16_t Left;
  std::int16_t Right;
  std::int16_t Y;
};

// The rows that InternalEllipseDefault hands its span routine for the full
// ellipse with these radii, the current thickness and aspect ratio: the
// inside of the outline it draws, each row once. None for an ellipse too
// small to have an inside.
[[nodiscard]] std::vector<EllipseRow> EllipseInterior(std::int16_t x, std::int16_t y,
                                                      std::uint16_t xRadius, std::uint16_t yRadius);

}  // namespace graph
