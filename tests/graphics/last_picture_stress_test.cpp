// The window's last picture holds everything drawn before CloseGraph, even
// when the window thread is busy repainting while the program draws and
// closes. last_picture_probe puts hundreds of images (each a repaint request)
// and closes at once; it runs many times over while sibling processes keep
// every processor busy, and no pixel of any image may be missing from its
// snapshot.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/graph.h"
#include "last_picture_layout.h"
#include "png_picture.h"

namespace {

constexpr int kRounds = 16;

// Processes that spin until they are killed, one per processor.
class ProcessorLoad {
 public:
  ProcessorLoad() {
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    for (long i = 0; i < (processors > 0 ? processors : 1); ++i) {
      const pid_t pid = fork();
      if (pid == 0) {
        for (;;) asm volatile("");  // no library call: the parent may have threads
      }
      if (pid > 0) spinners_.push_back(pid);
    }
  }
  ~ProcessorLoad() {
    for (const pid_t pid : spinners_) {
      (void)kill(pid, SIGKILL);
      (void)waitpid(pid, nullptr, 0);
    }
  }
  ProcessorLoad(const ProcessorLoad&) = delete;
  ProcessorLoad& operator=(const ProcessorLoad&) = delete;

 private:
  std::vector<pid_t> spinners_;
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
  const std::string snapshot =
      ::testing::TempDir() + "last_picture_stress_" + std::to_string(::getpid()) + ".png";
  const std::string command = std::string("env -u GRAPH_SCREEN GRAPH_DISPLAY=headless GRAPH_SNAPSHOT='") +
                              snapshot + "' '" + LAST_PICTURE_PROBE_PATH + "' < /dev/null > /dev/null";
  const ProcessorLoad load;
  for (int round = 0; round < kRounds; ++round) {
    std::remove(snapshot.c_str());
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
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
