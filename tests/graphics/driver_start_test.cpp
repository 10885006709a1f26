// The start-up handshake of the mode initialisation with the window thread:
// the program's thread sleeps while the window is being created, and both
// ways in which the window thread gives up fail the mode with -11.
//
// The tests register the window class themselves, with a procedure that
// can hold up or refuse the window's creation and otherwise hands every
// message to the driver's own.
#include <gtest/gtest.h>
#include <time.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "driver_test_support.h"
#include "graphics/graph_window.h"
#include "platform/user.h"
#include "win32gui/win32gui_state.h"

namespace graph {
namespace {

constexpr auto kCreationDelay = std::chrono::milliseconds(300);

enum class Creation { Forward, Delay, Refuse };
std::atomic<Creation> gCreation{Creation::Forward};

win32::LRESULT HeldUpWindowProc(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
                                win32::LPARAM lParam) {
  const Creation creation = gCreation.load();
  if (message == win32::WM_CREATE && creation == Creation::Delay) std::this_thread::sleep_for(kCreationDelay);
  if (message == win32::WM_CREATE && creation == Creation::Refuse) return -1;
  // A refused window never had surfaces for the driver to release.
  if (creation == Creation::Refuse) return win32::DefWindowProcA(window, message, wParam, lParam);
  return WindowProc(window, message, wParam, lParam);
}

// The library's class, under the library's name, with the procedure above.
void RegisterHeldUpClass() {
  win32::WNDCLASSA windowClass{};
  windowClass.style = GraphWindowStyle;
  windowClass.lpfnWndProc = &HeldUpWindowProc;
  windowClass.hInstance = win32::GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<win32::HBRUSH>(win32::GetStockObject(win32::BLACK_BRUSH));
  windowClass.lpszClassName = "VokGraphWindow";
  ASSERT_NE(win32::RegisterClassA(&windowClass), 0);
  WinRegistered = true;
}

std::chrono::nanoseconds ThreadCpuTime() {
  timespec now{};
  (void)clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

class WindowStart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterHeldUpClass(); }
  void TearDown() override {
    gCreation = Creation::Forward;
    if (IsGraphMode) CloseGraph();
    GraphResult = grOk;
  }
};

TEST_F(WindowStart, TheProgramsThreadSleepsWhileTheWindowIsCreated) {
  gCreation = Creation::Delay;
  const auto cpuBefore = ThreadCpuTime();
  testing::EnterMode(testing::kLargestWindow256);
  const auto cpuUsed = ThreadCpuTime() - cpuBefore;
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_TRUE(win32::IsWindow(MainWindow));
  // A poll would have kept this thread busy for the whole delay.
  EXPECT_LT(cpuUsed, kCreationDelay / 10);
}

TEST_F(WindowStart, AWindowThatCannotBeCreatedFailsTheModeWithMinus11) {
  gCreation = Creation::Refuse;
  ::testing::internal::CaptureStderr();
  testing::EnterMode(testing::kLargestWindow256);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Window creation failed\n");
  EXPECT_EQ(GraphResult, grError);
  EXPECT_FALSE(IsGraphMode);

  // The failure leaves nothing behind: the next window opens.
  gCreation = Creation::Forward;
  GraphResult = grOk;
  testing::EnterMode(testing::kLargestWindow256);
  EXPECT_EQ(GraphResult, grOk);
}

TEST_F(WindowStart, AClassThatCannotBeRegisteredFailsTheModeWithMinus11) {
  // The class's name is taken already, so registering it again fails.
  WinRegistered = false;
  ::testing::internal::CaptureStderr();
  testing::EnterMode(testing::kLargestWindow256);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Window registration failed\n");
  EXPECT_EQ(GraphResult, grError);
  EXPECT_FALSE(IsGraphMode);
  EXPECT_FALSE(WinRegistered) << "the next mode initialisation registers again";
  WinRegistered = true;
}

}  // namespace
}  // namespace graph
