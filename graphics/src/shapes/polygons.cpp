// Polylines and filled polygons through a caller's array of vertices. No
// vertices at all (a count of 0 or no array) sets GraphResult to -11.
#include <span>

#include "graphics/graph.h"
#include "shapes/figure.h"
#include "shapes/polygon_inside.h"

namespace graph {

namespace {

[[nodiscard]] bool Valid(std::uint16_t numPoints, const PointType* polyPoints) {
  if (numPoints == 0 || polyPoints == nullptr) {
    GraphResult = grError;
    return false;
  }
  return true;
}

// One line per pair of neighbouring vertices, and with `closed` one from
// the last back to the first unless they coincide. A single vertex is a
// point.
void Stroke(std::span<const PointType> points, bool closed) {
  const PointType& first = points.front();
  if (points.size() == 1) {
    Line(first.X, first.Y, first.X, first.Y);
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i) {
    Line(points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y);
  }
  const PointType& last = points.back();
  if (closed && (last.X != first.X || last.Y != first.Y)) Line(last.X, last.Y, first.X, first.Y);
}

}  // namespace

// Closed exactly when the caller repeats the first vertex at the end.
void DrawPoly(std::uint16_t numPoints, const PointType* polyPoints) {
  if (!Valid(numPoints, polyPoints)) return;
  const std::span<const PointType> points(polyPoints, numPoints);
  DrawFigure([points] { Stroke(points, false); });
}

// The inside first, then the closed outline over it.
void FillPoly(std::uint16_t numPoints, const PointType* polyPoints) {
  if (!Valid(numPoints, polyPoints)) return;
  const std::span<const PointType> points(polyPoints, numPoints);
  DrawFigure([points] {
    FillPolygonInside(points);
    Stroke(points, true);
  });
}

}  // namespace graph
