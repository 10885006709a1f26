#include "hyperbola_trace.h"

#include <cmath>
#include <cstdint>

#include "demo_frame.h"

namespace hyperbola_trace {

namespace {

// The program's globals.
long double X = 0;
long double Y = 0;
std::int32_t R = 0;

constexpr long double kFirstX = -512;
constexpr long double kLastX = 512;
// The extended value nearest to 0.1, slightly above it.
constexpr long double kThreshold = 0.1L;

void INVERZIO() { demos::PlotInverse(X, Y, R, demos::InversionGuard::ScaledPointWithin60000); }

// Near x = 0 the curve is not computed: Y keeps the previous sample's value.
void HyperbolaY() {
  if (std::fabs(X) >= kThreshold) Y = 1000 / X;
}

}  // namespace

void DrawPicture() {
  R = 100;
  demos::DrawInversionCircle(R);
  demos::PlotModelPoint(0, 0, demos::kCentreColor);
  demos::SampleCurve(X, Y, kFirstX, kLastX, HyperbolaY, INVERZIO, [] {});
}

}  // namespace hyperbola_trace
