// FloodFill through the recording driver against a breadth-first fill
// computed here: pictures with walls and holes, viewports, a seed on the
// border, and whole screens far larger than a call stack could recurse over.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "graphics/graph.h"
#include "recording_driver.h"
#include "shape_test_support.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::Recording;

constexpr std::uint16_t kWall = White;
constexpr std::uint16_t kFill = LightRed;

void SetPixel(int x, int y, std::uint16_t color) {
  Recording().Picture[static_cast<std::size_t>(y * Recording().Width + x)] = color;
}

void Box(int left, int top, int right, int bottom, std::uint16_t color) {
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) SetPixel(x, y, color);
  }
}

// The picture FloodFill should leave: the pixels reachable from the seed
// through their sides, inside the viewport, without crossing the border
// colour, in the fill colour.
std::vector<std::uint16_t> BreadthFirstFill(int seedX, int seedY, std::uint16_t border) {
  const int width = Recording().Width;
  const std::vector<bool> region = testing::Reachable(
      width, Recording().Height, {{StartXViewPort + seedX, StartYViewPort + seedY}},
      [border](int x, int y) {
        return x >= StartXViewPort && x <= StartXViewPort + ViewWidth && y >= StartYViewPort &&
               y <= StartYViewPort + ViewHeight && Recording().At(x, y) != border;
      });
  std::vector<std::uint16_t> picture = Recording().Picture;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    if (region[i]) picture[i] = kFill;
  }
  return picture;
}

class Flood : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnterRecordingMode(160, 100);
    SetFillStyle(SolidFill, kFill);
  }
  void TearDown() override { FreeModeRegistry(); }
};

TEST_F(Flood, FillsTheRegionARandomPictureEnclosesHolesIncluded) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    Recording().Fill(Black);
    // Walls, other colours that the fill crosses, and islands walled off.
    for (int i = 0; i < 40; ++i) {
      const int x = static_cast<int>(random() % 150), y = static_cast<int>(random() % 90);
      const auto color = static_cast<std::uint16_t>(i % 3 == 0 ? kWall : random() % 15);
      Box(x, y, x + static_cast<int>(random() % 10), y + static_cast<int>(random() % 10), color);
    }
    Box(60, 30, 90, 60, kWall);
    Box(62, 32, 88, 58, Yellow);  // a hole: walled round, never reached from outside
    const int seedX = static_cast<int>(random() % 160), seedY = static_cast<int>(random() % 100);
    const auto expected = BreadthFirstFill(seedX, seedY, kWall);
    FloodFill(static_cast<std::int16_t>(seedX), static_cast<std::int16_t>(seedY), kWall);
    ASSERT_EQ(Recording().Picture, expected) << "round " << round;
  }
}

TEST_F(Flood, TheViewportBoundsTheRegionAndASeedOnTheBorderDrawsNothing) {
  Box(0, 0, 159, 99, Blue);
  Box(40, 0, 40, 99, kWall);
  SetViewPort(20, 10, 79, 49, true);
  auto expected = BreadthFirstFill(5, 5, kWall);
  FloodFill(5, 5, kWall);
  EXPECT_EQ(Recording().Picture, expected);

  Recording().Calls.clear();
  FloodFill(20, 3, kWall);  // on the wall
  FloodFill(-1, 3, kWall);  // outside the viewport
  FloodFill(60, 3, kWall);
  EXPECT_TRUE(Recording().CallsOf(CallKind::HLine).empty());
  EXPECT_TRUE(Recording().CallsOf(CallKind::DirectPutPixel).empty());
}

// The fill remembers what it has filled, so a fill in the border colour, or
// in a pattern, ends and covers the region exactly.
TEST_F(Flood, FillingInTheBorderColourOrAPatternStillEnds) {
  Box(30, 20, 70, 60, kWall);
  Box(31, 21, 69, 59, Black);
  SetFillStyle(SolidFill, kWall);
  FloodFill(50, 40, kWall);
  for (int y = 20; y <= 60; ++y) {
    for (int x = 30; x <= 70; ++x) ASSERT_EQ(Recording().At(x, y), kWall) << x << "," << y;
  }
  EXPECT_EQ(Recording().At(29, 40), Black);

  Recording().Fill(Black);
  Recording().Calls.clear();
  SetFillStyle(InterleaveFill, Black);  // half its pixels stay black
  FloodFill(0, 0, kWall);
  EXPECT_EQ(Recording().CallsOf(CallKind::GetScanLine).size(), 100U) << "each row read once";
}

// A serpent of one-pixel corridors: a fill that recursed per pixel or per
// run would nest a quarter of a million calls deep.
TEST(FloodLarge, SerpentAndWholeScreenFillWithoutRecursion) {
  testing::EnterRecordingMode(512, 512);
  SetFillStyle(SolidFill, kFill);
  for (int x = 1; x < 512; x += 2) {
    Box(x, x % 4 == 1 ? 1 : 0, x, x % 4 == 1 ? 511 : 510, kWall);
  }
  auto expected = BreadthFirstFill(0, 0, kWall);
  FloodFill(0, 0, kWall);
  EXPECT_EQ(Recording().Picture, expected);

  testing::EnterRecordingMode(4096, 4096);
  SetFillStyle(SolidFill, kFill);
  FloodFill(2048, 2048, kWall);
  EXPECT_EQ(Recording().CallsOf(CallKind::HLine).size(), 4096U);
  EXPECT_EQ(std::count(Recording().Picture.begin(), Recording().Picture.end(), kFill), 4096 * 4096);
  FreeModeRegistry();
}

}  // namespace
}  // namespace graph
