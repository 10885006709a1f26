// Arcs, filled ellipses and the pattern span routine through the recording
// driver.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "graphics/graph.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::Call;
using testing::CallKind;
using testing::Point;
using testing::Recording;
using PointSet = std::set<Point>;

class CircleFill : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnterRecordingMode(320, 200); }
  void TearDown() override { FreeModeRegistry(); }

  static PointSet PutPixels() {
    PointSet points;
    for (const Call& call : Recording().CallsOf(CallKind::PutPixel)) points.emplace(call.A, call.B);
    return points;
  }
};

// Angles are exchanged so that an arc always runs counter-clockwise from the
// smaller to the larger: 300 -> 60 is the left part, through 180.
TEST_F(CircleFill, ArcFrom300To60DrawsTheLeftPart) {
  InternalEllipse(160, 100, 50, 50, 300, 60, &DummyPatternLine);
  const PointSet arc = PutPixels();
  EXPECT_TRUE(arc.contains({110, 100})) << "180 degrees";
  EXPECT_FALSE(arc.contains({210, 100})) << "0 degrees";
  for (const Point& p : arc) ASSERT_LE(p.first, 160 + 25) << p.first << "," << p.second;
  // The arc runs from 60 degrees (upper right) to 300 (lower right).
  EXPECT_EQ(ArcCall.X, 160);
  EXPECT_EQ(ArcCall.Y, 100);
  EXPECT_EQ((std::array{ArcCall.XStart, ArcCall.YStart, ArcCall.XEnd, ArcCall.YEnd}),
            (std::array<std::int16_t, 4>{185, 57, 185, 143}));
}

TEST_F(CircleFill, TinyEllipseIsItsCentreAndArcCallPointsThere) {
  InternalEllipse(40, 30, 1, 0, 0, 360, &DummyPatternLine);
  EXPECT_EQ(PutPixels(), (PointSet{{40, 30}}));
  EXPECT_EQ((std::array{ArcCall.X, ArcCall.Y, ArcCall.XStart, ArcCall.YStart, ArcCall.XEnd,
                        ArcCall.YEnd}),
            (std::array<std::int16_t, 6>{40, 30, 40, 30, 40, 30}));
}

// Filling reports one span per row, one column inside the outline on each
// side, in the fill colour; no span pixel is an outline pixel, and the
// outline keeps its colour.
TEST_F(CircleFill, FilledEllipseFillsInsideWithoutTouchingTheOutline) {
  FillSettings.Color = 2;
  CurrentColor = 14;
  InternalEllipse(160, 100, 40, 25, 0, 360, &PatternLineDefault);
  const PointSet outline = PutPixels();
  const std::vector<Call> spans = Recording().CallsOf(CallKind::HLine);
  ASSERT_FALSE(spans.empty());
  std::set<std::int32_t> rows;
  for (const Call& span : spans) {
    const std::int32_t y = span.C;
    rows.insert(y);
    EXPECT_EQ(span.Color, 2);
    EXPECT_TRUE(outline.contains({span.A - 1, y})) << "left end of row " << y;
    EXPECT_TRUE(outline.contains({span.B + 1, y})) << "right end of row " << y;
    for (std::int32_t x = span.A; x <= span.B; ++x) ASSERT_FALSE(outline.contains({x, y}));
  }
  // Every row strictly between the top and bottom of the outline is filled.
  EXPECT_EQ(rows.size(), 2U * 25 - 1);
  EXPECT_EQ(*rows.begin(), 100 - 24);
  EXPECT_EQ(*rows.rbegin(), 100 + 24);
  for (const Call& call : Recording().CallsOf(CallKind::PutPixel)) ASSERT_EQ(call.C, 14);
  EXPECT_EQ(CurrentColor, 14);
}

// Pattern 1 is one run in the current colour, pattern 0 one run in the
// background colour, and a number beyond the table fills solid.
TEST_F(CircleFill, SolidAndEmptyPatternsAreSingleRuns) {
  CurrentColor = 5;
  SetBkColor(3);
  struct Case {
    std::uint16_t Pattern;
    std::uint16_t Colour;
  };
  for (const Case c : {Case{1, 5}, Case{0, 3}, Case{13, 5}, Case{65535, 5}}) {
    SCOPED_TRACE(c.Pattern);
    FillSettings.Pattern = c.Pattern;
    CurrentWriteMode = XORPut;
    Recording().Calls.clear();
    PatternLine(10, 20, 7);
    EXPECT_EQ(Recording().Calls, (std::vector<Call>{{CallKind::HLine, 10, 20, 7, 0, c.Colour, CopyPut}}));
    EXPECT_EQ(CurrentColor, 5);
    EXPECT_EQ(CurrentWriteMode, XORPut);
  }
}

// Pattern 9 alternates pairs of columns; the phase follows the absolute
// screen column and row, whatever the viewport origin.
TEST_F(CircleFill, PatternPhaseFollowsAbsoluteColumns) {
  FillSettings.Pattern = 9;  // rows alternate CC and 33
  CurrentColor = 5;
  SetBkColor(3);
  for (const std::int16_t originX : {0, 3, 6}) {
    SCOPED_TRACE(originX);
    SetViewPort(originX, 5, 200, 100, true);
    Recording().Calls.clear();
    PatternLine(0, 7, 0);  // absolute row 5: pattern byte 0x33
    const std::vector<Call> pixels = Recording().Calls;
    ASSERT_EQ(pixels.size(), 8U);
    for (const Call& pixel : pixels) {
      ASSERT_EQ(pixel.Kind, CallKind::DirectPutPixel);
      EXPECT_EQ(pixel.B, 5);
      const bool set = (pixel.A & 2) != 0;  // 0x33: columns 2, 3, 6, 7 of each 8
      EXPECT_EQ(pixel.Color, set ? 5 : 3) << "column " << pixel.A;
    }
    EXPECT_EQ(pixels.front().A, originX);
  }
}

// Spans are clipped to the viewport, whatever ClipPixels says; the open ends
// of a partial arc (-32767 and 32766) cover the whole viewport row even when
// the viewport origin is added to them.
TEST_F(CircleFill, SpansAreClippedToTheViewport) {
  FillSettings.Pattern = 1;
  SetViewPort(100, 10, 200, 50, false);
  Recording().Calls.clear();
  PatternLine(-32767, 32766, 5);
  PatternLine(-20, 30, 6);
  PatternLine(120, 130, 7);  // beyond the right edge
  PatternLine(0, 10, 60);    // below the viewport
  EXPECT_EQ(Recording().Calls, (std::vector<Call>{{CallKind::HLine, 0, 100, 5, 0, 15, 0},
                                                  {CallKind::HLine, 0, 30, 6, 0, 15, 0}}));
}

}  // namespace
}  // namespace graph
