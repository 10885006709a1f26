// The four demonstrations end to end. Each runs as its own process on the
// headless display with standard input from a pipe and GRAPH_SNAPSHOT; at
// the same time its picture is drawn in this process through the counting
// driver. The counts of what it draws follow from the curves' numbers, and
// the snapshot must show exactly the picture those calls leave.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "counting_driver.h"
#include "demo_frame.h"
#include "demo_process.h"
#include "graphics/graph.h"
#include "hyperbola_trace.h"
#include "parabola_drift.h"
#include "parabola_fan.h"
#include "snapshot_png.h"
#include "wave_trace.h"

namespace demos {
namespace {

using testing::Counting;
using testing::CountColor;
using testing::PixelCall;
using testing::Snapshot;

// The full-screen client area of the headless 1024 x 768 display.
constexpr std::int32_t kWidth = 1024;
constexpr std::int32_t kHeight = 719;
constexpr std::size_t kSamplesPerParabola = 28481;

struct Outcome {
  testing::DemoResult Process;
  Snapshot Picture;
};

// Starts the program, draws its picture here meanwhile, then waits for it.
// The snapshot goes to `directory`/`snapshotName`; a plain file is read back
// into the outcome's picture.
Outcome RunBoth(const std::string& program, void (*drawPicture)(), const std::string& directory,
                const std::string& snapshotName) {
  const std::string snapshot = directory + "/" + snapshotName;
  const testing::DemoRun run = testing::StartDemo(program, {}, snapshot, "typed before Enter\n");
  testing::EnterCountingMode(kWidth, kHeight);
  drawPicture();
  Outcome outcome{testing::FinishDemo(run), {}};
  if (snapshotName.find('%') == std::string::npos) {
    EXPECT_TRUE(testing::ReadSnapshot(snapshot, &outcome.Picture)) << snapshot;
  }
  return outcome;
}

Outcome RunBoth(const std::string& name, const std::string& program, void (*drawPicture)()) {
  return RunBoth(program, drawPicture, testing::ScratchDirectory(name), name + ".png");
}

void ExpectNormalEnd(const testing::DemoResult& result) {
  EXPECT_EQ(result.ExitCode, 0) << result.Output << result.Errors;
  EXPECT_EQ(result.Output.find("Runtime error"), std::string::npos) << result.Output;
}

// Every pixel of the snapshot is the default-palette colour that the last
// PutPixel call at that position left.
void ExpectSnapshotShows(const Snapshot& picture, std::size_t first, std::size_t last) {
  ASSERT_EQ(picture.Width, kWidth);
  ASSERT_EQ(picture.Height, kHeight);
  const std::vector<std::uint16_t> expected = testing::PictureOf(first, last);
  std::size_t mismatches = 0;
  for (std::int32_t y = 0; y < kHeight; ++y) {
    for (std::int32_t x = 0; x < kWidth; ++x) {
      const std::uint16_t color = expected[static_cast<std::size_t>(y * kWidth + x)];
      if (picture.At(x, y) != testing::DefaultColorValue(color) && mismatches++ < 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << picture.At(x, y)
                      << ", colour " << std::dec << color << " expected";
      }
    }
  }
  EXPECT_EQ(mismatches, 0U);
}

// The colours of the calls at one screen position, in order.
std::vector<std::uint16_t> ColoursAt(std::int16_t x, std::int16_t y, std::size_t first,
                                     std::size_t last) {
  std::vector<std::uint16_t> colours;
  for (std::size_t i = first; i < last; ++i) {
    const PixelCall& call = Counting().Calls[i];
    if (call.X == x && call.Y == y) colours.push_back(call.Color);
  }
  return colours;
}

// The calls that Circle(512, 384, r) makes, drawn on their own.
std::size_t CircleCalls(std::uint16_t radius) {
  testing::EnterCountingMode(kWidth, kHeight);
  graph::Circle(512, 384, radius);
  return Counting().Calls.size();
}

TEST(DemoPrograms, ParabolaFanDrawsAllParabolasIntoOnePicture) {
  const std::size_t circle = CircleCalls(200);
  const Outcome outcome = RunBoth("parabola_fan", PARABOLA_FAN_PATH, &parabola_fan::DrawPicture);
  ExpectNormalEnd(outcome.Process);
  const std::size_t calls = Counting().Calls.size();
  EXPECT_TRUE(Counting().Clears.empty());
  EXPECT_EQ(CountColor(0, circle + 1, 15), circle + 1) << "the circle, then the centre dot";
  EXPECT_EQ(CountColor(0, calls, 15), circle + 1);
  EXPECT_EQ(CountColor(0, calls, kSampleColor), 41 * kSamplesPerParabola);
  EXPECT_EQ(CountColor(0, calls, kImageColor), 41 * kSamplesPerParabola - 159)
      << "the images of |X| < 4 in the first parabola are beyond 10000";
  const std::vector<std::uint16_t> centre = ColoursAt(512, 384, 0, calls);
  ASSERT_GE(centre.size(), 2U);
  EXPECT_EQ(centre.front(), 15);
  EXPECT_EQ(centre.back(), kSampleColor) << "the first parabola passes over the dot";
  ExpectSnapshotShows(outcome.Picture, 0, calls);
}

// With a frame pattern in GRAPH_SNAPSHOT, each frame is saved as the
// clearing that ends it begins, and the blank window last.
TEST(DemoPrograms, ParabolaDriftShowsFiftyOneFramesAndEndsBlank) {
  const std::size_t circle = CircleCalls(200);
  const auto start = std::chrono::steady_clock::now();
  const std::string directory = testing::ScratchDirectory("parabola_drift");
  const Outcome outcome =
      RunBoth(PARABOLA_DRIFT_PATH, &parabola_drift::DrawPicture, directory, "frame-%03d.png");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ExpectNormalEnd(outcome.Process);
  // Pacing, not speed: each frame is shown for at least its 100 ms.
  EXPECT_GE(elapsed, std::chrono::milliseconds(51 * 100));

  const std::vector<std::size_t>& clears = Counting().Clears;
  ASSERT_EQ(clears.size(), 51U);
  EXPECT_EQ(clears.back(), Counting().Calls.size()) << "nothing is drawn after the last frame";
  std::size_t frameStart = 0;
  for (std::size_t frame = 0; frame < clears.size(); ++frame) {
    SCOPED_TRACE(frame);
    const std::size_t frameEnd = clears[frame];
    const std::size_t opening = frame == 0 ? circle + 1 : 0;
    EXPECT_EQ(CountColor(frameStart, frameEnd, 15), opening + circle);
    EXPECT_EQ(CountColor(frameStart, frameEnd, kSampleColor), kSamplesPerParabola);
    EXPECT_EQ(CountColor(frameStart, frameEnd, kImageColor),
              kSamplesPerParabola - (frame == 0 ? 159 : 0));
    frameStart = frameEnd;
  }
  EXPECT_EQ(ColoursAt(512, 384, 0, clears[0]).back(), kSampleColor);

  const auto framePath = [&](std::size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame-%03zu.png", number);
    return directory + name;
  };
  for (std::size_t frame = 0; frame <= clears.size(); ++frame) {
    SCOPED_TRACE(framePath(frame));
    Snapshot picture;
    ASSERT_TRUE(testing::ReadSnapshot(framePath(frame), &picture));
    const std::size_t first = frame == 0 ? 0 : clears[frame - 1];
    ExpectSnapshotShows(picture, first, frame < clears.size() ? clears[frame] : first);
  }
  EXPECT_FALSE(std::filesystem::exists(framePath(clears.size() + 1)));
}

TEST(DemoPrograms, WaveTraceDrawsOneCurveWithItsImages) {
  const std::size_t circle = CircleCalls(300);
  const Outcome outcome = RunBoth("wave_trace", WAVE_TRACE_PATH, &wave_trace::DrawPicture);
  ExpectNormalEnd(outcome.Process);
  const std::size_t calls = Counting().Calls.size();
  EXPECT_EQ(CountColor(0, calls, 15), circle + 1);
  EXPECT_EQ(CountColor(0, calls, kSampleColor), 100000U);
  EXPECT_EQ(CountColor(0, calls, kImageColor), 100000U - 21) << "TAV < 7 for the 21 samples of |X| <= 0.5";
  std::int32_t highest = 0;
  std::int32_t lowest = 0;
  for (const PixelCall& call : Counting().Calls) {
    if (call.Color != kImageColor) continue;
    highest = std::min<std::int32_t>(highest, call.Y);
    lowest = std::max<std::int32_t>(lowest, call.Y);
  }
  // Near the origin the curve is close to Y = 5 X, so an image's distance
  // from the centre, R * R / sqrt(TAV), grows as |X| shrinks: the extreme
  // rows are those of the samples X = 0.55 and X = -0.55 that the guard
  // admits first (TAV = 7.86; at X = +-0.5 it is 6.50). Rows about -31,088
  // and 31,856, both inside the 16-bit range.
  const auto imageRow = [](long double x) {
    const long double y = 100 * std::sin(x / 20);
    return static_cast<std::int32_t>(std::lround(kOriginRow - 300.0L * 300 * y / (x * x + y * y)));
  };
  EXPECT_EQ(highest, imageRow(0.55L));
  EXPECT_EQ(lowest, imageRow(-0.55L));
  EXPECT_EQ(ColoursAt(512, 384, 0, calls).back(), kSampleColor);
  ExpectSnapshotShows(outcome.Picture, 0, calls);
}

TEST(DemoPrograms, HyperbolaTraceKeepsItsWhiteCentre) {
  const std::size_t circle = CircleCalls(100);
  const Outcome outcome =
      RunBoth("hyperbola_trace", HYPERBOLA_TRACE_PATH, &hyperbola_trace::DrawPicture);
  ExpectNormalEnd(outcome.Process);
  const std::size_t calls = Counting().Calls.size();
  EXPECT_EQ(CountColor(0, calls, 15), circle + 1);
  EXPECT_EQ(CountColor(0, calls, kSampleColor), 20481U);
  EXPECT_EQ(CountColor(0, calls, kImageColor), 20481U - 47) << "|X| <= 1.15 scales beyond 60000";
  // The sample near -0.1 and the four nearer 0 that keep its Y.
  EXPECT_EQ(ColoursAt(512, 10384, 0, calls), std::vector<std::uint16_t>(5, kSampleColor));
  EXPECT_EQ(ColoursAt(512, 384, 0, calls), std::vector<std::uint16_t>{15});
  EXPECT_EQ(outcome.Picture.At(512, 384), testing::DefaultColorValue(15));
  ExpectSnapshotShows(outcome.Picture, 0, calls);
}

}  // namespace
}  // namespace demos
