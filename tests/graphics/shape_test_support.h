// Support for the tests of shapes and fills: a recording-mode picture with
// an outline colour and a solid fill colour set, and the pixels that can be
// reached through their sides, as a fill would reach them.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "graphics/graph.h"
#include "recording_driver.h"

namespace graph::testing {

inline constexpr std::uint16_t kOutline = Yellow;
inline constexpr std::uint16_t kFill = Blue;

// The recording mode at width x height, drawing in kOutline and filling
// solid in kFill.
template <int Width, int Height>
class ShapeCanvas : public ::testing::Test {
 protected:
  static constexpr int kWidth = Width;
  static constexpr int kHeight = Height;

  void SetUp() override {
    EnterRecordingMode(Width, Height);
    SetColor(kOutline);
    SetFillStyle(SolidFill, kFill);
  }
  void TearDown() override { FreeModeRegistry(); }
};

using Pixel = std::pair<int, int>;

// Which pixels of a width x height picture (row by row) can be reached from
// the seeds through their sides, passing only pixels where passable(x, y).
inline std::vector<bool> Reachable(int width, int height, const std::vector<Pixel>& seeds,
                                   const std::function<bool(int, int)>& passable) {
  std::vector<bool> reached(static_cast<std::size_t>(width * height), false);
  std::deque<Pixel> queue;
  const auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const auto i = static_cast<std::size_t>(y * width + x);
    if (reached[i] || !passable(x, y)) return;
    reached[i] = true;
    queue.emplace_back(x, y);
  };
  for (const auto& [x, y] : seeds) visit(x, y);
  while (!queue.empty()) {
    const auto [x, y] = queue.front();
    queue.pop_front();
    visit(x - 1, y);
    visit(x + 1, y);
    visit(x, y - 1);
    visit(x, y + 1);
  }
  return reached;
}

}  // namespace graph::testing
