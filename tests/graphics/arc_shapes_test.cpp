// Arcs, ellipses, pie slices, sectors and filled ellipses through the
// recording driver: where GetArcCoords says they begin and end, and fills
// that stay inside their outline.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "graphics/graph.h"
#include "recording_driver.h"
#include "shape_test_support.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::kFill;
using testing::kOutline;
using testing::Recording;

using ArcShapes = testing::ShapeCanvas<200, 160>;

// Centre, start and end of an arc of radii (xr, yr) from `start` to `end`
// degrees, counter-clockwise with y upwards, rounded to pixels.
ArcCoordsType ExpectedEnds(int x, int y, int start, int end, int xr, int yr) {
  const auto end_point = [&](int degrees, std::int16_t& px, std::int16_t& py) {
    const double radians = degrees * std::numbers::pi / 180;
    px = static_cast<std::int16_t>(x + std::lround(xr * std::cos(radians)));
    py = static_cast<std::int16_t>(y - std::lround(yr * std::sin(radians)));
  };
  ArcCoordsType ends{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0, 0, 0, 0};
  end_point(start, ends.XStart, ends.YStart);
  end_point(end, ends.XEnd, ends.YEnd);
  return ends;
}

std::array<std::int16_t, 6> AsArray(const ArcCoordsType& a) {
  return {a.X, a.Y, a.XStart, a.YStart, a.XEnd, a.YEnd};
}

TEST_F(ArcShapes, GetArcCoordsReportsTheCentreAndEndsOfTheLastShape) {
  ArcCoordsType arc{};
  const auto check = [&arc](const ArcCoordsType& expected, const char* label) {
    GetArcCoords(arc);
    EXPECT_EQ(AsArray(arc), AsArray(expected)) << label;
  };
  Arc(100, 80, 0, 90, 50);
  check(ExpectedEnds(100, 80, 0, 90, 50, 50), "Arc");
  Ellipse(100, 80, 90, 180, 60, 30);
  check(ExpectedEnds(100, 80, 90, 180, 60, 30), "Ellipse");
  PieSlice(100, 80, 300, 60, 50);  // the smaller angle first
  check(ExpectedEnds(100, 80, 60, 300, 50, 50), "PieSlice");
  Sector(100, 80, 180, 270, 40, 20);
  check(ExpectedEnds(100, 80, 180, 270, 40, 20), "Sector");
  FillEllipse(100, 80, 30, 20);
  check(ExpectedEnds(100, 80, 0, 360, 30, 20), "FillEllipse");
  // A thick outline reports the radius given, the middle of its three pixels.
  SetLineStyle(SolidLn, 0, ThickWidth);
  Arc(100, 80, 0, 90, 50);
  check(ExpectedEnds(100, 80, 0, 90, 50, 50), "thick Arc");
  // Radius 0 draws nothing and leaves the centre.
  Recording().Calls.clear();
  Arc(10, 20, 0, 90, 0);
  check(ArcCoordsType{10, 20, 10, 20, 10, 20}, "radius 0");
  EXPECT_TRUE(Recording().Calls.empty());
}

// No fill pixel lies outside the outline; with a thin outline every pixel it
// encloses is filled.
TEST_F(ArcShapes, PieSlicesAndSectorsFillOnlyInsideTheirOutline) {
  struct Case {
    int Start, End, XRadius, YRadius;
    bool Thick;
  };
  const Case cases[] = {
      {20, 70, 60, 60, false},   {30, 200, 60, 60, false}, {0, 180, 60, 60, false},
      {45, 350, 60, 60, false},  {0, 360, 60, 60, false},  {100, 106, 70, 70, false},
      {200, 330, 80, 35, false}, {10, 280, 30, 70, false}, {60, 240, 55, 55, true},
  };
  for (const Case& c : cases) {
    Recording().Fill(Black);
    SetLineStyle(SolidLn, 0, c.Thick ? ThickWidth : NormWidth);
    Sector(100, 80, static_cast<std::uint16_t>(c.Start), static_cast<std::uint16_t>(c.End),
           static_cast<std::uint16_t>(c.XRadius), static_cast<std::uint16_t>(c.YRadius));
    // What lies outside the outline: reached from the picture's edge.
    std::vector<testing::Pixel> edge;
    for (int x = 0; x < kWidth; ++x) edge.insert(edge.end(), {{x, 0}, {x, kHeight - 1}});
    for (int y = 0; y < kHeight; ++y) edge.insert(edge.end(), {{0, y}, {kWidth - 1, y}});
    const std::vector<bool> outside = testing::Reachable(
        kWidth, kHeight, edge, [](int x, int y) { return Recording().At(x, y) != kOutline; });
    int filled = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const std::uint16_t color = Recording().At(x, y);
        const bool out = outside[static_cast<std::size_t>(y * kWidth + x)];
        ASSERT_FALSE(out && color == kFill)
            << c.Start << ".." << c.End << " fill outside at " << x << "," << y;
        if (!c.Thick && !out && color != kOutline) {
          ASSERT_EQ(color, kFill) << c.Start << ".." << c.End << " hole at " << x << "," << y;
        }
        filled += color == kFill ? 1 : 0;
      }
    }
    EXPECT_GT(filled, 0) << c.Start << ".." << c.End;
  }
}

TEST_F(ArcShapes, ArcShapesAreDrawnInTheCopyModeAndKeepTheState) {
  SetWriteMode(XORPut);
  Recording().Calls.clear();
  PieSlice(100, 80, 0, 120, 40);
  for (const auto& call : Recording().Calls) {
    if (call.Kind == CallKind::HLine || call.Kind == CallKind::VLine ||
        call.Kind == CallKind::DirectPutPixel) {
      ASSERT_EQ(call.WriteMode, CopyPut);
    }
  }
  EXPECT_EQ(CurrentWriteMode, XORPut);
  EXPECT_EQ(GetColor(), kOutline);
}

}  // namespace
}  // namespace graph
