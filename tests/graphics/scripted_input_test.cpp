// GRAPH_EVENTS end to end: window_input_probe runs on the headless display
// with a script standing in for the user, prints what it reads, and saves
// numbered snapshots where the script asks for them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "png_picture.h"
#include "scripted_run.h"

namespace {

namespace fs = std::filesystem;

class ScriptedInput : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = test_support::TestFolder("scripted_input"); }
  void TearDown() override {
    if (!HasFailure()) fs::remove_all(folder_);
  }

  // The probe with `script` as GRAPH_EVENTS and, unless empty, `snapshot`
  // (a name in the test's folder) as GRAPH_SNAPSHOT.
  test_support::ScriptedRun Run(const std::string& script, const std::string& snapshot = "") {
    return test_support::RunScripted(WINDOW_INPUT_PROBE_PATH, script, folder_, snapshot);
  }

  fs::path folder_;
};

TEST_F(ScriptedInput, ReachesTheProgramAsTheUserWould) {
  const test_support::ScriptedRun run = Run(
      "# keys, then a drag with the left button and the wheel\n"
      "key q\n"
      "key Enter\n"
      "key Ctrl+Left\n"
      "key Shift+F1\n"
      "move 100 50\n"
      "press left\n"
      "move 130 70\n"
      "release left\n"
      "wheel -2\n"
      "close\n");
  EXPECT_EQ(run.exit_code, 0) << run.errors;
  EXPECT_EQ(run.output,
            "key 113\n"
            "key 13\n"
            "key 0 115\n"
            "key 0 84\n"
            "mouse 1 0 0 100 50 0\n"
            "mouse 2 1 1 100 50 0\n"
            "mouse 1 0 1 130 70 0\n"
            "mouse 3 1 0 130 70 0\n"
            "mouse 4 0 0 130 70 -2\n"
            "closed\n");
}

TEST_F(ScriptedInput, AMalformedScriptIsRefusedAtStartWithItsLineAndReason) {
  const test_support::ScriptedRun run = Run("key q\nmove 10\n");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.errors, "GRAPH_EVENTS: " + (folder_ / "script.txt").string() +
                            ": line 2: 'move' takes two whole numbers, x and y\n");
}

TEST_F(ScriptedInput, SnapshotStepsNeedAFramePattern) {
  const test_support::ScriptedRun run = Run("key d\nsnapshot\n", "picture.png");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.errors.find("line 2: snapshot needs GRAPH_SNAPSHOT to be a frame pattern"), std::string::npos)
      << run.errors;
}

// How many pixels of the probe's diagonal a picture shows in white.
int DiagonalPixels(const fs::path& path) {
  test_support::PngPicture picture;
  if (!test_support::ReadPng(path.string(), &picture)) return -1;
  int white = 0;
  for (int i = 0; i < 10; ++i) white += picture.ColourValue(i, i) == 0x00FCFCFC ? 1 : 0;
  return white;
}

TEST_F(ScriptedInput, EachSnapshotShowsEverythingTheProgramHadHandledBeforeIt) {
  const test_support::ScriptedRun run = Run("key d\nkey d\nsnapshot\nkey d\nsnapshot\nkey d\nclose\n", "frame-%d.png");
  EXPECT_EQ(run.exit_code, 0) << run.errors;
  EXPECT_EQ(DiagonalPixels(folder_ / "frame-0.png"), 2);
  EXPECT_EQ(DiagonalPixels(folder_ / "frame-1.png"), 3);
  EXPECT_EQ(DiagonalPixels(folder_ / "frame-2.png"), 4);  // the last picture, as the window closed
  EXPECT_FALSE(fs::exists(folder_ / "frame-3.png"));
}


}  // namespace
