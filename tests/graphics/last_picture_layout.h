// The picture that last_picture_probe draws just before it closes its window:
// a grid of small square images, each put back with PutImage in a colour of
// its own, so that a lost repaint shows as a square in the wrong colour.
#pragma once

#include <cstdint>

namespace last_picture {

// The probe's mode: 640 x 480 with 16 colours (driver 9, mode 2).
inline constexpr std::int16_t kDriver = 9;
inline constexpr std::int16_t kMode = 2;

inline constexpr int kSide = 12;     // each image is kSide x kSide pixels
inline constexpr int kPitch = 16;    // grid spacing, leaving black between images
inline constexpr int kColumns = 36;
inline constexpr int kRows = 26;
inline constexpr int kImages = kColumns * kRows;

struct Placement {
  int X;
  int Y;
  std::uint16_t Color;
};

// Image i: its top-left pixel and its colour, 1 to 15 (never black).
constexpr Placement PlacementOf(int i) {
  return Placement{8 + (i % kColumns) * kPitch, 8 + (i / kColumns) * kPitch,
                   static_cast<std::uint16_t>(1 + i % 15)};
}

}  // namespace last_picture
