#include "parabola_drift.h"

#include <cstdint>

#include "console/console.h"
#include "demo_curves.h"
#include "demo_frame.h"
#include "graphics/graph.h"

namespace parabola_drift {

namespace {

// The program's globals.
long double X = 0;
long double Y = 0;
std::int32_t R = 0;
std::int16_t I = 0;

constexpr std::int16_t kLastParabola = 50;
constexpr std::uint16_t kFrameMilliseconds = 100;

void INVERZIO() { demos::PlotInverse(X, Y, R, demos::InversionGuard::ImageWithin10000); }

void ParabolaY() { Y = demos::ParabolaY(X, I); }

}  // namespace

void DrawPicture() {
  R = demos::kParabolaRadius;
  demos::DrawInversionCircle(R);
  demos::PlotModelPoint(0, 0, demos::kCentreColor);
  for (I = 0; I <= kLastParabola; ++I) {
    demos::DrawInversionCircle(R);
    demos::SampleCurve(X, Y, demos::kParabolaFirstX, demos::kParabolaLastX, ParabolaY, INVERZIO, [] {});
    console::Delay(kFrameMilliseconds);
    graph::ClearDevice();
  }
}

}  // namespace parabola_drift
