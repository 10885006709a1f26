// Figures made of several lines and rows (rectangles, polylines, filled
// polygons, bars with their outline). In the XOR write mode a figure whose
// strokes overlap, at its corners or where a fill meets its outline, would
// combine those pixels with the screen twice and lose them. DrawFigure
// records what the figure would draw instead and then combines each pixel
// with the screen once, in the colour it would have in the copy mode; so
// the figure shows whole, and drawing it a second time restores the screen
// exactly. In every other write mode the figure is simply drawn.
#pragma once

#include <functional>

namespace graph {

void DrawFigure(const std::function<void()>& draw);

}  // namespace graph
