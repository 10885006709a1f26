// Windows on the desktop (an Xvfb under Wine): real windows of the class,
// caption and client size asked for, drawing that reaches the screen,
// repaints from the program's bitmap, the close box, and the messages of
// a thread's queue.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/system_metrics.h"
#include "platform/user.h"
#include "native.h"
#include "windows_test_support.h"

namespace windows_test {
namespace {

constexpr win32::COLORREF kRed = win32::RGB(252, 84, 84);
constexpr win32::COLORREF kGreen = win32::RGB(0, 168, 0);

win32::COLORREF ScreenPixel(win32::HWND window, int x, int y) { return NativeScreenPixel(window, x, y); }

win32::COLORREF ClientPixel(win32::HWND window, int x, int y) {
  win32::display::ClientPicture picture;
  if (!win32::display::read_client_area(window, &picture)) return win32::CLR_INVALID;
  return picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
}

TEST(DesktopWindow, IsARealWindowOfTheClassCaptionAndClientSizeAskedFor) {
  EXPECT_STREQ(win32::display::backend_name(), "windows");
  for (int metric : {win32::SM_CXSCREEN, win32::SM_CYSCREEN, win32::SM_CXFRAME, win32::SM_CYFRAME,
                     win32::SM_CYCAPTION, win32::SM_CXFULLSCREEN, win32::SM_CYFULLSCREEN}) {
    EXPECT_EQ(win32::GetSystemMetrics(metric), NativeSystemMetric(metric)) << "metric " << metric;
  }
  ForgetReceived();
  const win32::HWND window = OpenWindow(320, 200, "Graph window application");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(NativeClassName(window), "VokGraphWindow");
  EXPECT_EQ(NativeCaption(window), "Graph window application");
  EXPECT_TRUE(NativeVisible(window));
  EXPECT_EQ(NativeClientSize(window), std::make_pair(320, 200));
  EXPECT_TRUE(WasReceived(win32::WM_CREATE));
  EXPECT_TRUE(WasReceived(win32::WM_PAINT)) << "UpdateWindow painted it at once";
  ASSERT_TRUE(win32::DestroyWindow(window));
  EXPECT_TRUE(PumpUntil([] { return WasReceived(win32::WM_NCDESTROY); }));
  win32::MSG quit{};
  EXPECT_TRUE(win32::PeekMessageA(&quit, nullptr, win32::WM_QUIT, win32::WM_QUIT, win32::PM_REMOVE));
}

TEST(DesktopWindow, DrawingReachesTheScreenWhileItsThreadWaitsForMessages) {
  WindowThread thread(160, 120);
  const win32::HWND window = thread.window();
  ASSERT_NE(window, nullptr);
  const win32::HDC dc = win32::GetDC(window);
  for (int x = 10; x < 20; ++x) (void)win32::SetPixelV(dc, x, 30, kRed);
  (void)win32::ReleaseDC(window, dc);
  EXPECT_EQ(ClientPixel(window, 15, 30), kRed);
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(window, 15, 30) == kRed; }))
      << std::hex << ScreenPixel(window, 15, 30);
}

TEST(DesktopWindow, RepaintsComeFromTheProgramsBitmap) {
  WindowThread thread(64, 48);
  const win32::HWND window = thread.window();
  ASSERT_NE(window, nullptr);
  const win32::HDC memory = win32::CreateCompatibleDC(nullptr);
  const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(memory, 64, 48);
  const win32::HGDIOBJ previous = win32::SelectObject(memory, bitmap);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) (void)win32::SetPixelV(memory, x, y, kGreen);
  PaintSource() = memory;
  ASSERT_TRUE(win32::InvalidateRect(window, nullptr, win32::TRUE));
  EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(window, 63, 47) == kGreen; }));
  EXPECT_EQ(ClientPixel(window, 0, 0), kGreen);
  PaintSource() = nullptr;
  (void)win32::SelectObject(memory, previous);
  (void)win32::DeleteObject(bitmap);
  (void)win32::DeleteDC(memory);
}

TEST(DesktopWindow, TheCloseBoxEndsTheWindowAndItsThreadsLoop) {
  ForgetReceived();
  WindowThread thread(32, 32);
  ASSERT_NE(thread.window(), nullptr);
  ASSERT_TRUE(win32::display::close_window_as_user(thread.window()));
  EXPECT_TRUE(thread.Join()) << "GetMessageA returned 0 after WM_DESTROY's quit";
  EXPECT_TRUE(WasReceived(win32::WM_CLOSE));
  EXPECT_FALSE(win32::IsWindow(thread.window()));
}

TEST(ThreadQueue, PostedMessagesArriveInOrderAndQuitEndsTheLoop) {
  ASSERT_TRUE(win32::PostMessageA(nullptr, win32::WM_USER + 1, 7, 0));
  ASSERT_TRUE(win32::PostMessageA(nullptr, win32::WM_USER + 2, 8, 0));
  win32::PostQuitMessage(3);
  win32::MSG message{};
  ASSERT_EQ(win32::GetMessageA(&message, nullptr, 0, 0), win32::TRUE);
  EXPECT_EQ(message.message, win32::WM_USER + 1);
  EXPECT_EQ(message.wParam, 7U);
  ASSERT_EQ(win32::GetMessageA(&message, nullptr, 0, 0), win32::TRUE);
  EXPECT_EQ(message.message, win32::WM_USER + 2);
  EXPECT_EQ(win32::GetMessageA(&message, nullptr, 0, 0), win32::FALSE);
  EXPECT_EQ(message.wParam, 3U);
}

}  // namespace
}  // namespace windows_test
