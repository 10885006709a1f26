// Circle outlines through the recording driver: the exact pixels and call
// counts of the rasteriser, thick outlines, the state a circle leaves, the
// aspect terms and clipping by the driver's PutPixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <vector>

#include "circles/x87_trig.h"
#include "graphics/graph.h"
#include "runtime/system.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::Call;
using testing::CallKind;
using testing::Point;
using testing::Recording;
using Points = std::vector<Point>;
using PointSet = std::set<Point>;

class CircleOutline : public ::testing::Test {
 protected:
  // The full-screen client area of the headless display.
  void SetUp() override { testing::EnterRecordingMode(1024, 719); }
  void TearDown() override { FreeModeRegistry(); }

  // The PutPixel positions of one drawing, in call order.
  template <typename Draw>
  static Points Plotted(Draw draw) {
    Recording().Calls.clear();
    draw();
    Points points;
    for (const Call& call : Recording().CallsOf(CallKind::PutPixel)) points.emplace_back(call.A, call.B);
    return points;
  }

  static PointSet Distinct(const Points& points) { return {points.begin(), points.end()}; }
  static PointSet CirclePixels(std::int16_t x, std::int16_t y, std::uint16_t r) {
    return Distinct(Plotted([&] { Circle(x, y, r); }));
  }
};

TEST_F(CircleOutline, RadiusZeroDrawsNothingAndRadiusOneItsCentre) {
  EXPECT_TRUE(Plotted([] { Circle(50, 60, 0); }).empty());
  EXPECT_EQ(Plotted([] { Circle(50, 60, 1); }), (Points{{50, 60}}));
  EXPECT_EQ(Recording().Calls.front().C, 15) << "plotted in CurrentColor";
}

TEST_F(CircleOutline, RadiusTwoPixelForPixel) {
  const Points calls = Plotted([] { Circle(100, 100, 2); });
  EXPECT_EQ(calls.size(), 24U) << "6 steps of 4 mirrored pixels";
  EXPECT_EQ(Distinct(calls), (PointSet{{98, 99}, {98, 100}, {98, 101}, {99, 98}, {99, 102},
                                       {100, 98}, {100, 102}, {101, 98}, {101, 102}, {102, 99},
                                       {102, 100}, {102, 101}}));
}

// The circles of inversion of the demonstrations. A quadrant takes
// n = Round(r * sqrt(2) * sqrt(3)) steps (490 for r = 200, 735 for r = 300),
// and the walk runs on while its counter is at most 91 degrees: 91 * n / 90
// + 1 steps (496 and 744), four calls each. Checked to the pixel at the
// first, second and last steps, in quadrant order.
TEST_F(CircleOutline, CirclesOfInversionStepByStep) {
  struct Case {
    std::uint16_t Radius;
    Points FirstTwoSteps;
    Points LastStep;
  };
  const Case cases[] = {
      {200,
       {{712, 384}, {312, 384}, {312, 384}, {712, 384}, {712, 383}, {312, 383}, {312, 385}, {712, 385}},
       {{509, 184}, {515, 184}, {515, 584}, {509, 584}}},
      {300,
       {{812, 384}, {212, 384}, {212, 384}, {812, 384}, {812, 383}, {212, 383}, {212, 385}, {812, 385}},
       {{507, 84}, {517, 84}, {517, 684}, {507, 684}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Radius);
    const auto quadrantSteps = static_cast<std::size_t>(std::lround(c.Radius * std::sqrt(6.0)));
    const Points calls = Plotted([&] { Circle(512, 384, c.Radius); });
    ASSERT_EQ(calls.size(), 4 * (91 * quadrantSteps / 90 + 1));
    EXPECT_EQ(Points(calls.begin(), calls.begin() + 8), c.FirstTwoSteps);
    EXPECT_EQ(Points(calls.end() - 4, calls.end()), c.LastStep);
  }
}

// The outline of radius r as a path: the first quadrant's points (the first
// of every four calls) run from (r, 0) to (0, -r), each move one column
// left, one row up or both, and the steps past 90 degrees go on left along
// the top row. Such a path has 2r + 1 - D pixels, D being its diagonal
// moves; the quadrants share their four axis pixels and the steps past 90
// degrees land on the next quadrant's pixels, so the outline has 4 (2r - D)
// distinct pixels (1,384 for r = 200, 2,016 for r = 300). Each pixel is the
// rounding of a point of the circle, so it lies within sqrt(2) / 2 of it.
TEST_F(CircleOutline, OutlineIsAnEightConnectedPathRoundedFromTheCircle) {
  for (const std::int32_t r : {2, 10, 200, 300}) {
    SCOPED_TRACE(r);
    const Points calls = Plotted([&] { Circle(512, 384, static_cast<std::uint16_t>(r)); });
    Points path;
    for (std::size_t i = 0; i < calls.size(); i += 4)
      if (path.empty() || path.back() != calls[i]) path.push_back(calls[i]);
    ASSERT_EQ(path.front(), Point(512 + r, 384));
    std::int32_t diagonalMoves = 0;
    bool reachedTop = false;
    for (std::size_t i = 1; i < path.size(); ++i) {
      const std::int32_t left = path[i - 1].first - path[i].first;
      const std::int32_t up = path[i - 1].second - path[i].second;
      ASSERT_TRUE(left >= 0 && left <= 1 && up >= 0 && up <= 1) << "move " << i;
      ASSERT_FALSE(reachedTop && up != 0) << "move " << i;
      if (left == 1 && up == 1) ++diagonalMoves;
      reachedTop = reachedTop || path[i].second == 384 - r;
    }
    ASSERT_TRUE(reachedTop);
    const PointSet pixels = Distinct(calls);
    EXPECT_EQ(static_cast<std::int32_t>(pixels.size()), 4 * (2 * r - diagonalMoves));
    for (const Point& p : pixels)
      ASSERT_LE(std::abs(std::hypot(p.first - 512, p.second - 384) - r), std::sqrt(2.0) / 2)
          << p.first << "," << p.second;
  }
}

// The arc ends and every step add the unit's own pi; rounding to nearest it
// is the 80-bit value nearest to pi, under the program's control word as
// under the unit's default one.
TEST(CircleArithmetic, UnitsPiIsTheNearestExtendedPi) {
  std::uint16_t saved = 0;
  asm volatile("fnstcw %0" : "=m"(saved));
  for (const std::uint16_t word : {runtime::kProgramControlWord, std::uint16_t{0x037F}}) {
    asm volatile("fldcw %0" : : "m"(word));
    EXPECT_EQ(detail::X87Pi(), 3.14159265358979323846264338327950288L) << std::hex << word;
  }
  asm volatile("fldcw %0" : : "m"(saved));
}

TEST_F(CircleOutline, ThickCircleIsThreeThinCirclesAndKeepsItsThickness) {
  PointSet expected = CirclePixels(100, 100, 10);
  expected.merge(CirclePixels(100, 100, 11));
  expected.merge(CirclePixels(100, 100, 9));
  SetLineStyle(SolidLn, 0, ThickWidth);
  EXPECT_EQ(CirclePixels(100, 100, 10), expected);
  EXPECT_EQ(LineInfo.Thickness, ThickWidth);
}

// A thin circle is copied and puts the write mode back; a thick one keeps
// the caller's mode. Neither changes ArcCall or the colour.
TEST_F(CircleOutline, LeavesWriteModeColourAndArcCallAsFound) {
  const ArcCoordsType arc{1, 2, 3, 4, 5, 6};
  for (const std::uint16_t thickness : {NormWidth, ThickWidth}) {
    SCOPED_TRACE(thickness);
    SetLineStyle(SolidLn, 0, thickness);
    ArcCall = arc;
    CurrentWriteMode = XORPut;
    CurrentColor = 9;
    Recording().Calls.clear();
    Circle(200, 200, 30);
    const std::uint16_t expectedMode = thickness == NormWidth ? CopyPut : XORPut;
    for (const Call& call : Recording().CallsOf(CallKind::PutPixel)) {
      ASSERT_EQ(call.WriteMode, expectedMode);
      ASSERT_EQ(call.C, 9);
    }
    EXPECT_EQ(CurrentWriteMode, XORPut);
    EXPECT_EQ(CurrentColor, 9);
    EXPECT_EQ(ArcCall.X, arc.X);
    EXPECT_EQ(ArcCall.YEnd, arc.YEnd);
  }
}

// The radii are divided by the aspect terms (10000 is 1:1). A term of 0, as
// before any mode has been set, leaves the radius as it is instead of
// dividing by zero.
TEST_F(CircleOutline, AspectTermsScaleTheRadiiAndZeroMeansOneToOne) {
  struct Case {
    std::uint16_t XAspectTerm;
    std::uint16_t YAspectTerm;
    std::int32_t HalfWidth;
    std::int32_t HalfHeight;
  };
  const Case cases[] = {
      {10000, 10000, 40, 40}, {0, 0, 40, 40}, {20000, 10000, 20, 40}, {0, 5000, 40, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.XAspectTerm << ":" << c.YAspectTerm);
    XAspect = c.XAspectTerm;
    YAspect = c.YAspectTerm;
    const PointSet pixels = CirclePixels(300, 300, 40);
    std::int32_t halfWidth = 0;
    std::int32_t halfHeight = 0;
    for (const Point& p : pixels) {
      halfWidth = std::max(halfWidth, std::abs(p.first - 300));
      halfHeight = std::max(halfHeight, std::abs(p.second - 300));
    }
    EXPECT_EQ(halfWidth, c.HalfWidth);
    EXPECT_EQ(halfHeight, c.HalfHeight);
  }
}

// Radii above 46340 overflow a 32-bit square sum; the step count is still
// that of the true diagonal, and the walk ends normally.
TEST_F(CircleOutline, HugeRadiusStillStepsThroughTheQuadrant) {
  const Points calls = Plotted([] { Circle(512, 384, 50000); });
  // n = Round(sqrt(2) * 50000 * sqrt(3)) = 122474 steps per 90 degrees, and
  // the walk runs on to just over 91 degrees.
  EXPECT_EQ(calls.size() % 4, 0U);
  EXPECT_GT(calls.size() / 4, 122474U);
  EXPECT_LT(calls.size() / 4, 122474U * 92 / 90);
}

// Pixels outside the viewport are dropped by the driver when clipping is on;
// with clipping off those on the screen appear.
TEST_F(CircleOutline, ClippingOnShowsOnlyTheInsideOfTheViewport) {
  for (const bool clip : {true, false}) {
    SCOPED_TRACE(clip);
    Recording().Fill(0);
    SetViewPort(100, 100, 199, 199, clip);
    Circle(0, 50, 30);  // centred on the viewport's left edge
    EXPECT_EQ(Recording().At(130, 150), 15) << "the rightmost point, inside";
    EXPECT_EQ(Recording().At(100, 120), 15) << "the top of the circle, on the edge";
    EXPECT_EQ(Recording().At(70, 150), clip ? 0 : 15) << "the leftmost point, outside";
  }
}

}  // namespace
}  // namespace graph
