// Windows on the headless display: real windows that are never shown, on
// the virtual screen, painted by the layer; their pictures saved through
// the Windows Imaging Component, a frame pattern's numbered frames, and
// bitmaps that keep 24-bit colours exactly.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include "child_process.h"
#include "environment.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/system_metrics.h"
#include "platform/user.h"
#include "png_picture.h"
#include "native.h"
#include "windows_test_support.h"

namespace windows_test {
namespace {

// Chosen before the first window, which reads it.
const bool kHeadless = [] {
  test_support::SetVariable("GRAPH_DISPLAY", "headless");
  test_support::UnsetVariable("GRAPH_SCREEN");
  return true;
}();

constexpr win32::COLORREF kBlue = win32::RGB(0, 0, 168);
constexpr win32::COLORREF kOdd = win32::RGB(1, 2, 3);

class HeadlessWindow : public ::testing::Test {
 protected:
  void SetUp() override { ForgetReceived(); }
  void TearDown() override {
    if (window_ != nullptr && win32::IsWindow(window_)) (void)win32::DestroyWindow(window_);
    // The quit message of the window's destruction.
    win32::MSG quit{};
    (void)win32::PeekMessageA(&quit, nullptr, win32::WM_QUIT, win32::WM_QUIT, win32::PM_REMOVE);
    test_support::UnsetVariable("GRAPH_SNAPSHOT");
    PaintSource() = nullptr;
  }
  win32::HWND window_ = nullptr;
};

TEST_F(HeadlessWindow, IsNeverShownAndLivesOnTheVirtualScreen) {
  ASSERT_TRUE(kHeadless);
  EXPECT_STREQ(win32::display::backend_name(), "headless");
  EXPECT_EQ(win32::GetSystemMetrics(win32::SM_CXSCREEN), 1024);
  EXPECT_EQ(win32::GetSystemMetrics(win32::SM_CYSCREEN), 768);
  EXPECT_EQ(win32::GetSystemMetrics(win32::SM_CYFULLSCREEN), 719);
  window_ = OpenWindow(300, 200);
  ASSERT_NE(window_, nullptr);
  EXPECT_TRUE(win32::IsWindowVisible(window_)) << "shown as far as the program can tell";
  EXPECT_FALSE(NativeVisible(window_)) << "but never on the screen";
  win32::RECT client{};
  ASSERT_TRUE(win32::GetClientRect(window_, &client));
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

TEST_F(HeadlessWindow, AnUpdateFromAnotherThreadIsPaintedOnTheWindowsThread) {
  window_ = OpenWindow(40, 30);
  ASSERT_NE(window_, nullptr);
  ASSERT_TRUE(WasReceived(win32::WM_PAINT)) << "the first painting of a shown window";
  const win32::HDC reference = win32::GetDC(window_);
  const win32::HDC memory = win32::CreateCompatibleDC(reference);
  const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(reference, 40, 30);
  const win32::HGDIOBJ previous = win32::SelectObject(memory, bitmap);
  (void)win32::SetPixelV(memory, 5, 6, kBlue);
  PaintSource() = memory;
  ForgetReceived();

  const win32::RECT part{5, 6, 7, 8};
  std::thread([&] { (void)win32::InvalidateRect(window_, &part, win32::FALSE); }).join();
  win32::RECT pending{};
  EXPECT_TRUE(win32::GetUpdateRect(window_, &pending, win32::FALSE));
  EXPECT_EQ(pending.left, 5);
  EXPECT_EQ(pending.bottom, 8);
  win32::MSG message{};
  ASSERT_EQ(win32::GetMessageA(&message, nullptr, 0, 0), win32::TRUE);
  EXPECT_EQ(message.message, win32::WM_PAINT);
  EXPECT_EQ(message.hwnd, window_);
  (void)win32::DispatchMessageA(&message);
  EXPECT_FALSE(win32::GetUpdateRect(window_, nullptr, win32::FALSE));

  win32::display::ClientPicture picture;
  ASSERT_TRUE(win32::display::read_client_area(window_, &picture));
  EXPECT_EQ(picture.pixels[6 * 40 + 5], kBlue);
  PaintSource() = nullptr;
  (void)win32::SelectObject(memory, previous);
  (void)win32::DeleteObject(bitmap);
  (void)win32::DeleteDC(memory);
}

TEST_F(HeadlessWindow, TheSnapshotIsTheClientAreaPixelForPixel) {
  const std::string path = test_support::ScratchDirectory("snapshot") + "/window.png";
  test_support::SetVariable("GRAPH_SNAPSHOT", path);
  window_ = OpenWindow(64, 32);
  ASSERT_NE(window_, nullptr);
  const win32::HDC dc = win32::GetDC(window_);
  (void)win32::SetPixelV(dc, 0, 0, kOdd);
  (void)win32::SetPixelV(dc, 63, 31, kBlue);
  ASSERT_TRUE(win32::DestroyWindow(window_));
  test_support::PngPicture picture;
  ASSERT_TRUE(test_support::ReadPng(path, &picture)) << path;
  EXPECT_EQ(picture.width, 64);
  EXPECT_EQ(picture.height, 32);
  EXPECT_EQ(picture.ColourValue(0, 0), kOdd);
  EXPECT_EQ(picture.ColourValue(63, 31), kBlue);
  EXPECT_EQ(picture.ColourValue(1, 0), 0U);
  EXPECT_FALSE(std::filesystem::exists(path + ".partial"));
}

TEST_F(HeadlessWindow, AFramePatternSavesEachFrameAndTheLastPicture) {
  const std::string directory = test_support::ScratchDirectory("frames");
  test_support::SetVariable("GRAPH_SNAPSHOT", directory + "/frame-%02d.png");
  window_ = OpenWindow(8, 8);
  ASSERT_NE(window_, nullptr);
  const win32::HDC dc = win32::GetDC(window_);
  (void)win32::SetPixelV(dc, 1, 1, kBlue);
  ASSERT_TRUE(win32::display::end_frame(window_));
  (void)win32::SetPixelV(dc, 2, 2, kOdd);
  ASSERT_TRUE(win32::display::end_frame(window_));
  ASSERT_TRUE(win32::DestroyWindow(window_));
  test_support::PngPicture first;
  test_support::PngPicture last;
  ASSERT_TRUE(test_support::ReadPng(directory + "/frame-00.png", &first));
  ASSERT_TRUE(test_support::ReadPng(directory + "/frame-02.png", &last));
  EXPECT_EQ(first.ColourValue(1, 1), kBlue);
  EXPECT_EQ(first.ColourValue(2, 2), 0U);
  EXPECT_EQ(last.ColourValue(2, 2), kOdd);
  EXPECT_FALSE(std::filesystem::exists(directory + "/frame-03.png"));
}

TEST(HeadlessBitmaps, KeepColoursExactlyAndStretchBySampling) {
  const win32::HDC memory = win32::CreateCompatibleDC(nullptr);
  const win32::HBITMAP small = win32::CreateCompatibleBitmap(memory, 2, 2);
  const win32::HGDIOBJ previous = win32::SelectObject(memory, small);
  (void)win32::SetPixelV(memory, 0, 0, kOdd);
  (void)win32::SetPixelV(memory, 1, 1, kBlue);
  EXPECT_EQ(win32::GetPixel(memory, 0, 0), kOdd) << "a memory context's bitmap is a colour bitmap";

  const win32::HDC large = win32::CreateCompatibleDC(nullptr);
  const win32::HBITMAP largeBitmap = win32::CreateCompatibleBitmap(large, 6, 6);
  const win32::HGDIOBJ largePrevious = win32::SelectObject(large, largeBitmap);
  ASSERT_TRUE(win32::StretchBlt(large, 0, 0, 6, 6, memory, 0, 0, 2, 2, win32::SRCCOPY));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const win32::COLORREF expected = x < 3 && y < 3 ? kOdd : (x >= 3 && y >= 3 ? kBlue : 0);
      EXPECT_EQ(win32::GetPixel(large, x, y), expected) << x << "," << y;
    }
  }
  (void)win32::SelectObject(large, largePrevious);
  (void)win32::DeleteObject(largeBitmap);
  (void)win32::DeleteDC(large);
  (void)win32::SelectObject(memory, previous);
  (void)win32::DeleteObject(small);
  (void)win32::DeleteDC(memory);
}

}  // namespace
}  // namespace windows_test
