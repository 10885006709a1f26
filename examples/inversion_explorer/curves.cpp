#include "curves.h"

#include "chosen_curves.h"
#include "demo_curves.h"
#include "demo_frame.h"

namespace explorer {

namespace {

using demos::InversionGuard;

void DrawParabola(const Inversion& inversion, std::int16_t I) {
  long double X = 0;
  long double Y = 0;
  demos::SampleCurve(
      X, Y, demos::kParabolaFirstX, demos::kParabolaLastX, [&] { Y = demos::ParabolaY(X, I); },
      [&] { PlotImage(inversion, X, Y, InversionGuard::ImageWithin10000); }, [] {});
}

void DrawWave(const Inversion& inversion) {
  long double X = 0;
  long double Y = 0;
  demos::SampleCurve(
      X, Y, demos::kWaveFirstX, demos::kWaveLastX, [&] { Y = demos::WaveY(X); },
      [&] { PlotImage(inversion, X, Y, InversionGuard::AwayFromCentreImageWithin60000); }, [] {});
}

void DrawHyperbola(const Inversion& inversion) {
  long double X = 0;
  long double Y = 0;
  demos::SampleCurve(
      X, Y, demos::kHyperbolaFirstX, demos::kHyperbolaLastX, [&] { demos::HyperbolaY(X, Y); },
      [&] { PlotImage(inversion, X, Y, InversionGuard::ScaledPointWithin60000); }, [] {});
}

}  // namespace

void DrawCurve(const ExplorerState& state, const Inversion& inversion) {
  switch (state.curve) {
    case Curve::Parabola:
      DrawParabola(inversion, state.parabolaIndex);
      return;
    case Curve::ParabolaFamily:
      for (std::int16_t I = 0; I <= kLastFamilyParabola; ++I) DrawParabola(inversion, I);
      return;
    case Curve::Wave:
      DrawWave(inversion);
      return;
    case Curve::Hyperbola:
      DrawHyperbola(inversion);
      return;
    case Curve::Line:
      DrawLine(inversion, state.linePoints, state.corner);
      return;
    case Curve::Circle:
      DrawCircle(inversion, state.circlePoints, state.corner);
      return;
  }
}

}  // namespace explorer
