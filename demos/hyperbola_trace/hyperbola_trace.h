// hyperbola_trace: the hyperbola y = 1000/x for x from -512 to 512 (where
// |x| >= 0.1) and its images under inversion in the circle of radius 100.
#pragma once

namespace hyperbola_trace {

// Everything the program draws once the graphics window is open.
void DrawPicture();

}  // namespace hyperbola_trace
