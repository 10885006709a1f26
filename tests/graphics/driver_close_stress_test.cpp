// The user closes the graph window while the program draws: drawing stops
// silently, the program runs on, and its later CloseGraph returns at once.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "driver_test_support.h"
#include "graphics/graph_window.h"
#include "platform/display.h"
#include "platform/user.h"

namespace graph {
namespace {

constexpr int kRounds = 25;

// Draws through every kind of pixel and run routine, as the demonstrations
// and clearing do.
void DrawSomething(int step) {
  const auto x = static_cast<std::int16_t>(step % 600);
  const auto y = static_cast<std::int16_t>(step % 400);
  PutPixel(x, y, static_cast<std::uint16_t>(step % 256));
  CurrentColor = static_cast<std::uint16_t>(step % 16);
  CurrentWriteMode = static_cast<std::uint16_t>(step % 5);
  HLine(0, 200, y);
  VLine(x, 0, 5);
  DirectPutPixel(x, 1);
  CurrentWriteMode = CopyPut;
  if (step % 64 == 0) ClearDevice();
}

TEST(WindowClosedByTheUser, WhileTheProgramDrawsManyTimesOver) {
  for (int round = 0; round < kRounds; ++round) {
    testing::EnterMode(testing::kLargestWindow256);
    ASSERT_EQ(GraphResult, grOk) << "round " << round;
    const win32::HWND window = MainWindow;

    // The close arrives at a different moment of the drawing each round.
    std::thread user([window, round] {
      std::this_thread::sleep_for(std::chrono::microseconds(200 * (round % 8)));
      EXPECT_TRUE(win32::display::close_window_as_user(window));
    });
    int step = 0;
    while (win32::IsWindow(window)) DrawSomething(step++);
    // The program runs on: drawing after the close does nothing at all.
    for (int more = 0; more < 200; ++more) DrawSomething(step++);
    user.join();

    EXPECT_EQ(GraphResult, grOk) << "drawing reports nothing";
    EXPECT_TRUE(IsGraphMode);
    CloseGraph();  // posts nothing: a wait for an answer would hang here
    EXPECT_FALSE(IsGraphMode);
    EXPECT_EQ(GraphResult, grOk);
  }
}

TEST(WindowClosedByTheUser, AfterwardsPixelReadsAndThePaletteReportMinus11) {
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);
  const win32::HWND window = MainWindow;
  ASSERT_TRUE(win32::display::close_window_as_user(window));
  ASSERT_TRUE(testing::Eventually([window] { return !win32::IsWindow(window); }));

  (void)GetPixel(0, 0);
  EXPECT_EQ(GraphResult, grError);
  GraphResult = grOk;
  std::int16_t r = 7, g = 7, b = 7;
  GetRGBPalette(1, r, g, b);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(r, 7) << "outputs untouched";
  GraphResult = grOk;

  // A new InitGraph without CloseGraph finishes the old window thread first.
  testing::EnterMode(testing::kLargestWindow256);
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_NE(MainWindow, window);
  PutPixel(2, 2, 9);
  EXPECT_EQ(GetPixel(2, 2), 9);
  CloseGraph();
}

}  // namespace
}  // namespace graph
