// Keyboard and mouse-button messages of the graph window: consumed without
// handlers, passed to the installed handler with their arguments and result,
// and everything else left to the default handling.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "driver_test_support.h"
#include "graphics/graph_window.h"
#include "platform/user.h"
#include "win32gui/win32gui_state.h"

namespace graph {
namespace {

using testing::Eventually;

struct Received {
  win32::UINT message;
  win32::WPARAM wParam;
  win32::LPARAM lParam;
  std::thread::id thread;
};

std::mutex gReceivedMutex;
std::vector<Received> gKeys;
std::vector<Received> gMice;

constexpr win32::LRESULT kKeyResult = 0x4B;
constexpr win32::LRESULT kMouseResult = 0x4D;

win32::LRESULT RecordKey(win32::HWND, win32::UINT message, win32::WPARAM wParam,
                         win32::LPARAM lParam) {
  std::lock_guard guard(gReceivedMutex);
  gKeys.push_back({message, wParam, lParam, std::this_thread::get_id()});
  return kKeyResult;
}

win32::LRESULT RecordMouse(win32::HWND, win32::UINT message, win32::WPARAM wParam,
                           win32::LPARAM lParam) {
  std::lock_guard guard(gReceivedMutex);
  gMice.push_back({message, wParam, lParam, std::this_thread::get_id()});
  return kMouseResult;
}

class WindowMessages : public testing::OpenWindow {
 protected:
  void SetUp() override {
    testing::OpenWindow::SetUp();
    std::lock_guard guard(gReceivedMutex);
    gKeys.clear();
    gMice.clear();
  }
  static std::size_t Count(const std::vector<Received>& list) {
    std::lock_guard guard(gReceivedMutex);
    return list.size();
  }
};

enum class Route { Key, Mouse, Default };

struct MessageRow {
  win32::UINT message;
  Route route;
};

constexpr MessageRow kRoutes[] = {
    {win32::WM_KEYDOWN, Route::Key},        {win32::WM_KEYUP, Route::Key},
    {win32::WM_CHAR, Route::Key},           {win32::WM_DEADCHAR, Route::Default},
    {win32::WM_SYSKEYDOWN, Route::Key},     {win32::WM_SYSKEYUP, Route::Key},
    {win32::WM_SYSCHAR, Route::Key},        {win32::WM_MOUSEMOVE, Route::Default},
    {win32::WM_LBUTTONDOWN, Route::Mouse},  {win32::WM_LBUTTONUP, Route::Mouse},
    {win32::WM_LBUTTONDBLCLK, Route::Mouse}, {win32::WM_RBUTTONDOWN, Route::Mouse},
    {win32::WM_RBUTTONUP, Route::Mouse},    {win32::WM_RBUTTONDBLCLK, Route::Mouse},
    {win32::WM_MBUTTONDOWN, Route::Mouse},  {win32::WM_MBUTTONUP, Route::Mouse},
    {win32::WM_MBUTTONDBLCLK, Route::Mouse}, {win32::WM_MOUSEWHEEL, Route::Default},
};

TEST_F(WindowMessages, EachMessageReachesItsHandlerWithItsArgumentsAndResult) {
  CharMessageHandler = &RecordKey;
  MouseMessageHandler = &RecordMouse;
  std::size_t keys = 0;
  std::size_t mice = 0;
  for (const MessageRow& row : kRoutes) {
    const win32::LRESULT result =
        WindowProc(MainWindow, row.message, 0x20 + row.message, win32::MAKELPARAM(3, 4));
    switch (row.route) {
      case Route::Key:
        ++keys;
        EXPECT_EQ(result, kKeyResult) << row.message;
        break;
      case Route::Mouse:
        ++mice;
        EXPECT_EQ(result, kMouseResult) << row.message;
        break;
      case Route::Default:
        break;
    }
    ASSERT_EQ(Count(gKeys), keys) << "message " << row.message;
    ASSERT_EQ(Count(gMice), mice) << "message " << row.message;
  }
  EXPECT_EQ(gKeys.back().message, win32::WM_SYSCHAR);
  EXPECT_EQ(gKeys.back().wParam, 0x20u + win32::WM_SYSCHAR);
  EXPECT_EQ(gKeys.back().lParam, win32::MAKELPARAM(3, 4));
}

TEST_F(WindowMessages, WithoutHandlersKeysAndButtonsAreConsumedWithResultZero) {
  for (const MessageRow& row : kRoutes) {
    if (row.route == Route::Default) continue;
    EXPECT_EQ(WindowProc(MainWindow, row.message, 'A', 0), 0) << row.message;
  }
}

TEST_F(WindowMessages, PostedMessagesAreHandledOnTheWindowThread) {
  CharMessageHandler = &RecordKey;
  MouseMessageHandler = &RecordMouse;
  ASSERT_TRUE(win32::PostMessageA(MainWindow, win32::WM_KEYDOWN, 'Q', 1));
  ASSERT_TRUE(win32::PostMessageA(MainWindow, win32::WM_RBUTTONUP, 0, win32::MAKELPARAM(7, 9)));
  // The message loop translates the key into a character as well.
  ASSERT_TRUE(Eventually([&] { return Count(gKeys) == 2 && Count(gMice) == 1; }));
  std::lock_guard guard(gReceivedMutex);
  EXPECT_EQ(gKeys[0].message, win32::WM_KEYDOWN);
  EXPECT_EQ(gKeys[0].wParam, static_cast<win32::WPARAM>('Q'));
  EXPECT_EQ(gKeys[1].message, win32::WM_CHAR);
  EXPECT_NE(gKeys[0].thread, std::this_thread::get_id());
  EXPECT_EQ(gMice[0].lParam, win32::MAKELPARAM(7, 9));
  EXPECT_EQ(gMice[0].thread, gKeys[0].thread);
}

}  // namespace
}  // namespace graph
