// The graph window's keys and mouse read on the program's thread: messages
// posted to the window, as the display posts them, come out of the input
// routines in order, the waits wake on input, on time and on the window's
// end, and a scripted snapshot request waits for the input before it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "child_process.h"
#include "driver_test_support.h"
#include "environment.h"
#include "graphics/graph_window.h"
#include "graphics/window_input.h"
#include "platform/display.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "png_picture.h"

namespace graph {
namespace {

void Post(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
  ASSERT_TRUE(win32::PostMessageA(MainWindow, message, wParam, lParam));
}

win32::LPARAM At(int x, int y) { return win32::MAKELPARAM(static_cast<win32::WORD>(x), static_cast<win32::WORD>(y)); }

// The window's thread handles its messages in order: once a character
// posted last has been read, everything posted before it is queued.
void PostMarkerAndReadIt() {
  Post(win32::WM_CHAR, '~', 1);
  ASSERT_EQ(ReadWindowKey(), '~');
}

std::vector<MouseEventType> TakeMouseEvents() {
  std::vector<MouseEventType> events;
  MouseEventType event{};
  while (ReadMouseEvent(event)) events.push_back(event);
  return events;
}

void ExpectEvent(const MouseEventType& event, std::uint16_t kind, std::uint16_t button, std::uint16_t buttons,
                 int x, int y) {
  EXPECT_EQ(event.Kind, kind);
  EXPECT_EQ(event.Button, button);
  EXPECT_EQ(event.Buttons, buttons);
  EXPECT_EQ(event.X, x);
  EXPECT_EQ(event.Y, y);
}

using WindowInput = testing::OpenWindow;

TEST_F(WindowInput, KeysAreReadInTheOrderTypedWithExtendedKeysAsZeroAndTheirCode) {
  Post(win32::WM_KEYDOWN, 'Q', 0x00100001);  // the message loop adds its character
  Post(win32::WM_KEYDOWN, win32::VK_LEFT, 0x014B0001);
  Post(win32::WM_CHAR, '+', 1);
  Post(win32::WM_KEYDOWN, win32::VK_CONTROL, 0x001D0001);
  Post(win32::WM_KEYDOWN, win32::VK_HOME, 0x01470001);
  Post(win32::WM_KEYUP, win32::VK_CONTROL, 0xC01D0001);
  Post(win32::WM_SYSKEYDOWN, win32::VK_F1 + 3, 0x203E0001);
  const std::uint8_t expected[] = {'q', 0, 75, '+', 0, 119, 0, 107};
  for (const std::uint8_t key : expected) EXPECT_EQ(ReadWindowKey(), key);
  EXPECT_FALSE(WindowKeyPressed());
}

std::atomic<int> gHandledKeys{0};
win32::LRESULT CountKey(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM) { return ++gHandledKeys; }

TEST_F(WindowInput, AnInstalledHandlerStillGetsTheKeysThatTheProgramReads) {
  gHandledKeys = 0;
  CharMessageHandler = &CountKey;
  Post(win32::WM_KEYDOWN, 'A', 0x001E0001);
  EXPECT_EQ(ReadWindowKey(), 'a');
  // The key and its character; the handler runs once the key is queued.
  EXPECT_TRUE(testing::Eventually([] { return gHandledKeys == 2; })) << gHandledKeys;
}

TEST_F(WindowInput, MouseEventsComeInOrderRelativeToTheViewport) {
  SetViewPort(100, 50, 500, 400, true);
  Post(win32::WM_MOUSEMOVE, 0, At(110, 60));
  Post(win32::WM_MOUSEMOVE, 0, At(120, 70));  // one move with the one before
  Post(win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, At(120, 70));
  Post(win32::WM_MOUSEMOVE, win32::MK_LBUTTON, At(130, 80));
  Post(win32::WM_RBUTTONDOWN, win32::MK_LBUTTON | win32::MK_RBUTTON, At(90, 40));
  Post(win32::WM_LBUTTONUP, win32::MK_RBUTTON, At(90, 40));
  PostMarkerAndReadIt();

  EXPECT_TRUE(MouseEventPending());
  const std::vector<MouseEventType> events = TakeMouseEvents();
  ASSERT_EQ(events.size(), 5u);
  ExpectEvent(events[0], meMoved, 0, 0, 20, 20);
  ExpectEvent(events[1], mePressed, mbLeft, mbLeft, 20, 20);
  ExpectEvent(events[2], meMoved, 0, mbLeft, 30, 30);
  ExpectEvent(events[3], mePressed, mbRight, mbLeft | mbRight, -10, -10);
  ExpectEvent(events[4], meReleased, mbLeft, mbRight, -10, -10);
  EXPECT_FALSE(MouseEventPending());

  std::int16_t x = 0;
  std::int16_t y = 0;
  std::uint16_t buttons = 0;
  GetMouseState(x, y, buttons);
  EXPECT_EQ(x, -10);
  EXPECT_EQ(y, -10);
  EXPECT_EQ(buttons, mbRight);
}

TEST_F(WindowInput, TheWheelCountsWholeNotchesWhereThePointerIs) {
  Post(win32::WM_MOUSEMOVE, 0, At(7, 8));
  Post(win32::WM_MOUSEWHEEL, win32::MAKEWPARAM(0, win32::WHEEL_DELTA), At(1000, 1000));
  Post(win32::WM_MOUSEWHEEL, win32::MAKEWPARAM(0, 60), 0);
  Post(win32::WM_MOUSEWHEEL, win32::MAKEWPARAM(0, 60), 0);
  Post(win32::WM_MOUSEWHEEL, win32::MAKEWPARAM(0, static_cast<win32::WORD>(-2 * win32::WHEEL_DELTA)), 0);
  PostMarkerAndReadIt();
  const std::vector<MouseEventType> events = TakeMouseEvents();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[1].Kind, meWheel);
  EXPECT_EQ(events[1].WheelSteps, 1);
  EXPECT_EQ(events[1].X, 7);
  EXPECT_EQ(events[1].Y, 8);
  EXPECT_EQ(events[2].WheelSteps, 1);  // two half notches
  EXPECT_EQ(events[3].WheelSteps, -2);
}

TEST_F(WindowInput, WaitingSaysWhichComesFirstOrThatTheTimeRanOut) {
  EXPECT_EQ(WaitWindowEvent(0), weTimeout);
  EXPECT_EQ(WaitWindowEvent(20), weTimeout);
  Post(win32::WM_MOUSEMOVE, 0, At(1, 1));
  Post(win32::WM_CHAR, 'k', 1);
  EXPECT_EQ(WaitWindowEvent(win32::INFINITE), weMouse);
  MouseEventType event{};
  ASSERT_TRUE(ReadMouseEvent(event));
  EXPECT_EQ(WaitWindowEvent(win32::INFINITE), weKey);
  EXPECT_EQ(ReadWindowKey(), 'k');
  Post(win32::WM_KEYDOWN, win32::VK_UP, 0x01480001);
  EXPECT_EQ(ReadWindowKey(), 0);
  EXPECT_EQ(WaitWindowEvent(0), weKey);  // the extended key's code is still to read
  EXPECT_EQ(ReadWindowKey(), 72);
}

TEST_F(WindowInput, ClosingTheWindowEndsTheWaitsAndLeavesWhatWasQueued) {
  std::thread user([window = MainWindow] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    (void)win32::display::close_window_as_user(window);
  });
  EXPECT_EQ(WaitWindowEvent(win32::INFINITE), weClosed);
  user.join();
  EXPECT_EQ(ReadWindowKey(), 0);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(WaitWindowEvent(win32::INFINITE), weClosed);
}

TEST_F(WindowInput, KeysTypedBeforeTheWindowClosedCanStillBeRead) {
  Post(win32::WM_CHAR, 'x', 1);
  ASSERT_TRUE(win32::display::close_window_as_user(MainWindow));
  ASSERT_TRUE(testing::Eventually([] { return !win32::IsWindow(MainWindow); }));
  EXPECT_TRUE(WindowKeyPressed());
  EXPECT_EQ(ReadWindowKey(), 'x');
  GraphResult = grOk;
  EXPECT_EQ(ReadWindowKey(), 0);
  EXPECT_EQ(GraphResult, grError);
}

TEST_F(WindowInput, AKeyWaitWakesWhenTheWindowClosesUnderIt) {
  std::thread user([window = MainWindow] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    (void)win32::display::close_window_as_user(window);
  });
  EXPECT_EQ(ReadWindowKey(), 0);
  user.join();
  EXPECT_EQ(GraphResult, grError);
}

TEST(WindowInputWithoutAWindow, TheWaitsReturnAtOnce) {
  ASSERT_FALSE(IsGraphMode);
  EXPECT_FALSE(WindowKeyPressed());
  EXPECT_EQ(ReadWindowKey(), 0);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(WaitWindowEvent(win32::INFINITE), weClosed);
  GraphResult = grOk;
}

// A scripted snapshot is taken when the program waits for input with the
// input before it read and the picture drawn; input behind it is not seen
// until then.
TEST_F(WindowInput, ASnapshotCheckpointIsPassedWhenTheProgramWaitsAfterTheInputBeforeIt) {
  const std::filesystem::path folder = test_support::ScratchDirectory("window_input");
  test_support::SetVariable("GRAPH_SNAPSHOT", (folder / "frame-%d.png").string());

  Post(win32::WM_CHAR, 'a', 1);
  Post(win32::display::kScriptCheckpointMessage, win32::display::kScriptSnapshot, 0);
  Post(win32::WM_CHAR, 'b', 1);
  EXPECT_EQ(ReadWindowKey(), 'a');
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // 'b' is likely queued by now
  EXPECT_FALSE(WindowKeyPressed());  // and waits behind the checkpoint
  PutPixel(5, 5, 4);
  EXPECT_FALSE(std::filesystem::exists(folder / "frame-0.png"));
  EXPECT_EQ(ReadWindowKey(), 'b');  // the wait passes the checkpoint first
  test_support::UnsetVariable("GRAPH_SNAPSHOT");

  test_support::PngPicture frame;
  ASSERT_TRUE(test_support::ReadPng((folder / "frame-0.png").string(), &frame));
  EXPECT_EQ(frame.ColourValue(5, 5), win32::RGB(0xA8, 0, 0));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace graph
