#include "driver_test_support.h"

#include <thread>
#include <utility>

#include "environment.h"
#include "graphics/graph_window.h"
#include "platform/display.h"

namespace graph::testing {

namespace {

// The display backend is chosen at its first use, long after this runs.
const bool kHeadlessDisplay = [] {
  test_support::SetVariable("GRAPH_DISPLAY", "headless");
  test_support::UnsetVariable("GRAPH_SCREEN");
  test_support::UnsetVariable("GRAPH_SNAPSHOT");
  return true;
}();

}  // namespace

void EnsureRegistry() {
  if (ModeList == nullptr) (void)QueryAdapterInfo();
}

void EnterMode(ModeChoice choice) {
  EnsureRegistry();
  std::int16_t driver = choice.driver;
  std::int16_t mode = choice.mode;
  InitGraph(driver, mode, "");
}

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

win32::COLORREF BitmapValue(int x, int y) { return win32::GetPixel(BitmapDC, x, y); }

win32::COLORREF ScreenValue(int x, int y) { return ScreenShot().At(x, y); }

ScreenShot::ScreenShot() {
  win32::display::ClientPicture picture;
  if (!win32::display::read_client_area(MainWindow, &picture)) return;
  width_ = picture.width;
  height_ = picture.height;
  pixels_ = std::move(picture.pixels);
}

win32::COLORREF ScreenShot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return win32::CLR_INVALID;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void OpenWindow::SetUp() {
  (void)kHeadlessDisplay;
  EnterMode(choice_);
  ASSERT_EQ(GraphResult, grOk);
  ASSERT_TRUE(IsGraphMode);
}

void OpenWindow::TearDown() {
  DrawToBitmap = true;
  DrawToScreen = true;
  CharMessageHandler = nullptr;
  MouseMessageHandler = nullptr;
  if (IsGraphMode) CloseGraph();
  GraphResult = grOk;
}

}  // namespace graph::testing
