// Filled ellipses, pie slices and sectors: the inside of the outline that
// InternalEllipseDefault draws, in the fill pattern and colour, with the
// outline in the current colour. Like circles they are always drawn in the
// copy mode. ArcCall keeps the centre and the end points.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "circles/ellipse_geometry.h"
#include "circles/fill_pattern.h"
#include "graphics/graph.h"

namespace graph {

namespace {

// The part of the plane that an arc sweeps, seen from its centre: from the
// ray to its start point counter-clockwise to the ray to its end point,
// both rays included. The rays are the two radii that the outline draws, so
// the fill meets them exactly. Coordinates grow upwards here.
class Wedge {
 public:
  Wedge(const ArcCoordsType& ends, std::int32_t sweep)
      : sx_(ends.XStart - ends.X),
        sy_(ends.Y - ends.YStart),
        ex_(ends.XEnd - ends.X),
        ey_(ends.Y - ends.YEnd) {
    const std::int64_t turn = Cross(sx_, sy_, ex_, ey_);
    if (turn > 0) {
      kind_ = Kind::Convex;
    } else if (turn < 0) {
      kind_ = Kind::Reflex;
    } else if (sx_ * ex_ + sy_ * ey_ < 0) {
      kind_ = Kind::HalfPlane;
    } else {
      // The two rays point the same way: no sweep, or the whole turn.
      kind_ = sweep >= 180 ? Kind::Whole : Kind::None;
    }
  }

  [[nodiscard]] bool Contains(std::int64_t px, std::int64_t py) const {
    const bool afterStart = Cross(sx_, sy_, px, py) >= 0;
    const bool beforeEnd = Cross(px, py, ex_, ey_) >= 0;
    switch (kind_) {
      case Kind::Convex:
        return afterStart && beforeEnd;
      case Kind::Reflex:
        return afterStart || beforeEnd;
      case Kind::HalfPlane:
        return afterStart;
      case Kind::Whole:
        return true;
      case Kind::None:
        break;
    }
    return false;
  }

  [[nodiscard]] bool Empty() const { return kind_ == Kind::None; }

 private:
  enum class Kind : std::uint8_t { Convex, Reflex, HalfPlane, Whole, None };

  static std::int64_t Cross(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) {
    return ax * by - ay * bx;
  }

  std::int64_t sx_;
  std::int64_t sy_;
  std::int64_t ex_;
  std::int64_t ey_;
  Kind kind_ = Kind::None;
};

// The rows of the ellipse's inside that lie in the wedge, cut to the
// viewport, as runs of fill.
void FillWedge(const ArcCoordsType& ends, const Wedge& wedge,
               const std::vector<EllipseRow>& inside) {
  if (wedge.Empty()) return;
  for (const EllipseRow& row : inside) {
    if (row.Y < 0 || row.Y > ViewHeight) continue;
    const std::int32_t left = std::max<std::int32_t>(row.Left, 0);
    const std::int32_t right = std::min<std::int32_t>(row.Right, ViewWidth);
    const std::int64_t py = std::int64_t{ends.Y} - row.Y;
    std::int32_t runStart = left;
    for (std::int32_t column = left; column <= right + 1; ++column) {
      const bool in = column <= right && wedge.Contains(column - std::int64_t{ends.X}, py);
      if (in) continue;
      if (column > runStart) {
        FillSpan(static_cast<std::int16_t>(runStart), static_cast<std::int16_t>(column - 1), row.Y);
      }
      runStart = column + 1;
    }
  }
}

}  // namespace

void FillEllipse(std::int16_t x, std::int16_t y, std::uint16_t xRadius, std::uint16_t yRadius) {
  if (xRadius == 0 && yRadius == 0) {
    ArcCall = ArcCoordsType{x, y, x, y, x, y};
    return;
  }
  InternalEllipse(x, y, xRadius, yRadius, 0, 360, Hooks.PatternLine);
  ArcCall = ArcCoordinates(x, y, xRadius, yRadius, 0, 360);
}

void PieSlice(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
              std::uint16_t radius) {
  Sector(x, y, startAngle, endAngle, radius, radius);
}

// The fill first, then the arc and the two radii over its edge.
void Sector(std::int16_t x, std::int16_t y, std::uint16_t startAngle, std::uint16_t endAngle,
            std::uint16_t xRadius, std::uint16_t yRadius) {
  if (xRadius == 0 && yRadius == 0) {
    ArcCall = ArcCoordsType{x, y, x, y, x, y};
    return;
  }
  const ArcAngles angles = NormalisedAngles(startAngle, endAngle);
  const ArcCoordsType ends = ArcCoordinates(x, y, xRadius, yRadius, startAngle, endAngle);
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = CopyPut;
  FillWedge(ends, Wedge(ends, angles.End - angles.Start), EllipseInterior(x, y, xRadius, yRadius));
  InternalEllipse(x, y, xRadius, yRadius, startAngle, endAngle, &DummyPatternLine);
  Line(x, y, ends.XStart, ends.YStart);
  Line(x, y, ends.XEnd, ends.YEnd);
  CurrentWriteMode = savedWriteMode;
  ArcCall = ends;
}

}  // namespace graph
