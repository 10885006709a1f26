// DefaultColors: the 256 colours that every new palette starts from. Entries
// 0 to 15 are the 16 standard colours; the rest follow fixed rules.
#include <array>

#include "graphics/graph.h"

namespace graph {

namespace {

using Levels = std::array<std::int16_t, 5>;

constexpr std::array<RGBRec, 16> kStandardColors = {{
    {0, 0, 0},       {0, 0, 168},     {0, 168, 0},     {0, 168, 168},    // black, blue, green, cyan
    {168, 0, 0},     {168, 0, 168},   {168, 84, 0},    {168, 168, 168},  // red, magenta, brown, light grey
    {84, 84, 84},    {84, 84, 252},   {84, 252, 84},   {84, 252, 252},   // dark grey, light blue, light green, light cyan
    {252, 84, 84},   {252, 84, 252},  {252, 252, 84},  {252, 252, 252},  // light red, light magenta, yellow, white
}};

// Entries 16 to 31.
constexpr std::array<std::int16_t, 16> kGreyLevels = {0,   20,  32,  44,  56,  68,  80,  96,
                                                      112, 128, 144, 160, 180, 200, 224, 252};

// Entries 32 to 247: nine rows of 24, each with five levels L0 < ... < L4.
constexpr std::array<Levels, 9> kRowLevels = {{
    {0, 64, 124, 188, 252},
    {124, 156, 188, 220, 252},
    {180, 196, 216, 232, 252},
    {0, 28, 56, 84, 112},
    {56, 68, 84, 96, 112},
    {80, 88, 96, 104, 112},
    {0, 16, 32, 48, 64},
    {32, 40, 48, 56, 64},
    {44, 48, 52, 60, 64},
}};

// One step around the colour circle per entry, from blue through magenta,
// red, yellow, green and cyan: (red, green, blue) as level numbers.
struct LevelTriple {
  int red;
  int green;
  int blue;
};
constexpr std::array<LevelTriple, 24> kColorCircle = {{
    {0, 0, 4}, {1, 0, 4}, {2, 0, 4}, {3, 0, 4}, {4, 0, 4}, {4, 0, 3}, {4, 0, 2}, {4, 0, 1},
    {4, 0, 0}, {4, 1, 0}, {4, 2, 0}, {4, 3, 0}, {4, 4, 0}, {3, 4, 0}, {2, 4, 0}, {1, 4, 0},
    {0, 4, 0}, {0, 4, 1}, {0, 4, 2}, {0, 4, 3}, {0, 4, 4}, {0, 3, 4}, {0, 2, 4}, {0, 1, 4},
}};

constexpr std::size_t kFirstGrey = 16;
constexpr std::size_t kFirstCircleRow = 32;

constexpr std::array<RGBRec, 256> BuildDefaultColors() {
  std::array<RGBRec, 256> colors{};  // 248 to 255 stay black
  for (std::size_t i = 0; i < kStandardColors.size(); ++i) colors[i] = kStandardColors[i];
  for (std::size_t i = 0; i < kGreyLevels.size(); ++i) {
    const std::int16_t level = kGreyLevels[i];
    colors[kFirstGrey + i] = RGBRec{level, level, level};
  }
  for (std::size_t row = 0; row < kRowLevels.size(); ++row) {
    const Levels& l = kRowLevels[row];
    for (std::size_t step = 0; step < kColorCircle.size(); ++step) {
      const LevelTriple& t = kColorCircle[step];
      colors[kFirstCircleRow + row * kColorCircle.size() + step] =
          RGBRec{l[static_cast<std::size_t>(t.red)], l[static_cast<std::size_t>(t.green)],
                 l[static_cast<std::size_t>(t.blue)]};
    }
  }
  return colors;
}

}  // namespace

const std::array<RGBRec, 256> DefaultColors = BuildDefaultColors();

}  // namespace graph
