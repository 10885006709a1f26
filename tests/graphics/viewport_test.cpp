// The viewport, clearing and single-pixel clipping, through the recording
// driver.
#include <gtest/gtest.h>

#include <tuple>

#include "graphics/graph.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::Recording;
using View = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, bool>;

View CurrentView() {
  ViewPortType v{};
  GetViewSettings(v);
  return {v.x1, v.y1, v.x2, v.y2, v.Clip};
}

class Viewport : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnterRecordingMode(320, 200); }  // MaxX 319, MaxY 199
  void TearDown() override { FreeModeRegistry(); }
};

TEST_F(Viewport, SetViewPortAcceptsInsideRectanglesAndRejectsOthersUnchanged) {
  struct Case {
    std::int16_t x1, y1, x2, y2;
    bool Accepted;
  };
  const Case cases[] = {
      {0, 0, 319, 199, true},  {10, 10, 10, 10, true},  {-1, 0, 10, 10, false},
      {0, 0, 320, 10, false},  {20, 0, 10, 10, false},  {320, 0, 320, 10, false},
      {0, -1, 10, 10, false},  {0, 0, 10, 200, false},  {0, 20, 10, 10, false},
      {0, 200, 10, 200, false},
  };
  for (const Case& c : cases) {
    SetViewPort(5, 6, 70, 80, true);
    CurrentX = 3;
    CurrentY = 4;
    GraphResult = grOk;
    SetViewPort(c.x1, c.y1, c.x2, c.y2, false);
    const std::string label = std::to_string(c.x1) + "," + std::to_string(c.y1) + "," +
                              std::to_string(c.x2) + "," + std::to_string(c.y2);
    if (c.Accepted) {
      EXPECT_EQ(GraphResult, grOk) << label;
      EXPECT_EQ(CurrentView(), (View{c.x1, c.y1, c.x2, c.y2, false})) << label;
      EXPECT_EQ((std::pair{CurrentX, CurrentY}), (std::pair<std::int16_t, std::int16_t>{0, 0}));
    } else {
      EXPECT_EQ(GraphResult, grError) << label;
      EXPECT_EQ(CurrentView(), (View{5, 6, 70, 80, true})) << label;
      EXPECT_EQ((std::pair{CurrentX, CurrentY}), (std::pair<std::int16_t, std::int16_t>{3, 4}));
    }
  }
}

TEST_F(Viewport, DirectPutPixelClipKeepsToTheInclusiveRectangle) {
  SetViewPort(100, 50, 299, 149, true);
  struct Case {
    std::int16_t x, y;
    bool Drawn;
  };
  for (const Case& c : {Case{299, 50, true}, Case{300, 50, false}, Case{100, 149, true},
                        Case{99, 100, false}, Case{150, 150, false}, Case{150, 49, false}}) {
    Recording().Calls.clear();
    DirectPutPixelClip(c.x, c.y);
    EXPECT_EQ(Recording().DirectPixels().size(), c.Drawn ? 1u : 0u) << c.x << "," << c.y;
  }
  ClipPixels = false;
  Recording().Calls.clear();
  DirectPutPixelClip(-7, 1000);
  EXPECT_EQ(Recording().DirectPixels(), (std::vector<testing::Point>{{-7, 1000}}));
}

TEST_F(Viewport, ClearDeviceClearsTheWholeScreenAndKeepsTheViewport) {
  Recording().Fill(9);
  SetBkColor(2);
  SetViewPort(100, 50, 299, 149, false);
  SetLineStyle(DashedLn, 0, ThickWidth);
  CurrentColor = 5;
  CurrentWriteMode = XORPut;
  CurrentX = 12;
  CurrentY = 13;
  Recording().Calls.clear();

  ClearDevice();

  const std::vector<testing::Call> rows = Recording().CallsOf(CallKind::HLine);
  ASSERT_EQ(rows.size(), 200u);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    EXPECT_EQ(rows[row], (testing::Call{CallKind::HLine, 0, 319, static_cast<std::int32_t>(row), 0,
                                        2, CopyPut}));
  }
  for (std::int32_t y = 0; y < 200; ++y) {
    for (std::int32_t x = 0; x < 320; ++x) ASSERT_EQ(Recording().At(x, y), 2) << x << "," << y;
  }
  EXPECT_EQ(CurrentView(), (View{100, 50, 299, 149, false}));
  EXPECT_EQ((std::pair{CurrentX, CurrentY}), (std::pair<std::int16_t, std::int16_t>{0, 0}));
  EXPECT_EQ(CurrentColor, 5);
  EXPECT_EQ(CurrentWriteMode, XORPut);
  LineSettingsType line{};
  GetLineSettings(line);
  EXPECT_EQ((std::tuple{line.LineStyle, line.Pattern, line.Thickness}),
            (std::tuple<std::uint16_t, std::uint16_t, std::uint16_t>{DashedLn, 0xF8F8, 3}));
  EXPECT_FALSE(LinePatterns[5]);
}

TEST_F(Viewport, ClearViewportOfOnePixelPaintsOnePixel) {
  SetViewPort(0, 0, 0, 0, true);
  CurrentBkColor = 6;
  ClearViewport();
  EXPECT_EQ(Recording().CallsOf(CallKind::HLine),
            (std::vector<testing::Call>{{CallKind::HLine, 0, 0, 0, 0, 6, CopyPut}}));
  EXPECT_EQ(Recording().At(0, 0), 6);
  EXPECT_EQ(Recording().At(1, 0), 0);
  EXPECT_EQ(Recording().At(0, 1), 0);
}

TEST_F(Viewport, ClearViewportRestoresLineSettingsExactly) {
  // GraphDefaults leaves the pattern word of an earlier style in place.
  SetLineStyle(DottedLn, 0, NormWidth);
  GraphDefaults();
  GraphResult = grOk;
  ClearViewport();
  EXPECT_EQ(GraphResult, grOk);
  EXPECT_EQ(LineInfo.LineStyle, SolidLn);
  EXPECT_EQ(LineInfo.Pattern, 0xCCCC);
}

}  // namespace
}  // namespace graph
