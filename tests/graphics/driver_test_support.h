// Support for the window driver's tests: every test program runs on the
// headless display, and a fixture opens a real graph window per test.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

#include "graphics/graph.h"
#include "platform/gdi.h"

namespace graph::testing {

// Modes of the registry on the headless 1024 x 768 screen.
struct ModeChoice {
  std::int16_t driver;
  std::int16_t mode;
};
inline constexpr ModeChoice k640x480x16{9, 2};
inline constexpr ModeChoice kLargestWindow256{10, 241};
inline constexpr ModeChoice kMaximizedWindow256{10, 246};

// Builds the registry once per process from the headless screen.
void EnsureRegistry();

// InitGraph with the given mode; GraphResult tells the outcome.
void EnterMode(ModeChoice choice);

// Polls `condition` until it holds or a generous deadline passes: for what
// the window thread does in its own time (repaints, dispatched messages).
[[nodiscard]] bool Eventually(const std::function<bool()>& condition,
                              std::chrono::milliseconds deadline = std::chrono::seconds(10));

// The colour values at an absolute point of the backing bitmap and of the
// window as the display shows it.
[[nodiscard]] win32::COLORREF BitmapValue(int x, int y);
[[nodiscard]] win32::COLORREF ScreenValue(int x, int y);

// The window's client area as the display shows it at one moment.
class ScreenShot {
 public:
  ScreenShot();
  [[nodiscard]] win32::COLORREF At(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// One open window per test in the given mode, closed again afterwards.
class OpenWindow : public ::testing::Test {
 protected:
  explicit OpenWindow(ModeChoice choice = kLargestWindow256) : choice_(choice) {}
  void SetUp() override;
  void TearDown() override;

 private:
  ModeChoice choice_;
};

class OpenWindow16 : public OpenWindow {
 protected:
  OpenWindow16() : OpenWindow(k640x480x16) {}
};

}  // namespace graph::testing
