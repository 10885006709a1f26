// Inversion in the circle of radius R around the model origin, with the
// guard that each program applies before drawing an image.
#include <cmath>

#include "demo_frame.h"

namespace demos {

namespace {

constexpr long double kParabolaBound = 10000;
constexpr long double kWideBound = 60000;
constexpr long double kNearestAdmittedTav = 7;

bool Within(long double value, long double bound) { return std::fabs(value) <= bound; }

// The guard's tests in their order; a test that fails ends the evaluation,
// so no later quantity is computed for a rejected point.
bool Admits(InversionGuard guard, long double X, long double Y, long double R, long double TAV) {
  switch (guard) {
    case InversionGuard::ImageWithin10000:
      return Within(R * X * R / TAV, kParabolaBound) && Within(R * Y * R / TAV, kParabolaBound);
    case InversionGuard::AwayFromCentreImageWithin60000:
      return TAV >= kNearestAdmittedTav && Within(R * X * R / TAV, kWideBound) &&
             Within(R * Y * R / TAV, kWideBound);
    case InversionGuard::ScaledPointWithin60000:
      return Within(TAV * X / R / R, kWideBound) && Within(TAV * Y / R / R, kWideBound);
  }
  return false;
}

}  // namespace

void PlotInverse(long double X, long double Y, long double R, InversionGuard guard) {
  const long double TAV = X * X + Y * Y;
  if (!Admits(guard, X, Y, R, TAV)) return;
  const long double u = R * X * R / TAV;
  const long double v = R * Y * R / TAV;
  PlotModelPoint(u, v, kImageColor);
}

}  // namespace demos
