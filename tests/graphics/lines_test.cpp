// Lines, runs and line styles through the recording driver: the points the
// stepper plots, thick lines, patterns and their anchoring, clipping.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/graph.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::Call;
using testing::CallKind;
using testing::Point;
using testing::Recording;
using Points = std::vector<Point>;
using Ends4 = std::array<std::int16_t, 4>;

class Lines : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnterRecordingMode(200, 100); }
  void TearDown() override { FreeModeRegistry(); }

  static Points Drawn(void (*draw)()) {
    Recording().Calls.clear();
    draw();
    return Recording().DirectPixels();
  }
};

TEST_F(Lines, SolidThinSlantedLinesPointByPoint) {
  struct Case {
    const char* Label;
    Ends4 Segment;
    Points Expected;
  };
  const Case cases[] = {
      {"0,0-4,2", {0, 0, 4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {"4,2-0,0", {4, 2, 0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}},
      {"0,0-3,3", {0, 0, 3, 3}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
      {"y-major 2,0-0,4", {2, 0, 0, 4}, {{2, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}},
  };
  for (const Case& c : cases) {
    Recording().Calls.clear();
    Line(c.Segment[0], c.Segment[1], c.Segment[2], c.Segment[3]);
    EXPECT_EQ(Recording().DirectPixels(), c.Expected) << c.Label;
  }
}

TEST_F(Lines, SolidHorizontalAndVerticalLinesUseTheRunHooks) {
  Line(10, 20, 15, 20);
  Line(7, 9, 7, 3);
  Line(30, 30, 30, 30);  // a single point is a horizontal line of length one
  EXPECT_EQ(Recording().Calls, (std::vector<Call>{{CallKind::HLine, 10, 15, 20, 0, 15, 0},
                                                  {CallKind::VLine, 7, 9, 3, 0, 15, 0},
                                                  {CallKind::HLine, 30, 30, 30, 0, 15, 0}}));
  Recording().Calls.clear();
  SetLineStyle(SolidLn, 0, ThickWidth);
  Line(10, 20, 15, 20);
  Line(7, 9, 7, 3);
  EXPECT_EQ(Recording().Calls, (std::vector<Call>{{CallKind::HLine, 10, 15, 19, 0, 15, 0},
                                                  {CallKind::HLine, 10, 15, 20, 0, 15, 0},
                                                  {CallKind::HLine, 10, 15, 21, 0, 15, 0},
                                                  {CallKind::VLine, 6, 9, 3, 0, 15, 0},
                                                  {CallKind::VLine, 7, 9, 3, 0, 15, 0},
                                                  {CallKind::VLine, 8, 9, 3, 0, 15, 0}}));
}

TEST_F(Lines, ThickSlantedLinesPlotTripletsAcrossTheMainDirection) {
  SetLineStyle(SolidLn, 0, ThickWidth);
  Recording().Calls.clear();
  Line(0, 0, 2, 1);  // x-major: vertical triplets, row -1 clipped
  EXPECT_EQ(Recording().DirectPixels(),
            (Points{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}}));
  Recording().Calls.clear();
  Line(0, 0, 1, 2);  // y-major: horizontal triplets, column -1 clipped
  EXPECT_EQ(Recording().DirectPixels(),
            (Points{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}));
}

TEST_F(Lines, DottedLinesAnchorToTheColumnOrTheFirstEnd) {
  SetLineStyle(DottedLn, 0, NormWidth);
  struct Case {
    const char* Label;
    Ends4 Segment;
    Points Expected;
  };
  const Case cases[] = {
      {"row from 0", {0, 5, 7, 5}, {{0, 5}, {1, 5}, {4, 5}, {5, 5}}},
      {"row from 2", {2, 5, 9, 5}, {{4, 5}, {5, 5}, {8, 5}, {9, 5}}},
      {"row reversed", {9, 5, 2, 5}, {{4, 5}, {5, 5}, {8, 5}, {9, 5}}},
      {"column from 3", {1, 3, 1, 9}, {{1, 4}, {1, 5}, {1, 8}, {1, 9}}},
      {"slanted", {10, 0, 19, 2},
       {{10, 0}, {11, 0}, {14, 1}, {15, 1}, {18, 2}, {19, 2}}},
  };
  for (const Case& c : cases) {
    Recording().Calls.clear();
    Line(c.Segment[0], c.Segment[1], c.Segment[2], c.Segment[3]);
    EXPECT_EQ(Recording().DirectPixels(), c.Expected) << c.Label;
  }
  // The column anchor is absolute: a viewport offset moves the phase.
  SetViewPort(1, 0, 199, 99, true);
  Recording().Calls.clear();
  Line(0, 5, 7, 5);
  EXPECT_EQ(Recording().DirectPixels(), (Points{{1, 5}, {4, 5}, {5, 5}, {8, 5}}));
}

TEST_F(Lines, UnclippedLinesReachNegativeColumns) {
  testing::EnterRecordingMode(320, 200);
  SetViewPort(100, 100, 199, 199, false);
  Recording().Calls.clear();
  Line(-200, 0, -100, 50);
  const Points points = Recording().DirectPixels();
  ASSERT_EQ(points.size(), 101u);
  EXPECT_EQ(points.front(), (Point{-100, 100}));
  EXPECT_EQ(points.back(), (Point{0, 150}));
}

TEST_F(Lines, FarApartEndsDoNotOverflowTheStepper) {
  ClipPixels = false;
  Recording().Calls.clear();
  Line(-32768, 0, 32767, 1);
  const Points points = Recording().DirectPixels();
  ASSERT_EQ(points.size(), 65536u);
  EXPECT_EQ(points.front(), (Point{-32768, 0}));
  EXPECT_EQ(points.back(), (Point{32767, 1}));
  std::size_t rowChanges = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    ASSERT_EQ(points[i].first, points[i - 1].first + 1);
    if (points[i].second != points[i - 1].second) ++rowChanges;
  }
  EXPECT_EQ(rowChanges, 1u);
}

TEST_F(Lines, ClippedSlantedLineStaysInTheViewport) {
  SetViewPort(10, 10, 19, 19, true);
  Recording().Calls.clear();
  Line(-20, -20, 40, 40);  // relative: crosses the whole viewport diagonally
  Points expected;
  for (int i = 10; i <= 19; ++i) expected.emplace_back(i, i);
  EXPECT_EQ(Recording().DirectPixels(), expected);
}

TEST_F(Lines, RunsOrderTheirEndsAndClip) {
  HLineDefault(5, 2, 0);
  EXPECT_EQ(Recording().DirectPixels(), (Points{{2, 0}, {3, 0}, {4, 0}, {5, 0}}));
  Recording().Calls.clear();
  SetViewPort(20, 30, 23, 40, true);  // ViewWidth 3
  HLineDefault(-5, 10, 0);
  EXPECT_EQ(Recording().DirectPixels(), (Points{{20, 30}, {21, 30}, {22, 30}, {23, 30}}));
  Recording().Calls.clear();
  VLineDefault(1, 12, 8);
  EXPECT_EQ(Recording().DirectPixels(), (Points{{21, 38}, {21, 39}, {21, 40}}));
  Recording().Calls.clear();
  HLineDefault(0, 3, 11);  // below the viewport
  VLineDefault(-1, 0, 5);  // left of it
  EXPECT_TRUE(Recording().DirectPixels().empty());
}

TEST_F(Lines, SetLineStyleValidatesAndUnpacksThePattern) {
  SetLineStyle(DashedLn, 0x1234, ThickWidth);
  const LineSettingsType before = LineInfo;
  const auto patternsBefore = LinePatterns;
  for (auto [style, thickness] : {std::pair{5, 1}, std::pair{0, 2}, std::pair{0, 0}}) {
    GraphResult = grOk;
    SetLineStyle(static_cast<std::uint16_t>(style), 0, static_cast<std::uint16_t>(thickness));
    EXPECT_EQ(GraphResult, grError);
    EXPECT_EQ(LineInfo.LineStyle, before.LineStyle);
    EXPECT_EQ(LineInfo.Thickness, before.Thickness);
    EXPECT_EQ(LinePatterns, patternsBefore);
  }

  SetLineStyle(UserBitLn, 0x8001, ThickWidth);
  std::array<bool, 16> expected{};
  expected[0] = expected[15] = true;
  EXPECT_EQ(LinePatterns, expected);
  EXPECT_EQ(LineInfo.Thickness, ThickWidth);

  struct Case {
    std::uint16_t Style;
    std::uint16_t Pattern;
  };
  for (const Case& c : {Case{SolidLn, 0xFFFF}, Case{DottedLn, 0xCCCC}, Case{CenterLn, 0xFC78},
                        Case{DashedLn, 0xF8F8}}) {
    SetLineStyle(c.Style, 0x1111, NormWidth);  // the pattern argument is ignored
    LineSettingsType settings{};
    GetLineSettings(settings);
    EXPECT_EQ(settings.LineStyle, c.Style);
    EXPECT_EQ(settings.Pattern, c.Pattern);
    EXPECT_EQ(settings.Thickness, NormWidth);
  }
}

}  // namespace
}  // namespace graph
