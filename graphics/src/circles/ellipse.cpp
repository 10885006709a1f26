// InternalEllipseDefault: the one rasteriser behind circles, arcs and filled
// ellipses. It steps an angle through the first quadrant and mirrors each
// point into the other three; the pixels come out exactly as the library has
// always drawn them because the angle step, the angle counter and each angle
// in radians are kept as 32-bit floats while everything else runs in 80-bit
// extended precision on the x87.
#include <cassert>
#include <cmath>
#include <cstdint>
#include <utility>

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

// Walks the first quadrant, plotting the four mirrored points of every step
// that lie inside start .. end and reporting the rows between them as spans.
void Walk(std::int16_t x, std::int16_t y, std::uint16_t xr, std::uint16_t yr,
          std::uint16_t start, std::uint16_t end, PatternLineProc span, long double pi) {
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
  const std::uint16_t outlineColor = CurrentColor;

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
      PutPixel(right, upper, CurrentColor);
      upperRight = right;
    }
    if (inArc(180.0L - degrees)) {
      PutPixel(left, upper, CurrentColor);
      upperLeft = left;
    }
    if (inArc(180.0L + degrees)) {
      PutPixel(left, lower, CurrentColor);
      lowerLeft = left;
    }
    if (inArc(360.0L - degrees)) {
      PutPixel(right, lower, CurrentColor);
      lowerRight = right;
    }

    if (next.Y != q.Y && right - left >= 1) {
      CurrentColor = FillSettings.Color;
      span(Coord(upperLeft + 1), Coord(upperRight - 1), upper);
      span(Coord(lowerLeft + 1), Coord(lowerRight - 1), lower);
      CurrentColor = outlineColor;
    }

    current = next;
    nextCounter = static_cast<long double>(counter) + step;
    counter = static_cast<float>(nextCounter);
  } while (nextCounter <= 91.0L);
}

}  // namespace

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

  const std::uint16_t xr = AspectRadius(xRadius, XAspect);
  const std::uint16_t yr = AspectRadius(yRadius, YAspect);

  if (xr <= 1 && yr <= 1) {
    PutPixel(x, y, CurrentColor);
    ArcCall = ArcCoordsType{x, y, x, y, x, y};
    return;
  }

  // 360 stays 360, so a full turn is 0 .. 360; arcs run counter-clockwise
  // from the smaller angle to the larger.
  std::uint16_t start = startAngle % 361;
  std::uint16_t end = endAngle % 361;
  if (start > end) std::swap(start, end);

  const long double pi = detail::X87Pi();
  const Offset from = ArcEnd(start, xr, yr, pi);
  const Offset to = ArcEnd(end, xr, yr, pi);
  ArcCall = ArcCoordsType{x, y, Coord(x + from.X), Coord(y + from.Y), Coord(x + to.X),
                          Coord(y + to.Y)};

  Walk(x, y, xr, yr, start, end, span, pi);
}

}  // namespace graph
