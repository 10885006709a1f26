// Plotting around the explorer's circle of inversion with the
// demonstrations' arithmetic (demos/frame/demo_frame.h): a point's image is
// formed by InvertPoint relative to the circle's centre and placed around
// that centre as XKOORD and YKOORD place it around the model origin. With
// the centre at the model origin (512, 384) every pixel is the
// demonstration's own.
//
// Unlike the demonstrations, which can rely on their fixed curves and
// circles, the explorer never ends on a point it cannot draw: a point
// beyond the 16-bit screen coordinates is left out instead of ending the
// program with run-time error 201, and a curve point at the very centre,
// whose image lies at infinity (0 / 0, run-time error 207), has no image.
#pragma once

#include <cmath>
#include <cstdint>

#include "demo_frame.h"
#include "explorer_state.h"
#include "graphics/graph.h"
#include "runtime/checks.h"

namespace explorer {

struct Inversion {
  long double screenX;  // the centre on the screen
  long double screenY;
  long double modelX;  // the centre in model coordinates: origin at kHome, y upwards
  long double modelY;
  long double R;
};

[[nodiscard]] Inversion InversionOf(const ExplorerState& state);

// The screen point (column, row), each rounded to nearest with ties to even
// as Round does, in `color`; nothing beyond the 16-bit coordinates.
inline void PlotOnScreen(long double column, long double row, std::uint16_t color) {
  constexpr long double kFarthest = 32767;
  if (!(std::fabs(row) <= kFarthest) || !(std::fabs(column) <= kFarthest)) return;
  const auto y = static_cast<std::int16_t>(runtime::Round(row));
  const auto x = static_cast<std::int16_t>(runtime::Round(column));
  graph::PutPixel(x, y, color);
}

// The model point (X, Y) in `color`, placed as XKOORD and YKOORD place it.
inline void PlotModel(long double X, long double Y, std::uint16_t color) {
  PlotOnScreen(512 + X, -Y + 384, color);
}

// The image of the model point (X, Y) in red, when `guard` admits it.
inline void PlotImage(const Inversion& inversion, long double X, long double Y, demos::InversionGuard guard) {
  const long double x = X - inversion.modelX;
  const long double y = Y - inversion.modelY;
  if (x == 0 && y == 0) return;
  demos::InvertPoint(x, y, inversion.R, guard, [&inversion](long double u, long double v) {
    PlotOnScreen(inversion.screenX + u, -v + inversion.screenY, demos::kImageColor);
  });
}

}  // namespace explorer
