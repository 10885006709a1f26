// Shapes on the graph window: figures in the XOR write mode and FloodFill on
// real colour values, palettes by default colour number.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "driver_test_support.h"
#include "graphics/graph_window.h"
#include "shape_test_support.h"

namespace graph {
namespace {

using testing::BitmapValue;
using testing::OpenWindow;

constexpr int kWidth = 160;
constexpr int kHeight = 120;

std::vector<win32::COLORREF> Picture() {
  std::vector<win32::COLORREF> values;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) values.push_back(BitmapValue(x, y));
  }
  return values;
}

void PaintNoise(unsigned seed) {
  std::mt19937 random(seed);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      PutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
               static_cast<std::uint16_t>(random() % 256));
    }
  }
}

using ShapesOnWindow = OpenWindow;

// Drawn twice in the XOR mode every figure gives the screen back exactly.
// Drawn once, each pixel of the figure is combined with the screen once in
// its copy-mode colour, corners and the meeting of fill and outline
// included; only a chain of LineTo calls draws its joints twice.
TEST_F(ShapesOnWindow, FiguresInTheXorModeShowWholeAndDrawnTwiceRestoreTheScreen) {
  const PointType star[] = {{80, 5}, {110, 110}, {20, 40}, {140, 40}, {50, 110}};
  struct Figure {
    const char* Label;
    std::function<void()> Draw;
    bool Whole;
  };
  const std::vector<Figure> figures = {
      {"Rectangle", [] { Rectangle(10, 10, 150, 100); }, true},
      {"thick Rectangle",
       [] {
         SetLineStyle(DashedLn, 0, ThickWidth);
         Rectangle(150, 100, 10, 10);
         SetLineStyle(SolidLn, 0, NormWidth);
       },
       true},
      {"DrawPoly", [&star] { DrawPoly(5, star); }, true},
      {"FillPoly", [&star] { FillPoly(5, star); }, true},
      {"Bar3D", [] { Bar3D(20, 40, 100, 110, 15, true); }, true},
      {"Bar", [] { Bar(5, 5, 60, 30); }, true},
      {"LineTo chain",
       [] {
         MoveTo(5, 5);
         LineTo(150, 20);
         LineTo(30, 110);
         LineRel(-20, -100);
       },
       false},
  };
  SetColor(Yellow);
  SetFillStyle(XHatchFill, LightBlue);
  for (const Figure& figure : figures) {
    ClearDevice();
    figure.Draw();
    const auto copied = Picture();
    PaintNoise(11);
    const auto before = Picture();
    SetWriteMode(XORPut);
    figure.Draw();
    const auto once = Picture();
    figure.Draw();
    const auto twice = Picture();
    SetWriteMode(CopyPut);
    EXPECT_EQ(twice, before) << figure.Label;
    if (!figure.Whole) continue;
    for (std::size_t i = 0; i < once.size(); ++i) {
      ASSERT_EQ(once[i], before[i] ^ copied[i])
          << figure.Label << " at " << i % kWidth << "," << i / kWidth;
    }
  }
}

TEST_F(ShapesOnWindow, FloodFillFillsWhatABreadthFirstFillReaches) {
  SetViewPort(40, 30, 40 + kWidth - 1, 30 + kHeight - 1, true);
  SetColor(White);
  Circle(60, 60, 40);
  Rectangle(30, 30, 90, 90);
  SetColor(Red);
  Circle(60, 60, 20);  // another colour: the fill runs over it
  SetColor(White);
  Line(0, 70, 159, 75);
  const auto read = [](int x, int y) {
    return GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
  };
  std::vector<std::uint16_t> expected;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) expected.push_back(read(x, y));
  }
  const std::vector<bool> region =
      testing::Reachable(kWidth, kHeight, {{60, 50}}, [&expected](int x, int y) {
        return expected[static_cast<std::size_t>(y * kWidth + x)] != White;
      });
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (region[i]) expected[i] = LightGreen;
  }
  SetFillStyle(SolidFill, LightGreen);
  FloodFill(60, 50, White);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x)
      ASSERT_EQ(read(x, y), expected[static_cast<std::size_t>(y * kWidth + x)]) << x << "," << y;
  }
}

TEST_F(ShapesOnWindow, PaletteEntriesTakeDefaultColoursForLaterDrawing) {
  PutPixel(0, 0, Red);
  SetPalette(Red, Yellow);
  PutPixel(1, 0, Red);
  SetBkColor(Blue);
  PaletteType palette{};
  GetPalette(palette);
  EXPECT_EQ(palette.Size, 256);
  EXPECT_EQ(palette.Colors[Red], Yellow);
  EXPECT_EQ(palette.Colors[0], Blue);
  EXPECT_EQ(palette.Colors[16], 0) << "a grey level that is black reads as black";
  EXPECT_EQ(BitmapValue(0, 0), win32::RGB(168, 0, 0));
  EXPECT_EQ(BitmapValue(1, 0), win32::RGB(252, 252, 84));
}

}  // namespace
}  // namespace graph
