// The frame shared by the four inversion demonstrations: opening the
// graphics window, mapping model points to the screen, plotting a point's
// image under inversion, the sampling loop and the closing.
//
// The model plane has its origin at a fixed screen point and its y axis
// pointing up; one model unit is one pixel. All model arithmetic is 80-bit
// extended (`long double` on the x87), and every screen coordinate passes
// the runtime's range check (-32768 .. 32767, run-time error 201) before it
// is drawn, the row before the column.
#pragma once

#include <cmath>
#include <cstdint>

#include "graphics/graph.h"
#include "runtime/checks.h"

namespace demos {

// The screen point of the model origin. It is fixed: it does not follow
// the size of the window the library opens.
inline constexpr std::int16_t kOriginColumn = 512;
inline constexpr std::int16_t kOriginRow = 384;

// Colours of the default palette.
inline constexpr std::uint16_t kCentreColor = 15;  // white
inline constexpr std::uint16_t kSampleColor = 1;   // blue
inline constexpr std::uint16_t kImageColor = 4;    // red

// The step of every sampling loop: the extended value nearest to 0.05,
// slightly above it, so that the accumulated X never lands on 0 exactly.
inline constexpr long double kSampleStep = 0.05L;

// Opens the graphics window in the mode the library detects. The result
// code is not tested: drawing without a window ends the program through
// the library's stopping defaults.
void GRAFIKA();

// The routines a sample passes through are inline: an extended value
// handed to a routine out of line goes through memory, and reading an
// 80-bit value just stored costs more than the arithmetic around it.

// Screen column and row of a model coordinate: kOriginColumn + XX and
// kOriginRow - YY, rounded to nearest with ties to even (run-time error 207
// outside the 32-bit range).
[[nodiscard]] inline std::int32_t XKOORD(long double XX) { return runtime::Round(kOriginColumn + XX); }
[[nodiscard]] inline std::int32_t YKOORD(long double YY) { return runtime::Round(-YY + kOriginRow); }

// PutPixel of the model point (x, y) in `color`, through the range check.
inline void PlotModelPoint(long double x, long double y, std::uint16_t color) {
  const auto row = static_cast<std::int16_t>(runtime::RangeCheck(YKOORD(y), -32768, 32767));
  const auto column = static_cast<std::int16_t>(runtime::RangeCheck(XKOORD(x), -32768, 32767));
  graph::PutPixel(column, row, color);
}

// Range-checks the radius of inversion against 0 .. 65535 and draws the
// circle of inversion around the model origin in the current colour.
void DrawInversionCircle(std::int32_t R);

// Which images a program draws. Each guard's tests run in the order listed;
// the first that fails leaves the image undrawn; every bound is inclusive.
// Each quantity is formed only once the tests before it have passed, so a
// rejected point never reaches a later division.
enum class InversionGuard : std::uint8_t {
  // parabola_drift, parabola_fan: |u| <= 10000, |v| <= 10000.
  ImageWithin10000,
  // wave_trace: TAV >= 7 (tested before any division), |u| <= 60000,
  // |v| <= 60000.
  AwayFromCentreImageWithin60000,
  // hyperbola_trace: |TAV * X / R / R| <= 60000 and the same for Y: points
  // far from the centre, whose images crowd it, are left out.
  ScaledPointWithin60000,
};

namespace detail {

[[nodiscard]] inline bool Within(long double value, long double bound) {
  return std::fabs(value) <= bound;
}

// The image, handed on when both of its coordinates lie within the bound.
template <typename PlotImage>
inline void BoundedImage(long double X, long double Y, long double R, long double TAV,
                         long double bound, PlotImage& plotImage) {
  const long double u = R * X * R / TAV;
  if (!Within(u, bound)) return;
  const long double v = R * Y * R / TAV;
  if (!Within(v, bound)) return;
  plotImage(u, v);
}

}  // namespace detail

// The image (u, v) of the model point (X, Y) under inversion in the circle
// of radius R around the model origin, with TAV = X*X + Y*Y and
// u = (R*X)*R / TAV, v = (R*Y)*R / TAV, handed to plotImage(u, v) when the
// guard admits it. The origin makes the first division 0 / 0 (run-time
// error 207) unless the guard rejects it first.
template <typename PlotImage>
inline void InvertPoint(long double X, long double Y, long double R, InversionGuard guard,
                        PlotImage plotImage) {
  constexpr long double kParabolaBound = 10000;
  constexpr long double kWideBound = 60000;
  constexpr long double kNearestAdmittedTav = 7;
  const long double TAV = X * X + Y * Y;
  switch (guard) {
    case InversionGuard::ImageWithin10000:
      detail::BoundedImage(X, Y, R, TAV, kParabolaBound, plotImage);
      return;
    case InversionGuard::AwayFromCentreImageWithin60000:
      if (TAV >= kNearestAdmittedTav) detail::BoundedImage(X, Y, R, TAV, kWideBound, plotImage);
      return;
    case InversionGuard::ScaledPointWithin60000:
      if (detail::Within(TAV * X / R / R, kWideBound) &&
          detail::Within(TAV * Y / R / R, kWideBound)) {
        // u before v: at the origin the first division is the one that faults.
        const long double u = R * X * R / TAV;
        const long double v = R * Y * R / TAV;
        plotImage(u, v);
      }
      return;
  }
}

// The body of each program's INVERZIO: plots in red, through the range
// check, the image of the model point (X, Y) that InvertPoint admits.
inline void PlotInverse(long double X, long double Y, long double R, InversionGuard guard) {
  InvertPoint(X, Y, R, guard, [](long double u, long double v) { PlotModelPoint(u, v, kImageColor); });
}

// The sampling loop of every program: X runs from `start` in steps of
// kSampleStep until it reaches `end` (tested after the step, so `start` is
// always sampled and `end` never is). Each sample: computeY() sets Y, the
// point is plotted in blue, inverzio() plots its image, X steps on, and
// afterStep() paces the loop.
template <typename ComputeY, typename Inverse, typename AfterStep>
void SampleCurve(long double& X, const long double& Y, long double start, long double end,
                 ComputeY computeY, Inverse inverzio, AfterStep afterStep) {
  X = start;
  do {
    computeY();
    PlotModelPoint(X, Y, kSampleColor);
    inverzio();
    X = X + kSampleStep;
    afterStep();
  } while (!(X >= end));
}

// The closing of every program: reads one line from Input and discards it,
// raises a pending I/O error, then closes the graphics window.
void WaitForEnterAndClose();

}  // namespace demos
