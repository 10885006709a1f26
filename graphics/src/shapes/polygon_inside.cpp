#include "shapes/polygon_inside.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "circles/fill_pattern.h"

namespace graph {

namespace {

// An edge from its upper end (X0, Y0) towards its lower end; it crosses the
// rows Y0 .. YEnd - 1.
struct Edge {
  std::int64_t X0;
  std::int64_t Y0;
  std::int64_t DX;
  std::int64_t DY;  // > 0
  std::int32_t YEnd;
};

// The smallest integer at or above numerator / denominator (denominator > 0).
std::int64_t CeilDiv(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  if (numerator % denominator != 0 && numerator > 0) ++quotient;
  return quotient;
}

// The first column whose centre lies at or right of the edge's crossing of
// row y: the exact crossing is X0 + (y - Y0) * DX / DY.
std::int64_t FirstColumnFrom(const Edge& edge, std::int32_t y) {
  return CeilDiv(edge.X0 * edge.DY + (y - edge.Y0) * edge.DX, edge.DY);
}

std::vector<Edge> EdgesOf(std::span<const PointType> points) {
  std::vector<Edge> edges;
  edges.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    PointType a = points[i];
    PointType b = points[(i + 1) % points.size()];
    if (a.Y == b.Y) continue;  // a horizontal edge crosses no row
    if (a.Y > b.Y) std::swap(a, b);
    edges.push_back(Edge{a.X, a.Y, std::int64_t{b.X} - a.X, std::int64_t{b.Y} - a.Y, b.Y});
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.Y0 < q.Y0; });
  return edges;
}

}  // namespace

void FillPolygonInside(std::span<const PointType> points) {
  const std::vector<Edge> edges = EdgesOf(points);
  if (edges.empty()) return;
  std::int32_t lastRow = edges.front().YEnd - 1;
  for (const Edge& edge : edges) lastRow = std::max(lastRow, edge.YEnd - 1);
  lastRow = std::min<std::int32_t>(lastRow, ViewHeight);
  const auto firstRow = static_cast<std::int32_t>(std::max<std::int64_t>(edges.front().Y0, 0));

  std::vector<const Edge*> active;
  std::vector<std::int64_t> crossings;
  std::size_t next = 0;
  for (std::int32_t y = firstRow; y <= lastRow; ++y) {
    while (next < edges.size() && edges[next].Y0 <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* edge) { return edge->YEnd <= y; });
    crossings.clear();
    for (const Edge* edge : active) crossings.push_back(FirstColumnFrom(*edge, y));
    std::sort(crossings.begin(), crossings.end());
    // Every row crosses the closed outline an even number of times.
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const std::int64_t left = std::max<std::int64_t>(crossings[i], 0);
      const std::int64_t right = std::min<std::int64_t>(crossings[i + 1] - 1, ViewWidth);
      if (left <= right) {
        FillSpan(static_cast<std::int16_t>(left), static_cast<std::int16_t>(right),
                 static_cast<std::int16_t>(y));
      }
    }
  }
}

}  // namespace graph
