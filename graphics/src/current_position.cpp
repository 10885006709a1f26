// The current position: moving it, and the lines drawn from it. A relative
// move that would leave the 16-bit range stops at its edge.
#include "coordinates.h"
#include "graphics/graph.h"

namespace graph {

namespace {

std::int16_t Offset(std::int16_t from, std::int16_t by) {
  return ClampCoordinate(std::int32_t{from} + by);
}

}  // namespace

void MoveTo(std::int16_t x, std::int16_t y) {
  CurrentX = x;
  CurrentY = y;
}

void MoveRel(std::int16_t dx, std::int16_t dy) {
  MoveTo(Offset(CurrentX, dx), Offset(CurrentY, dy));
}

// Both ends are drawn, as Line draws them: in the XOR write mode the joint
// of two LineTo calls is drawn twice and so disappears (DrawPoly draws every
// pixel of a polyline once).
void LineTo(std::int16_t x, std::int16_t y) {
  Line(CurrentX, CurrentY, x, y);
  MoveTo(x, y);
}

void LineRel(std::int16_t dx, std::int16_t dy) {
  LineTo(Offset(CurrentX, dx), Offset(CurrentY, dy));
}

std::int16_t GetX() { return CurrentX; }

std::int16_t GetY() { return CurrentY; }

}  // namespace graph
