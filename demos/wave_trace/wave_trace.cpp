#include "wave_trace.h"

#include <cstdint>

#include "demo_frame.h"

namespace wave_trace {

namespace {

// The program's globals; R is 16-bit here, I counts the pause.
long double X = 0;
long double Y = 0;
std::int16_t R = 0;
std::int32_t I = 0;

constexpr long double kFirstX = -2500;
constexpr long double kLastX = 2500;
constexpr std::int32_t kPauseRounds = 100000;

// The x87's own sine, as the rest of the model arithmetic uses the unit.
long double Sine(long double angle) {
  asm("fsin" : "+t"(angle));
  return angle;
}

void INVERZIO() {
  demos::PlotInverse(X, Y, R, demos::InversionGuard::AwayFromCentreImageWithin60000);
}

void WaveY() { Y = Sine(X / 20) * 100; }

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
  R = 300;
  demos::DrawInversionCircle(R);
  demos::PlotModelPoint(0, 0, demos::kCentreColor);
  demos::SampleCurve(X, Y, kFirstX, kLastX, WaveY, INVERZIO, CountingPause);
}

}  // namespace wave_trace
