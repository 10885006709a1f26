// InternalEllipseDefault: the one rasteriser behind circles, arcs and filled
// ellipses, and the geometry that pie slices and sectors share with it. It
// steps an angle through the first quadrant and mirrors each point into the
// other three; its pixels are fixed exactly because the angle step, the
// angle counter and each angle in radians are kept as 32-bit floats while
// everything else runs in 80-bit extended precision on the x87.
#include <cassert>
#include <cmath>
#include <cstdint>
#include <utility>

#include "circles/ellipse_geometry.h"
#include "graphics/graph.h"
#include "runtime/checks.h"
#include "x87_trig.h"

namespace graph {

namespace {

using detail::kPiOver180;
using detail::kSqrt3;

// A span end that no pixel of the step recorded.
constexpr std::int32_t kNoLeftEnd = -32768;
constexpr std::int32_t kNoRightEnd = 32767;

// Coordinate sums are kept in 16 bits, as the screen coordinates are.
std::int16_t Coord(std::int32_t value) { return static_cast<std::int16_t>(value); }

// The aspect divisor applied to a radius. An aspect term of 0 means that no
// mode has set one yet (InitVars clears them); the radius is then taken 1:1
// instead of being divided by zero.
std::uint16_t AspectRadius(std::uint16_t radius, std::uint16_t aspect) {
  std::uint16_t scaled = radius;
  if (aspect != 0) scaled = static_cast<std::uint16_t>((std::int32_t{radius} * 10000) / aspect);
  return scaled == 0 ? 1 : scaled;
}

struct Offset {
  std::int16_t X;
  std::int16_t Y;
};

// The offset of the curve point at `radians` (a stored 32-bit float) from the
// centre. Adding pi before the sine turns the model's upward y into the
// screen's downward rows; the rounding applies to that negated value.
Offset PointAt(float radians, std::uint16_t xr, std::uint16_t yr, long double pi) {
  const long double angle = radians;
  return Offset{Coord(runtime::Round(xr * detail::X87Cos(angle))),
                Coord(runtime::Round(yr * detail::X87Sin(angle + pi)))};
}

// Where an arc from `degrees` begins or ends, as ArcCall records it.
Offset ArcEnd(std::uint16_t degrees, std::uint16_t xr, std::uint16_t yr, long double pi) {
  const auto radians = static_cast<float>(degrees * kPiOver180);
  return PointAt(radians, xr, yr, pi);
}

// Walks the first quadrant and calls plot(x, y) for each of the four
// mirrored points of every step that lie inside start .. end, and
// rows(upperLeft, upperRight, upper, lowerLeft, lowerRight, lower) with the
// two rows between them each time the walk is about to change rows. A row
// end whose pixel was not plotted is open: -32767 on the left, 32766 on the
// right.
template <typename Plot, typename Rows>
void Walk(std::int16_t x, std::int16_t y, std::uint16_t xr, std::uint16_t yr,
          std::uint16_t start, std::uint16_t end, long double pi, Plot plot, Rows rows) {
  // The square sum is formed in 64 bits: in 32 it turns negative for radii
  // above 46340, and the square root of a negative number is an invalid
  // operation. Below that the two agree.
  const long double radiusDiagonal =
      std::sqrt(static_cast<long double>(std::int64_t{xr} * xr + std::int64_t{yr} * yr));
  const std::int32_t steps = runtime::Round(radiusDiagonal * kSqrt3);
  // One radius exceeds 1 here, so the diagonal is at least 2.
  assert(steps >= 3);
  const auto step = static_cast<float>(90.0L / steps);
  const long double first = start;
  const long double last = end;
  const auto inArc = [first, last](long double degrees) {
    return degrees >= first && degrees <= last;
  };

  float counter = 0.0F;
  Offset current{Coord(xr), 0};
  long double nextCounter = 0.0L;
  do {
    const Offset q = current;
    const auto radians =
        static_cast<float>((static_cast<long double>(counter) + step) * kPiOver180);
    const Offset next = PointAt(radians, xr, yr, pi);

    const std::int16_t right = Coord(x + q.X);
    const std::int16_t left = Coord(x - q.X);
    const std::int16_t upper = Coord(y + q.Y);
    const std::int16_t lower = Coord(y - q.Y);
    std::int32_t upperRight = kNoRightEnd;
    std::int32_t upperLeft = kNoLeftEnd;
    std::int32_t lowerLeft = kNoLeftEnd;
    std::int32_t lowerRight = kNoRightEnd;
    const long double degrees = counter;
    if (inArc(degrees)) {
      plot(right, upper);
      upperRight = right;
    }
    if (inArc(180.0L - degrees)) {
      plot(left, upper);
      upperLeft = left;
    }
    if (inArc(180.0L + degrees)) {
      plot(left, lower);
      lowerLeft = left;
    }
    if (inArc(360.0L - degrees)) {
      plot(right, lower);
      lowerRight = right;
    }

    if (next.Y != q.Y && right - left >= 1) {
      rows(Coord(upperLeft + 1), Coord(upperRight - 1), upper, Coord(lowerLeft + 1),
           Coord(lowerRight - 1), lower);
    }

    current = next;
    nextCounter = static_cast<long double>(counter) + step;
    counter = static_cast<float>(nextCounter);
  } while (nextCounter <= 91.0L);
}

// The radii in pixels after the aspect ratio; an ellipse of at most one
// pixel each way is the single pixel at its centre.
struct Radii {
  std::uint16_t X;
  std::uint16_t Y;
  [[nodiscard]] bool Tiny() const { return X <= 1 && Y <= 1; }
};

Radii ScaledRadii(std::uint16_t xRadius, std::uint16_t yRadius) {
  return Radii{AspectRadius(xRadius, XAspect), AspectRadius(yRadius, YAspect)};
}

ArcCoordsType ArcEnds(std::int16_t x, std::int16_t y, Radii radii, ArcAngles angles,
                      long double pi) {
  if (radii.Tiny()) return ArcCoordsType{x, y, x, y, x, y};
  const Offset from = ArcEnd(angles.Start, radii.X, radii.Y, pi);
  const Offset to = ArcEnd(angles.End, radii.X, radii.Y, pi);
  return ArcCoordsType{x, y, Coord(x + from.X), Coord(y + from.Y), Coord(x + to.X),
                       Coord(y + to.Y)};
}

}  // namespace

ArcAngles NormalisedAngles(std::uint16_t startAngle, std::uint16_t endAngle) {
  // 360 stays 360, so a full turn is 0 .. 360.
  const auto start = static_cast<std::uint16_t>(startAngle % 361);
  const auto end = static_cast<std::uint16_t>(endAngle % 361);
  return start <= end ? ArcAngles{start, end} : ArcAngles{end, start};
}

ArcCoordsType ArcCoordinates(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                             std::uint16_t yRadius, std::uint16_t startAngle,
                             std::uint16_t endAngle) {
  return ArcEnds(x, y, ScaledRadii(xRadius, yRadius), NormalisedAngles(startAngle, endAngle),
                 detail::X87Pi());
}

std::vector<EllipseRow> EllipseInterior(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                                        std::uint16_t yRadius) {
  std::vector<EllipseRow> inside;
  if (LineInfo.Thickness == ThickWidth) {
    if (xRadius == 0 || yRadius == 0) return inside;
    --xRadius;
    --yRadius;
  }
  const Radii radii = ScaledRadii(xRadius, yRadius);
  if (radii.Tiny()) return inside;
  const auto keep = [&inside](std::int16_t left, std::int16_t right, std::int16_t row) {
    const EllipseRow add{left, right, row};
    // The middle row is reported as the upper and the lower row alike.
    if (inside.empty() || inside.back().Y != row) inside.push_back(add);
  };
  Walk(
      x, y, radii.X, radii.Y, 0, 360, detail::X87Pi(), [](std::int16_t, std::int16_t) {},
      [&keep](std::int16_t upperLeft, std::int16_t upperRight, std::int16_t upper,
              std::int16_t lowerLeft, std::int16_t lowerRight, std::int16_t lower) {
        keep(upperLeft, upperRight, upper);
        keep(lowerLeft, lowerRight, lower);
      });
  return inside;
}

void InternalEllipseDefault(std::int16_t x, std::int16_t y, std::uint16_t xRadius,
                            std::uint16_t yRadius, std::uint16_t startAngle,
                            std::uint16_t endAngle, PatternLineProc span) {
  // A thick outline is three one-pixel outlines, of radii r, r + 1 and r - 1;
  // only the innermost reports spans, so a fill never covers the outline.
  if (LineInfo.Thickness == ThickWidth) {
    LineInfo.Thickness = NormWidth;
    InternalEllipseDefault(x, y, xRadius, yRadius, startAngle, endAngle, &DummyPatternLine);
    InternalEllipseDefault(x, y, static_cast<std::uint16_t>(xRadius + 1),
                           static_cast<std::uint16_t>(yRadius + 1), startAngle, endAngle,
                           &DummyPatternLine);
    LineInfo.Thickness = ThickWidth;
    if (xRadius == 0 || yRadius == 0) return;
    --xRadius;
    --yRadius;
  }

  const Radii radii = ScaledRadii(xRadius, yRadius);
  if (radii.Tiny()) {
    PutPixel(x, y, CurrentColor);
    ArcCall = ArcCoordsType{x, y, x, y, x, y};
    return;
  }

  // Arcs run counter-clockwise from the smaller angle to the larger.
  const ArcAngles angles = NormalisedAngles(startAngle, endAngle);
  const long double pi = detail::X87Pi();
  ArcCall = ArcEnds(x, y, radii, angles, pi);

  const std::uint16_t outlineColor = CurrentColor;
  Walk(
      x, y, radii.X, radii.Y, angles.Start, angles.End, pi,
      [](std::int16_t px, std::int16_t py) { PutPixel(px, py, CurrentColor); },
      [span, outlineColor](std::int16_t upperLeft, std::int16_t upperRight, std::int16_t upper,
                           std::int16_t lowerLeft, std::int16_t lowerRight, std::int16_t lower) {
        CurrentColor = FillSettings.Color;
        span(upperLeft, upperRight, upper);
        span(lowerLeft, lowerRight, lower);
        CurrentColor = outlineColor;
      });
}

}  // namespace graph
