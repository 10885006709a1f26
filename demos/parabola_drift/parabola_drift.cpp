#include "parabola_drift.h"

#include <cstdint>

#include "console/console.h"
#include "demo_frame.h"
#include "graphics/graph.h"
#include "runtime/checks.h"

namespace parabola_drift {

namespace {

// The program's globals.
long double X = 0;
long double Y = 0;
std::int32_t R = 0;
std::int16_t I = 0;

constexpr long double kFirstX = -712;
constexpr long double kLastX = 712;
constexpr std::int16_t kLastParabola = 50;
constexpr std::uint16_t kFrameMilliseconds = 100;

void INVERZIO() { demos::PlotInverse(X, Y, R, demos::InversionGuard::ImageWithin10000); }

void ParabolaY() { Y = X * X / 100 + static_cast<long double>(runtime::CheckedMultiply(I, 10)); }

}  // namespace

void DrawPicture() {
  R = 200;
  demos::DrawInversionCircle(R);
  demos::PlotModelPoint(0, 0, demos::kCentreColor);
  for (I = 0; I <= kLastParabola; ++I) {
    demos::DrawInversionCircle(R);
    demos::SampleCurve(X, Y, kFirstX, kLastX, ParabolaY, INVERZIO, [] {});
    console::Delay(kFrameMilliseconds);
    graph::ClearDevice();
  }
}

}  // namespace parabola_drift
