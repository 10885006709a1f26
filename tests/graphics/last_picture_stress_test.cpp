// The window's last picture holds everything drawn before CloseGraph, even
// when the window thread is busy repainting while the program draws and
// closes. last_picture_probe puts hundreds of images (each a repaint request)
// and closes at once; it runs many times over while spinning threads keep
// every processor busy, and no pixel of any image may be missing from its
// snapshot.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "graphics/graph.h"
#include "last_picture_layout.h"
#include "png_picture.h"

namespace {

constexpr int kRounds = 16;

// Threads that spin until the load ends, one per processor.
class ProcessorLoad {
 public:
  ProcessorLoad() {
    const unsigned processors = std::thread::hardware_concurrency();
    for (unsigned i = 0; i < (processors > 0 ? processors : 1); ++i) {
      spinners_.emplace_back([this] {
        while (!stop_.load(std::memory_order_relaxed)) {
        }
      });
    }
  }
  ~ProcessorLoad() {
    stop_.store(true, std::memory_order_relaxed);
    for (std::thread& spinner : spinners_) spinner.join();
  }
  ProcessorLoad(const ProcessorLoad&) = delete;
  ProcessorLoad& operator=(const ProcessorLoad&) = delete;

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::thread> spinners_;
};

std::uint32_t ColourValueOf(std::uint16_t color) {
  const graph::RGBRec& entry = graph::DefaultColors[color];
  return static_cast<std::uint32_t>(entry.Red) | static_cast<std::uint32_t>(entry.Green) << 8 |
         static_cast<std::uint32_t>(entry.Blue) << 16;
}

// Pixels of the images that the picture lacks, with the first image hit.
struct Loss {
  int Pixels = 0;
  int FirstImage = -1;
};

Loss LostPixels(const test_support::PngPicture& picture) {
  Loss loss;
  for (int i = 0; i < last_picture::kImages; ++i) {
    const last_picture::Placement at = last_picture::PlacementOf(i);
    const std::uint32_t expected = ColourValueOf(at.Color);
    for (int y = at.Y; y < at.Y + last_picture::kSide; ++y) {
      for (int x = at.X; x < at.X + last_picture::kSide; ++x) {
        if (picture.ColourValue(x, y) == expected) continue;
        if (loss.Pixels++ == 0) loss.FirstImage = i;
      }
    }
  }
  return loss;
}

TEST(LastPicture, HoldsEveryImagePutJustBeforeTheCloseUnderFullLoad) {
  const std::string snapshot = test_support::ScratchDirectory("last-picture") + "/last_picture.png";
  test_support::ChildOptions options;
  options.environment = {{"GRAPH_SCREEN", std::nullopt}, {"GRAPH_DISPLAY", "headless"}, {"GRAPH_SNAPSHOT", snapshot}};
  const ProcessorLoad load;
  for (int round = 0; round < kRounds; ++round) {
    std::remove(snapshot.c_str());
    const test_support::ChildOutcome probe = test_support::RunChild(LAST_PICTURE_PROBE_PATH, options);
    ASSERT_TRUE(probe.exited && probe.exitCode == 0) << probe.errors;
    test_support::PngPicture picture;
    ASSERT_TRUE(test_support::ReadPng(snapshot, &picture)) << snapshot;
    ASSERT_EQ(picture.width, 640);
    ASSERT_EQ(picture.height, 480);
    const Loss loss = LostPixels(picture);
    ASSERT_EQ(loss.Pixels, 0) << "round " << round << ": the first image missing is number "
                              << loss.FirstImage << "; picture " << snapshot;
  }
  std::remove(snapshot.c_str());
}

}  // namespace
