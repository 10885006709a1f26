#include "wave_trace.h"

#include <cstdint>

#include "demo_curves.h"
#include "demo_frame.h"

namespace wave_trace {

namespace {

// The program's globals; R is 16-bit here, I counts the pause.
long double X = 0;
long double Y = 0;
std::int16_t R = 0;
std::int32_t I = 0;

constexpr std::int32_t kPauseRounds = 100000;

void INVERZIO() {
  demos::PlotInverse(X, Y, R, demos::InversionGuard::AwayFromCentreImageWithin60000);
}

void WaveY() { Y = demos::WaveY(X); }

}  // namespace

void CountingPause() {
  // The loop is written in machine instructions so that it keeps its cost,
  // about one cycle a round, at every optimisation level: an empty C++ loop
  // is either removed by the optimiser or, unoptimised, several times slower.
  std::int32_t counter = 1;
  asm volatile(
      "1:\n\t"
      "addl $1, %0\n\t"
      "cmpl %1, %0\n\t"
      "jle 1b"
      : "+r"(counter)
      : "i"(kPauseRounds)
      : "cc");
  I = counter;
}

void DrawPicture() {
  R = demos::kWaveRadius;
  demos::DrawInversionCircle(R);
  demos::PlotModelPoint(0, 0, demos::kCentreColor);
  demos::SampleCurve(X, Y, demos::kWaveFirstX, demos::kWaveLastX, WaveY, INVERZIO, CountingPause);
}

}  // namespace wave_trace
