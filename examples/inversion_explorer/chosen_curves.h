// The straight line through two chosen points and the circle through three,
// sampled along their length: at the demonstrations' step (0.05) where the
// curve lies on the screen, finer where its image, which moves R*R/d*d
// times as far as a point at distance d from the centre, would otherwise
// leave gaps (its samples stay within half a pixel), and in long strides
// where neither can be seen. So the image of a line closes to within half
// a pixel of the centre, and the image of a circle passing near the centre
// is drawn without gaps.
#pragma once

#include <array>

#include "explorer_state.h"
#include "inversion_plot.h"

namespace explorer {

// Nothing is drawn for two equal points.
void DrawLine(const Inversion& inversion, const std::array<ScreenPoint, 2>& points, ScreenPoint corner);

// Three points on one line (within a pixel) give that line, through the two
// farthest apart.
void DrawCircle(const Inversion& inversion, const std::array<ScreenPoint, 3>& points, ScreenPoint corner);

}  // namespace explorer
