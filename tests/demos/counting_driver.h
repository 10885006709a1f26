// A counting driver for the demonstrations' pictures: a mode whose pixel
// routine keeps every PutPixel call (position and colour, in order) and
// whose viewport clearing marks where each frame ended, so that tests count
// what a program draws through the library's own hooks, without a window.
#pragma once

#include <cstdint>
#include <vector>

namespace demos::testing {

struct PixelCall {
  std::int16_t X;
  std::int16_t Y;
  std::uint16_t Color;
};

struct CountingDisplay {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<PixelCall> Calls;     // every PutPixel, in call order
  std::vector<std::size_t> Clears;  // Calls.size() at each clearing of the screen
};

[[nodiscard]] CountingDisplay& Counting();

// Starts from an empty mode registry holding only the counting mode of
// width x height pixels and 256 colours, and enters it with InitGraph.
void EnterCountingMode(std::int32_t width, std::int32_t height);

// The picture that the calls from `first` to `last` leave on a cleared
// screen: one colour index per pixel, row by row; off-screen calls are
// dropped as the window driver drops them.
[[nodiscard]] std::vector<std::uint16_t> PictureOf(std::size_t first, std::size_t last);

// Calls from `first` to `last` in `color`.
[[nodiscard]] std::size_t CountColor(std::size_t first, std::size_t last, std::uint16_t color);

}  // namespace demos::testing
