#include "hyperbola_trace.h"

#include <cstdint>

#include "demo_curves.h"
#include "demo_frame.h"

namespace hyperbola_trace {

namespace {

// The program's globals.
long double X = 0;
long double Y = 0;
std::int32_t R = 0;

void INVERZIO() { demos::PlotInverse(X, Y, R, demos::InversionGuard::ScaledPointWithin60000); }

// Near x = 0 the curve is not computed: Y keeps the previous sample's value.
void HyperbolaY() { demos::HyperbolaY(X, Y); }

}  // namespace

void DrawPicture() {
  R = demos::kHyperbolaRadius;
  demos::DrawInversionCircle(R);
  demos::PlotModelPoint(0, 0, demos::kCentreColor);
  demos::SampleCurve(X, Y, demos::kHyperbolaFirstX, demos::kHyperbolaLastX, HyperbolaY, INVERZIO, [] {});
}

}  // namespace hyperbola_trace
