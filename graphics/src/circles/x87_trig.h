// The x87 operations and extended constants of the circle rasteriser. The
// outline's pixels depend on these exact precisions: the unit's own sine,
// cosine and pi, and the 80-bit values nearest to sqrt(3) and pi / 180.
#pragma once

namespace graph::detail {

// Nearest 80-bit values: the step-count factor and the degree-to-radian
// factor.
inline constexpr long double kSqrt3 = 1.7320508075688772935274463415058723669428L;
inline constexpr long double kPiOver180 = 0.0174532925199432957692369076848861271344287L;

// The unit's built-in pi. FLDPI rounds the unit's internal constant as the
// control word's rounding field says; rounding to nearest, as the program's
// word and the unit's default word both do, it gives the 80-bit value
// nearest to pi (4000 C90FDAA2 2168C235).
[[nodiscard]] inline long double X87Pi() {
  long double pi;
  asm("fldpi" : "=t"(pi));
  return pi;
}

// FSIN and FCOS, not the C library's routines: their argument reduction is
// the unit's own, which the outline's rounding ties depend on.
[[nodiscard]] inline long double X87Sin(long double angle) {
  asm("fsin" : "+t"(angle));
  return angle;
}

[[nodiscard]] inline long double X87Cos(long double angle) {
  asm("fcos" : "+t"(angle));
  return angle;
}

}  // namespace graph::detail
