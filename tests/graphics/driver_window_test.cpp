// The graph window's life: opening in each kind of mode, a second mode
// initialisation, repaint from the backing bitmap, the frames of an
// animation, closing, and opening again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "child_process.h"
#include "driver_test_support.h"
#include "environment.h"
#include "graphics/graph_window.h"
#include "platform/display.h"
#include "platform/user.h"

namespace graph {
namespace {

using testing::BitmapValue;
using testing::Eventually;
using testing::ModeChoice;
using testing::OpenWindow;
using testing::ScreenValue;

std::string Caption(win32::HWND window) {
  char text[128] = {};
  const int length = win32::GetWindowTextA(window, text, sizeof text);
  return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

std::string ClassName(win32::HWND window) {
  char text[128] = {};
  const int length = win32::GetClassNameA(window, text, sizeof text);
  return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

class NewWindow : public ::testing::TestWithParam<ModeChoice> {
 protected:
  void TearDown() override {
    if (IsGraphMode) CloseGraph();
  }
};

TEST_P(NewWindow, ClientAreaIsTheModesSizeAllBlackWithTheLibrarysCaption) {
  testing::EnterMode(GetParam());
  ASSERT_EQ(GraphResult, grOk);

  win32::RECT client{};
  ASSERT_TRUE(win32::GetClientRect(MainWindow, &client));
  EXPECT_EQ(client.right - client.left, MaxX + 1);
  EXPECT_EQ(client.bottom - client.top, MaxY + 1);
  EXPECT_EQ(Caption(MainWindow), "Graph window application");
  EXPECT_EQ(ClassName(MainWindow), "VokGraphWindow");

  win32::display::ClientPicture picture;
  ASSERT_TRUE(win32::display::read_client_area(MainWindow, &picture));
  EXPECT_EQ(picture.width, MaxX + 1);
  EXPECT_EQ(picture.height, MaxY + 1);
  EXPECT_TRUE(std::all_of(picture.pixels.begin(), picture.pixels.end(),
                          [](std::uint32_t v) { return v == 0; }));
  EXPECT_EQ(BitmapValue(MaxX, MaxY), 0u);
  EXPECT_EQ(BitmapValue(MaxX + 1, 0), win32::CLR_INVALID) << "backing bitmap wider than the mode";
}

INSTANTIATE_TEST_SUITE_P(Modes, NewWindow,
                         ::testing::Values(testing::k640x480x16, testing::kLargestWindow256,
                                           testing::kMaximizedWindow256),
                         [](const ::testing::TestParamInfo<ModeChoice>& info) {
                           return "Driver" + std::to_string(info.param.driver) + "Mode" +
                                  std::to_string(info.param.mode);
                         });

TEST(GraphWindow, MaximizedModesOpenMaximizedOthersDoNot) {
  testing::EnterMode(testing::kMaximizedWindow256);
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_TRUE(win32::IsZoomed(MainWindow));
  CloseGraph();
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_FALSE(win32::IsZoomed(MainWindow));
  CloseGraph();
}

TEST(GraphWindow, ACaptionSetBeforeInitGraphIsUsed) {
  const char* const saved = WindowTitle;
  WindowTitle = "Inversion";
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_EQ(Caption(MainWindow), "Inversion");
  CloseGraph();
  WindowTitle = saved;
}

using OpenWindowTest = OpenWindow;

TEST_F(OpenWindowTest, ASecondModeInitialisationChangesNothing) {
  const win32::HWND window = MainWindow;
  PutPixel(10, 10, 4);
  SetRGBPalette(4, 1, 2, 3);
  SetGraphMode(IntCurrentMode);
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_EQ(MainWindow, window);
  EXPECT_EQ(BitmapValue(10, 10), win32::RGB(168, 0, 0)) << "picture kept";
  std::int16_t r = 0, g = 0, b = 0;
  GetRGBPalette(4, r, g, b);
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::int16_t, 3>{1, 2, 3})) << "no new palette";
}

TEST_F(OpenWindowTest, AnInvalidatedWindowRepaintsFromTheBackingBitmap) {
  DrawToScreen = false;
  PutPixel(5, 7, 14);
  HLine(100, 199, 50);
  DrawToScreen = true;
  const win32::COLORREF yellow = win32::RGB(252, 252, 84);
  ASSERT_EQ(BitmapValue(5, 7), yellow);
  EXPECT_EQ(ScreenValue(5, 7), 0u) << "drawn into the bitmap only";

  ASSERT_TRUE(win32::InvalidateRect(MainWindow, nullptr, win32::FALSE));
  EXPECT_TRUE(Eventually([] { return ScreenValue(5, 7) != 0; }));
  EXPECT_EQ(ScreenValue(5, 7), yellow);
  EXPECT_EQ(ScreenValue(100, 50), win32::RGB(252, 252, 252));
  EXPECT_EQ(ScreenValue(199, 50), win32::RGB(252, 252, 252));
  EXPECT_EQ(ScreenValue(200, 50), 0u);
}

TEST_F(OpenWindowTest, ARepaintCopiesOnlyTheDamagedRectangle) {
  DrawToScreen = false;
  PutPixel(10, 10, 15);
  PutPixel(300, 300, 15);
  DrawToScreen = true;
  const win32::RECT damaged{0, 0, 20, 20};
  ASSERT_TRUE(win32::InvalidateRect(MainWindow, &damaged, win32::FALSE));
  ASSERT_TRUE(Eventually([] { return ScreenValue(10, 10) != 0; }));
  EXPECT_EQ(ScreenValue(300, 300), 0u);
}

// A frame ends where the program clears the whole window, and nowhere else:
// not at a full-width top row in the background colour, not at a clearing
// of part of the window.
TEST(GraphWindow, OnlyAClearingOfTheWholeWindowEndsAFrame) {
  const std::string stem = test_support::ScratchDirectory("frame-end") + "/frame_";
  const auto frame = [&stem](int number) { return stem + std::to_string(number) + ".png"; };
  test_support::SetVariable("GRAPH_SNAPSHOT", stem + "%d.png");
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);

  CurrentColor = CurrentBkColor;
  HLine(0, MaxX, 0);
  SetViewPort(0, 0, MaxX, static_cast<std::int16_t>(MaxY / 2), true);
  ClearViewport();
  EXPECT_FALSE(std::filesystem::exists(frame(0))) << "no frame has ended yet";
  ClearDevice();                               // frame 0
  SetViewPort(0, 0, MaxX, MaxY, true);
  ClearViewport();                             // frame 1
  CloseGraph();                                // the last picture, 2
  test_support::UnsetVariable("GRAPH_SNAPSHOT");

  for (int number = 0; number <= 2; ++number) {
    EXPECT_TRUE(std::filesystem::exists(frame(number))) << frame(number);
    std::remove(frame(number).c_str());
  }
  EXPECT_FALSE(std::filesystem::exists(frame(3)));
}

TEST(GraphWindow, CloseGraphTwiceGivesMinusOne) {
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);
  const win32::HWND window = MainWindow;
  CloseGraph();
  EXPECT_FALSE(IsGraphMode);
  EXPECT_FALSE(win32::IsWindow(window));
  EXPECT_EQ(GraphResult, grOk);
  CloseGraph();
  EXPECT_EQ(GraphResult, grNoInitGraph);
  GraphResult = grOk;
}

TEST(GraphWindow, InitGraphAfterCloseGraphOpensANewWindowWithTheSameClass) {
  // A second registration of the class would fail and so fail the mode.
  for (int round = 0; round < 3; ++round) {
    testing::EnterMode(testing::kLargestWindow256);
    ASSERT_EQ(GraphResult, grOk) << "round " << round;
    EXPECT_TRUE(win32::IsWindow(MainWindow));
    PutPixel(1, 1, 2);
    EXPECT_EQ(GetPixel(1, 1), 2);
    CloseGraph();
  }
}

TEST(GraphWindow, DrawingAfterCloseGraphDoesNothing) {
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);
  CloseGraph();
  // The hooks keep the driver's routines, which find no window.
  PutPixel(1, 1, 15);
  HLine(0, 100, 2);
  VLine(3, 0, 100);
  DirectPutPixel(4, 4);
  EXPECT_EQ(GraphResult, grOk);
  (void)GetPixel(1, 1);
  EXPECT_EQ(GraphResult, grError);
  GraphResult = grOk;
  SetRGBPalette(1, 0, 0, 0);
  EXPECT_EQ(GraphResult, grError);
  GraphResult = grOk;
  EXPECT_EQ(GetPaletteEntry(252, 252, 252), 0);
}

}  // namespace
}  // namespace graph
