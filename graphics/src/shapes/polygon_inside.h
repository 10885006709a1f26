// The inside of a polygon by the even-odd rule, sampled at pixel centres
// (the integer points that the vertices name): a pixel is inside when a ray
// from its centre to the right crosses the polygon's edges an odd number of
// times. An edge counts on the rows from its upper end up to, not including,
// its lower end, and a crossing counts when it lies strictly right of the
// pixel's centre; so the rows and columns where the polygon begins are
// inside and those where it ends are not, and polygons that share an edge
// share no pixel. Drawn in the fill pattern and colour, clipped to the
// viewport; concave and self-intersecting polygons alike.
#pragma once

#include <span>

#include "graphics/graph.h"

namespace graph {

void FillPolygonInside(std::span<const PointType> points);

}  // namespace graph
