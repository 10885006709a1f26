// The headless display: choosing it, snapshots read back as PNG, a
// window served by its own thread, and the framebuffer's dirty marks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "display/snapshot.h"
#include "gdi/surface.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "png_picture.h"
#include "user_test_support.h"

namespace {

using namespace win32;
using user_test::OpenWindow;
using user_test::Recorder;

using Png = test_support::PngPicture;
using test_support::ReadPng;

std::string TempPng(const char* name) {
  return ::testing::TempDir() + "display_" + name + "_" + std::to_string(getpid()) + ".png";
}

class DisplayHeadless : public ::testing::Test {
 protected:
  void SetUp() override { user_test::RecordingClass(); }
  void TearDown() override {
    unsetenv("GRAPH_SNAPSHOT");
    user_test::DrainQueue();
    Recorder::instance().take();
  }
};

TEST_F(DisplayHeadless, IsTheChosenDisplayWithItsDefaultMetrics) {
  EXPECT_STREQ(display::backend_name(), "headless");
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN), 719);
  // A maximised window fills the full-screen client area.
  HWND window = CreateWindowExA(0, user_test::RecordingClass(), "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MAXIMIZE,
                                CW_USEDEFAULT, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 1024);
  EXPECT_EQ(client.bottom, 719);
  EXPECT_TRUE(IsZoomed(window));
  DestroyWindow(window);
}

TEST_F(DisplayHeadless, SnapshotHoldsExactlyTheDrawnPixelsWhenTheWindowIsDestroyed) {
  const std::string path = TempPng("destroyed");
  setenv("GRAPH_SNAPSHOT", path.c_str(), 1);
  HWND window = OpenWindow(7, 5);
  UpdateWindow(window);
  HDC dc = GetDC(window);
  SetPixelV(dc, 0, 0, RGB(0, 0, 168));
  SetPixelV(dc, 6, 4, RGB(252, 252, 252));
  SetPixelV(dc, 3, 2, RGB(168, 0, 0));
  ReleaseDC(window, dc);
  DestroyWindow(window);

  Png png;
  ASSERT_TRUE(ReadPng(path, &png));
  EXPECT_EQ(png.width, 7);
  EXPECT_EQ(png.height, 5);
  int coloured = 0;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) coloured += png.ColourValue(x, y) != 0;
  EXPECT_EQ(coloured, 3);
  EXPECT_EQ(png.ColourValue(0, 0), RGB(0, 0, 168));
  EXPECT_EQ(png.ColourValue(6, 4), RGB(252, 252, 252));
  EXPECT_EQ(png.ColourValue(3, 2), RGB(168, 0, 0));
  std::remove(path.c_str());
}

TEST_F(DisplayHeadless, SaveClientAreaWritesWhatTheWindowShowsAndSaysWhyItCannot) {
  const std::string path = TempPng("saved");
  HWND window = OpenWindow(5, 3);
  UpdateWindow(window);
  HDC dc = GetDC(window);
  SetPixelV(dc, 4, 2, RGB(84, 252, 84));
  ReleaseDC(window, dc);
  std::string error;
  ASSERT_TRUE(display::save_client_area(window, path, &error)) << error;
  Png png;
  ASSERT_TRUE(ReadPng(path, &png));
  EXPECT_EQ(png.width, 5);
  EXPECT_EQ(png.ColourValue(4, 2), RGB(84, 252, 84));
  EXPECT_FALSE(display::save_client_area(window, ::testing::TempDir() + "no/such/folder/x.png", &error));
  EXPECT_FALSE(error.empty());
  DestroyWindow(window);
  EXPECT_FALSE(display::save_client_area(window, path, &error));
  EXPECT_EQ(error, "the window no longer exists");
  std::remove(path.c_str());
}

TEST_F(DisplayHeadless, AnUnwritableSnapshotIsOneLineOnStandardError) {
  setenv("GRAPH_SNAPSHOT", "/nonexistent-directory/out.png", 1);
  HWND window = OpenWindow(2, 2);
  ::testing::internal::CaptureStderr();
  DestroyWindow(window);
  const std::string error = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(error.find("GRAPH_SNAPSHOT: could not write /nonexistent-directory/out.png"), std::string::npos) << error;
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);
}

TEST(SnapshotSetting, PlainPathsFramePatternsAndRefusedForms) {
  using Kind = detail::SnapshotSetting::Kind;
  struct Case {
    const char* value;
    Kind kind;
    const char* frame_7;  // the path of frame 7 for a pattern
  };
  const Case cases[] = {
      {"", Kind::None, ""},
      {"out/picture.png", Kind::File, ""},
      {"f-%d.png", Kind::Frames, "f-7.png"},
      {"f-%03d.png", Kind::Frames, "f-007.png"},
      {"%2d.png", Kind::Frames, " 7.png"},
      {"f-%0d", Kind::Frames, "f-7"},
      {"f-%s.png", Kind::Refused, ""},
      {"f-%%d.png", Kind::Refused, ""},
      {"f-%d-%d.png", Kind::Refused, ""},
      {"f-%d-%%.png", Kind::Refused, ""},
      {"f-%-3d.png", Kind::Refused, ""},
      {"f-%123d.png", Kind::Refused, ""},
      {"f-%n.png", Kind::Refused, ""},
      {"50%.png", Kind::Refused, ""},
      {"f-%", Kind::Refused, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const detail::SnapshotSetting setting = detail::parse_snapshot_setting(c.value);
    EXPECT_EQ(setting.kind, c.kind);
    if (c.kind == Kind::Frames) {
      EXPECT_EQ(setting.frame_path(7), c.frame_7);
    }
  }
  // A number wider than the width is written whole.
  EXPECT_EQ(detail::parse_snapshot_setting("f%03d").frame_path(12345), "f12345");
}

TEST_F(DisplayHeadless, AFramePatternSavesEachFrameAndTheLastPicture) {
  const std::string pattern = TempPng("frame-%02d");
  setenv("GRAPH_SNAPSHOT", pattern.c_str(), 1);
  const auto frame = [&](int number) {
    return detail::parse_snapshot_setting(pattern).frame_path(number);
  };
  HWND window = OpenWindow(4, 3);
  HDC dc = GetDC(window);
  SetPixelV(dc, 1, 1, RGB(0, 0, 168));
  EXPECT_TRUE(display::end_frame(window));
  SetPixelV(dc, 1, 1, RGB(0, 0, 0));
  SetPixelV(dc, 3, 2, RGB(168, 0, 0));
  EXPECT_TRUE(display::end_frame(window));
  SetPixelV(dc, 0, 0, RGB(252, 252, 252));
  ReleaseDC(window, dc);
  DestroyWindow(window);
  EXPECT_FALSE(display::end_frame(window));

  const COLORREF expected[3][3] = {
      {RGB(0, 0, 168), 0, 0}, {0, RGB(168, 0, 0), 0}, {0, RGB(168, 0, 0), RGB(252, 252, 252)}};
  for (int number = 0; number < 3; ++number) {
    SCOPED_TRACE(number);
    Png png;
    ASSERT_TRUE(ReadPng(frame(number), &png));
    EXPECT_EQ(png.width, 4);
    EXPECT_EQ(png.ColourValue(1, 1), expected[number][0]);
    EXPECT_EQ(png.ColourValue(3, 2), expected[number][1]);
    EXPECT_EQ(png.ColourValue(0, 0), expected[number][2]);
    std::remove(frame(number).c_str());
  }
  EXPECT_NE(access(frame(3).c_str(), F_OK), 0);
}

TEST_F(DisplayHeadless, APlainPathIgnoresFramesAndARefusedPatternSavesNothing) {
  const std::string plain = TempPng("plain");
  setenv("GRAPH_SNAPSHOT", plain.c_str(), 1);
  HWND window = OpenWindow(2, 2);
  EXPECT_TRUE(display::end_frame(window));
  EXPECT_NE(access(plain.c_str(), F_OK), 0) << "a plain path is written only when the window goes away";
  DestroyWindow(window);
  EXPECT_EQ(access(plain.c_str(), F_OK), 0);
  std::remove(plain.c_str());

  const std::string refused = TempPng("refused-%s-%d");
  setenv("GRAPH_SNAPSHOT", refused.c_str(), 1);
  ::testing::internal::CaptureStderr();
  window = OpenWindow(2, 2);
  EXPECT_TRUE(display::end_frame(window));
  DestroyWindow(window);
  const std::string error = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(error.find("GRAPH_SNAPSHOT: '" + refused + "' is refused"), std::string::npos) << error;
  EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
  EXPECT_NE(access(refused.c_str(), F_OK), 0);
}

TEST(DisplayChoice, WithoutADisplayWindowsFailWithOneLineThatNamesTheHeadlessDisplay) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process that has chosen nothing yet
  auto create_without = [](const char* display) {
    if (display) {
      setenv("GRAPH_DISPLAY", display, 1);
    } else {
      unsetenv("GRAPH_DISPLAY");  // the desktop's display is meant, and there is none
      unsetenv("DISPLAY");
    }
    // The sizes stand in for the missing display's, silently.
    if (GetSystemMetrics(SM_CXSCREEN) != 1024) std::exit(2);
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.lpszClassName = "Unshown";
    RegisterClassA(&window_class);
    HWND first = CreateWindowExA(0, "Unshown", "", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND second = CreateWindowExA(0, "Unshown", "", WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::exit(first == nullptr && second == nullptr && display::backend_name() == nullptr ? 0 : 1);
  };
  EXPECT_EXIT(create_without(nullptr), ::testing::ExitedWithCode(0),
              "^Graph display: [^\n]*[Xx]11[^\n]*set GRAPH_DISPLAY=headless[^\n]*\n$");
  EXPECT_EXIT(create_without("vga"), ::testing::ExitedWithCode(0),
              "^Graph display: GRAPH_DISPLAY=vga is not a display[^\n]*GRAPH_DISPLAY=headless[^\n]*\n$");
}

// A window served by a thread of its own, as the graphics library's window
// thread serves its window, fed from the test's thread.
TEST_F(DisplayHeadless, AWindowThreadReceivesMessagesPostedFromAnotherThreadInOrder) {
  std::atomic<HWND> window{nullptr};
  std::thread::id window_thread;
  std::thread server([&] {
    window_thread = std::this_thread::get_id();
    HWND created = OpenWindow(8, 8);
    UpdateWindow(created);
    window = created;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  });
  while (!window.load()) std::this_thread::yield();
  Recorder::instance().take();

  constexpr int kMessages = 500;
  for (int i = 0; i < kMessages; ++i) ASSERT_TRUE(PostMessageA(window, WM_USER, static_cast<WPARAM>(i), 0));
  ASSERT_TRUE(display::close_window_as_user(window));
  server.join();

  std::vector<WPARAM> numbers;
  std::vector<UINT> others;
  for (const user_test::Received& r : Recorder::instance().take()) {
    EXPECT_EQ(r.thread, window_thread);
    if (r.message == WM_USER) {
      numbers.push_back(r.wParam);
    } else {
      others.push_back(r.message);
    }
  }
  ASSERT_EQ(numbers.size(), static_cast<std::size_t>(kMessages));
  for (int i = 0; i < kMessages; ++i) EXPECT_EQ(numbers[static_cast<std::size_t>(i)], static_cast<WPARAM>(i));
  EXPECT_EQ(others, (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(DisplayHeadless, InvalidatingFromAnotherThreadWakesTheWaitingThreadToPaint) {
  std::atomic<HWND> window{nullptr};
  std::atomic<bool> painted{false};
  std::thread server([&] {
    HWND created = OpenWindow(8, 8);
    UpdateWindow(created);
    window = created;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (message.message == WM_PAINT) {
        RECT update{};
        GetUpdateRect(message.hwnd, &update, FALSE);
        EXPECT_EQ(update.left, 3);
        EXPECT_EQ(update.bottom, 5);
        painted = true;
      }
      DispatchMessageA(&message);
    }
  });
  while (!window.load()) std::this_thread::yield();
  RECT area{3, 4, 6, 5};
  InvalidateRect(window, &area, FALSE);
  while (!painted.load()) std::this_thread::yield();
  display::close_window_as_user(window);
  server.join();
}

TEST(DisplayFramebuffer, DrawingMarksTheTilesItTouches) {
  detail::Surface surface(100, 70, true);
  ASSERT_NE(surface.dirty(), nullptr);
  EXPECT_TRUE(surface.dirty()->take().empty());
  surface.store(5, 5, 1);
  surface.store(40, 5, 1);
  surface.fill_row(0, 100, 69, 2);
  const std::vector<RECT> areas = surface.dirty()->take();
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_EQ(areas[0].left, 0);
  EXPECT_EQ(areas[0].right, 64);  // two neighbouring tiles merged
  EXPECT_EQ(areas[0].bottom, 32);
  EXPECT_EQ(areas[1].top, 64);
  EXPECT_EQ(areas[1].right, 100);  // cut to the surface
  EXPECT_EQ(areas[1].bottom, 70);
  EXPECT_TRUE(surface.dirty()->take().empty());
  EXPECT_EQ(detail::Surface(4, 4, false).dirty(), nullptr);
}

}  // namespace
