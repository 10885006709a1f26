// The frame of the guide's example programs: each draws one picture in a
// window of a fixed size and shows it until Enter is pressed in the console.
#pragma once

#include <cstdint>

namespace guide {

// Runs the whole program: starts the libraries, opens a width x height
// window with 256 colours, calls draw, waits for Enter in the console and
// closes the window. A window that cannot be opened ends the program with
// the library's message on standard error and exit code 1.
[[noreturn]] void ShowPicture(std::int32_t width, std::int32_t height, void (*draw)());

}  // namespace guide
