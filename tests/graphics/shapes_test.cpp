// Rectangles, bars, polylines and filled polygons through the recording
// driver, each against a picture computed here.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "graphics/graph.h"
#include "recording_driver.h"
#include "shape_test_support.h"

namespace graph {
namespace {

using testing::kFill;
using testing::kOutline;
using testing::Recording;

constexpr int kWidth = 120;
constexpr int kHeight = 90;

class Shapes : public testing::ShapeCanvas<kWidth, kHeight> {
 protected:
  // The whole picture after drawing on a black one.
  static std::vector<std::uint16_t> Drawn(const std::function<void()>& draw) {
    Recording().Fill(Black);
    draw();
    return Recording().Picture;
  }

  // The picture in which exactly the pixels for which `inside` holds have
  // colour `color`.
  static std::vector<std::uint16_t> Expected(const std::function<bool(int, int)>& inside,
                                             std::uint16_t color) {
    std::vector<std::uint16_t> picture(kWidth * kHeight, Black);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (inside(x, y)) picture[static_cast<std::size_t>(y * kWidth + x)] = color;
      }
    }
    return picture;
  }
};

bool InBox(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

TEST_F(Shapes, RectangleIsItsFrameWithCornersInAnyOrder) {
  const auto thin = Expected(
      [](int x, int y) { return InBox(x, y, 10, 5, 20, 12) && !InBox(x, y, 11, 6, 19, 11); },
      kOutline);
  EXPECT_EQ(Drawn([] { Rectangle(10, 5, 20, 12); }), thin);
  EXPECT_EQ(Drawn([] { Rectangle(20, 12, 10, 5); }), thin);
  EXPECT_EQ(Drawn([] { Rectangle(10, 12, 20, 5); }), thin);

  // Three pixels wide with square corners.
  SetLineStyle(SolidLn, 0, ThickWidth);
  const auto thickFrame = [](int x, int y) {
    return InBox(x, y, 9, 4, 21, 13) && !InBox(x, y, 12, 7, 18, 10);
  };
  EXPECT_EQ(Drawn([] { Rectangle(20, 5, 10, 12); }), Expected(thickFrame, kOutline));
}

TEST_F(Shapes, BarCoversExactlyItsInclusiveRectangleWithoutOutline) {
  const auto bar = Expected([](int x, int y) { return InBox(x, y, 30, 40, 33, 41); }, kFill);
  EXPECT_EQ(Drawn([] { Bar(30, 40, 33, 41); }), bar);
  EXPECT_EQ(Drawn([] { Bar(33, 41, 30, 40); }), bar);
  EXPECT_EQ(Drawn([] { Bar(7, 7, 7, 7); }),
            Expected([](int x, int y) { return x == 7 && y == 7; }, kFill));

  // Cut to the viewport, relative to it, whatever ClipPixels says.
  SetViewPort(50, 20, 59, 29, false);
  EXPECT_EQ(Drawn([] { Bar(-5, 8, 3, 40); }),
            Expected([](int x, int y) { return InBox(x, y, 50, 28, 53, 29); }, kFill));
}

TEST_F(Shapes, Bar3DAddsItsOutlineAndDepthAndTheTopOnRequest) {
  const auto withTop = Drawn([] { Bar3D(20, 30, 40, 50, 6, true); });
  const auto at = [](const std::vector<std::uint16_t>& picture, int x, int y) {
    return picture[static_cast<std::size_t>(y * kWidth + x)];
  };
  EXPECT_EQ(at(withTop, 30, 40), kFill);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {20, 30}, {40, 50}, {30, 50}, {46, 44}, {46, 24}, {26, 24}, {33, 24}, {43, 27}}) {
    EXPECT_EQ(at(withTop, x, y), kOutline) << x << "," << y;
  }
  // Without the top, the back edge still rises to the top's depth.
  const auto open = Drawn([] { Bar3D(20, 30, 40, 50, 6, false); });
  EXPECT_EQ(at(open, 46, 24), kOutline);
  EXPECT_EQ(at(open, 26, 24), Black);
  EXPECT_EQ(at(open, 33, 24), Black);
  EXPECT_EQ(at(open, 43, 27), Black);
}

TEST_F(Shapes, DrawPolyIsClosedExactlyWhenItsLastVertexIsItsFirst) {
  const PointType square[] = {{10, 5}, {20, 5}, {20, 12}, {10, 12}, {10, 5}};
  EXPECT_EQ(Drawn([&square] { DrawPoly(5, square); }), Drawn([] { Rectangle(10, 5, 20, 12); }));
  // Without the repeated vertex the left side is missing, its ends aside.
  const auto open = Drawn([&square] { DrawPoly(4, square); });
  EXPECT_EQ(open[static_cast<std::size_t>(8 * kWidth + 10)], Black);
  EXPECT_EQ(open[static_cast<std::size_t>(12 * kWidth + 10)], kOutline);

  GraphResult = grOk;
  EXPECT_EQ(Drawn([&square] { DrawPoly(0, square); }), Expected([](int, int) { return false; }, 0));
  EXPECT_EQ(GraphResult, grError);
  GraphResult = grOk;
  FillPoly(3, nullptr);
  EXPECT_EQ(GraphResult, grError);
}

// The even-odd rule at pixel centres, computed exactly: the crossings of a
// ray from (x, y) to the right with the edges that span row y half-open.
bool InsideEvenOdd(const std::vector<PointType>& polygon, int x, int y) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const std::int64_t xi = polygon[i].X, yi = polygon[i].Y, xj = polygon[j].X, yj = polygon[j].Y;
    if ((yi > y) == (yj > y)) continue;
    // x < xi + (y - yi) (xj - xi) / (yj - yi), multiplied out with the sign of yj - yi.
    const std::int64_t lhs = (x - xi) * (yj - yi);
    const std::int64_t rhs = (y - yi) * (xj - xi);
    if (yj > yi ? lhs < rhs : lhs > rhs) inside = !inside;
  }
  return inside;
}

// Distance from the pixel centre to the nearest edge of the closed polygon.
double DistanceToOutline(const std::vector<PointType>& polygon, int x, int y) {
  double best = 1e9;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const double ax = polygon[j].X, ay = polygon[j].Y, bx = polygon[i].X, by = polygon[i].Y;
    const double dx = bx - ax, dy = by - ay, length = dx * dx + dy * dy;
    const double t =
        length == 0 ? 0 : std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0);
    best = std::min(best, std::hypot(x - (ax + t * dx), y - (ay + t * dy)));
  }
  return best;
}

TEST_F(Shapes, FillPolyFillsByTheEvenOddRuleAtPixelCentresAndOutlinesOnTop) {
  const std::vector<std::pair<const char*, std::vector<PointType>>> polygons = {
      {"convex", {{10, 10}, {70, 20}, {40, 80}}},
      {"concave", {{5, 5}, {100, 5}, {100, 80}, {60, 80}, {60, 30}, {30, 30}, {30, 80}, {5, 80}}},
      {"self-intersecting star", {{60, 2}, {80, 85}, {10, 30}, {110, 30}, {40, 85}}},
      {"degenerate", {{10, 10}, {50, 30}, {90, 50}}},
      {"one vertex off-screen", {{-400, 40}, {100, 10}, {90, 85}}},
  };
  for (const auto& [label, polygon] : polygons) {
    const auto picture =
        Drawn([&polygon] { FillPoly(static_cast<std::uint16_t>(polygon.size()), polygon.data()); });
    int filled = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const std::uint16_t color = picture[static_cast<std::size_t>(y * kWidth + x)];
        if (color == kOutline) {
          ASSERT_LE(DistanceToOutline(polygon, x, y), 0.75)
              << label << " outline at " << x << "," << y;
          continue;
        }
        ASSERT_EQ(color == kFill, InsideEvenOdd(polygon, x, y)) << label << " at " << x << "," << y;
        filled += color == kFill ? 1 : 0;
      }
    }
    if (std::string_view(label) != "degenerate") {
      EXPECT_GT(filled, 200) << label;
    }
  }
}

}  // namespace
}  // namespace graph
