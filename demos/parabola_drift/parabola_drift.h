// parabola_drift: the parabolas y = x*x/100 + 10*I for I = 0 to 50 as an
// animation, one frame per parabola, each with the circle of inversion
// (radius 200) and the images of its points; each frame is shown for
// 100 ms and then cleared, so the window is empty at the end.
#pragma once

namespace parabola_drift {

// Everything the program draws once the graphics window is open.
void DrawPicture();

}  // namespace parabola_drift
