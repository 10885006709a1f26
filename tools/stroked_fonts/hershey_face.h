// One Hershey font file (.jhf) read and converted into a stroked face of the
// graphics library: glyphs for the characters 32 to 126, each a list of
// strokes in font units with y upward from the face's lowest point, and the
// advance of each character.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace stroked_fonts {

// A scale applied to the Hershey units of one axis, as a fraction.
struct Scale {
  int Numerator = 1;
  int Denominator = 1;
};

struct Point {
  int X;
  int Y;
};

// A pen-down path: the pen moves to the first point and draws to the others.
using Path = std::vector<Point>;

struct FaceGlyph {
  std::vector<Path> Paths;
  int Width;  // advance in font units
};

struct Face {
  std::vector<FaceGlyph> Glyphs;  // characters FirstCode, FirstCode + 1, ...
  int Height;                     // highest y that any glyph reaches; the lowest is 0
};

inline constexpr int FirstCode = 32;
inline constexpr int LastCode = 126;

// Reads the first 95 glyphs of a .jhf file as the characters 32 to 126 and
// scales them. Each glyph's origin moves from its Hershey centre to its left
// edge, and y turns upward from the lowest point of the whole face, so that
// a face spans 0 to Height. Throws std::runtime_error naming the file and
// line for anything that is not a well-formed glyph line.
[[nodiscard]] Face ReadFace(const std::string& path, Scale x, Scale y);

}  // namespace stroked_fonts
