// parabola_fan: the parabolas y = x*x/100 + 10*I for I = 0 to 40 and their
// images under inversion in the circle of radius 200, all in one picture.
#pragma once

namespace parabola_fan {

// Everything the program draws once the graphics window is open.
void DrawPicture();

}  // namespace parabola_fan
