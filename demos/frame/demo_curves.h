// The curves of the four demonstrations, where each is sampled and the
// radius each inverts in, as the main bodies compute them. The inversion
// explorer draws the same curves from here, with the same arithmetic.
#pragma once

#include <cmath>
#include <cstdint>

#include "runtime/checks.h"

namespace demos {

// parabola_drift, parabola_fan: y = x*x/100 + 10*I, where I*10 is a 32-bit
// product with the overflow check (run-time error 215).
inline constexpr long double kParabolaFirstX = -712;
inline constexpr long double kParabolaLastX = 712;
inline constexpr std::int32_t kParabolaRadius = 200;

[[nodiscard]] inline long double ParabolaY(long double X, std::int16_t I) {
  return X * X / 100 + static_cast<long double>(runtime::CheckedMultiply(I, 10));
}

// wave_trace: y = 100*sin(x/20), with the x87's own sine, as the rest of
// the model arithmetic uses the unit.
inline constexpr long double kWaveFirstX = -2500;
inline constexpr long double kWaveLastX = 2500;
inline constexpr std::int16_t kWaveRadius = 300;

[[nodiscard]] inline long double Sine(long double angle) {
  asm("fsin" : "+t"(angle));
  return angle;
}

[[nodiscard]] inline long double WaveY(long double X) { return Sine(X / 20) * 100; }

// hyperbola_trace: y = 1000/x where |x| >= 0.1 (the extended value nearest
// to 0.1, slightly above it); nearer to x = 0 the curve is not computed and
// Y keeps the previous sample's value.
inline constexpr long double kHyperbolaFirstX = -512;
inline constexpr long double kHyperbolaLastX = 512;
inline constexpr std::int32_t kHyperbolaRadius = 100;
inline constexpr long double kHyperbolaThreshold = 0.1L;

inline void HyperbolaY(long double X, long double& Y) {
  if (std::fabs(X) >= kHyperbolaThreshold) Y = 1000 / X;
}

}  // namespace demos
