// Reading .jhf files: each line is one glyph, a 5-column glyph number, a
// 3-column count of coordinate pairs, then the pairs as characters measured
// from 'R'. The first pair is the glyph's left and right edge; " R" lifts the
// pen; y grows downward.
#include "hershey_face.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <stdexcept>

namespace stroked_fonts {

namespace {

struct RawGlyph {
  int Left;
  int Right;
  std::vector<Path> Paths;  // Hershey units, centred, y downward
};

[[noreturn]] void Fail(const std::string& path, int line, const std::string& what) {
  throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

[[nodiscard]] int Coordinate(char c) { return c - 'R'; }

RawGlyph ParseGlyph(const std::string& text, const std::string& file, int line) {
  if (text.size() < 10) Fail(file, line, "too short for a glyph");
  int pairs = 0;
  try {
    pairs = std::stoi(text.substr(5, 3));
  } catch (const std::exception&) {
    Fail(file, line, "no coordinate count in columns 6 to 8");
  }
  if (pairs < 1 || text.size() != 8 + 2 * static_cast<std::size_t>(pairs)) {
    Fail(file, line, "the coordinate count does not match the line's length");
  }
  RawGlyph glyph{Coordinate(text[8]), Coordinate(text[9]), {}};
  Path stroke;
  for (std::size_t at = 10; at < text.size(); at += 2) {
    if (text[at] == ' ' && text[at + 1] == 'R') {
      if (!stroke.empty()) glyph.Paths.push_back(std::move(stroke));
      stroke.clear();
    } else {
      stroke.push_back({Coordinate(text[at]), Coordinate(text[at + 1])});
    }
  }
  if (!stroke.empty()) glyph.Paths.push_back(std::move(stroke));
  return glyph;
}

// value * scale, rounded to the nearest unit (halves away from zero).
[[nodiscard]] int Scaled(int value, Scale scale) {
  const long twice = 2L * value * scale.Numerator;
  const long denominator = 2L * scale.Denominator;
  return static_cast<int>(twice >= 0 ? (twice + scale.Denominator) / denominator
                                     : -((-twice + scale.Denominator) / denominator));
}

}  // namespace

Face ReadFace(const std::string& path, Scale x, Scale y) {
  if (x.Denominator <= 0 || y.Denominator <= 0 || x.Numerator <= 0 || y.Numerator <= 0) {
    throw std::runtime_error(path + ": scales must be positive fractions");
  }
  std::ifstream file(path);
  if (!file) throw std::runtime_error(path + ": cannot be read");

  std::vector<RawGlyph> raw;
  std::string text;
  for (int line = 1; raw.size() < LastCode - FirstCode + 1 && std::getline(file, text); ++line) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    raw.push_back(ParseGlyph(text, path, line));
  }
  if (raw.size() < LastCode - FirstCode + 1) {
    throw std::runtime_error(path + ": fewer than the 95 glyphs of characters 32 to 126");
  }

  // The face's lowest point (the largest Hershey y) becomes y = 0.
  int lowest = INT_MIN;
  for (const RawGlyph& glyph : raw) {
    for (const Path& stroke : glyph.Paths) {
      for (const Point& point : stroke) lowest = std::max(lowest, point.Y);
    }
  }

  Face face{{}, 0};
  for (const RawGlyph& glyph : raw) {
    FaceGlyph converted{{}, Scaled(glyph.Right - glyph.Left, x)};
    for (const Path& stroke : glyph.Paths) {
      Path& out = converted.Paths.emplace_back();
      for (const Point& point : stroke) {
        out.push_back({Scaled(point.X - glyph.Left, x), Scaled(lowest - point.Y, y)});
        face.Height = std::max(face.Height, out.back().Y);
      }
    }
    face.Glyphs.push_back(std::move(converted));
  }
  return face;
}

}  // namespace stroked_fonts
