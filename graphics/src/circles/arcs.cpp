// Arc and Ellipse: outlines of circular and elliptic arcs through the
// InternalEllipse slot, and GetArcCoords. ArcCall keeps the centre and the
// end points at the radii given, whatever the line thickness.
#include "circles/ellipse_geometry.h"
#include "graphics/graph.h"

namespace graph {

namespace {

void ArcOutline(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
                std::uint16_t xRadius, std::uint16_t yRadius) {
  // Radius 0 draws nothing, as a circle of radius 0 does.
  if (xRadius == 0 && yRadius == 0) {
    ArcCall = ArcCoordsType{x, y, x, y, x, y};
    return;
  }
  InternalEllipse(x, y, xRadius, yRadius, startAngle, endAngle, &DummyPatternLine);
  ArcCall = ArcCoordinates(x, y, xRadius, yRadius, startAngle, endAngle);
}

}  // namespace

void Arc(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
         std::uint16_t radius) {
  ArcOutline(x, y, startAngle, endAngle, radius, radius);
}

void Ellipse(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
             std::uint16_t xRadius, std::uint16_t yRadius) {
  ArcOutline(x, y, startAngle, endAngle, xRadius, yRadius);
}

void GetArcCoords(ArcCoordsType& arcCoords) { arcCoords = ArcCall; }

}  // namespace graph
