// The pictures of the snapshot writer: each writer's window, round after
// round, shows a picture of its own, so that a file that mixes two pictures,
// or holds part of one, is told from a whole one.
#pragma once

#include <cstdint>

namespace snapshot_test {

constexpr int kWriterPictureWidth = 160;
constexpr int kWriterPictureHeight = 120;

// The colour value (0x00BBGGRR) of one pixel. The top-left pixel names the
// writer (red) and the round (green); the others are noise, which keeps the
// PNG large.
inline std::uint32_t WriterPixel(int writer, int round, int x, int y) {
  if (x == 0 && y == 0) return static_cast<std::uint32_t>(writer) | (static_cast<std::uint32_t>(round) << 8);
  std::uint32_t mixed = static_cast<std::uint32_t>(writer) * 73856093u ^ static_cast<std::uint32_t>(round) * 19349663u ^
                        static_cast<std::uint32_t>(x) * 83492791u ^ static_cast<std::uint32_t>(y) * 2654435761u;
  mixed ^= mixed >> 13;
  mixed *= 0x5bd1e995u;
  mixed ^= mixed >> 15;
  return mixed & 0xFFFFFFu;
}

}  // namespace snapshot_test
