// wave_trace: the curve y = 100*sin(x/20) for x from -2500 to 2500 and its
// images under inversion in the circle of radius 300, slowed by an empty
// counting loop after every sample so that the picture grows visibly.
#pragma once

namespace wave_trace {

// Everything the program draws once the graphics window is open.
void DrawPicture();

// The pause after each sample: an empty loop counting I from 1 to 100,000.
void CountingPause();

}  // namespace wave_trace
