// The explorer's picture of a state: the circle of inversion in white, its
// centre, the curve in blue and its image in red, the chosen points of the
// line or circle in yellow, and a status line at the bottom saying where
// the centre is, the radius and the curve.
#pragma once

#include <string>

#include "explorer_state.h"

namespace explorer {

// Rows at the bottom of the window that the status line takes.
inline constexpr int kStatusRows = 12;

// Draws the whole picture into the backing bitmap and then shows it at
// once, so the window never shows one half drawn.
void DrawState(const ExplorerState& state);

// What the status line says, for example
// "centre (512, 384)  radius 200  1: parabola y = x*x/100 + 10*I, I = 0".
[[nodiscard]] std::string StatusLine(const ExplorerState& state);

}  // namespace explorer
