// The graphics core inside a whole program: stopping defaults and the exit
// procedure closing the window, through the graph_probe program run as a
// subprocess.
#include <gtest/gtest.h>

#include <string>

#include "child_process.h"

namespace {

struct Outcome {
  int ExitCode;
  std::string Out;
  std::string Err;
};

Outcome RunProbe(const std::string& scenario) {
  test_support::ChildOptions options;
  options.arguments = {scenario};
  options.environment = {{"GRAPH_DISPLAY", "headless"}, {"GRAPH_SCREEN", std::nullopt}};
  const test_support::ChildOutcome child = test_support::RunChild(GRAPH_PROBE_PATH, options);
  return {child.exited ? child.exitCode : -1, child.output, child.errors};
}

constexpr const char* kNotInGraphicsMode =
    "Error: Not in graphics mode (use InitGraph and test GraphResult afterwards)\r\n";

TEST(GraphProgram, DrawingOutsideGraphicsModeStopsWithTheErrorLine) {
  const Outcome before = RunProbe("draw-before-initgraph");
  EXPECT_EQ(before.ExitCode, 1);
  EXPECT_EQ(before.Err, kNotInGraphicsMode);
  EXPECT_EQ(before.Out, "");

  const Outcome failed = RunProbe("draw-after-invalid-mode");
  EXPECT_EQ(failed.ExitCode, 1);
  EXPECT_EQ(failed.Out, "GraphResult -10\r\n");
  EXPECT_EQ(failed.Err, kNotInGraphicsMode);
}

TEST(GraphProgram, RunTimeErrorInGraphicsModeClosesBeforeTheReport) {
  const Outcome outcome = RunProbe("runerror-in-graphics-mode");
  EXPECT_EQ(outcome.ExitCode, 201);
  EXPECT_EQ(outcome.Out.rfind("CloseGraph\nRuntime error 201 at 0x", 0), 0u) << outcome.Out;
}

TEST(GraphProgram, NormalEndOrHaltDoesNotCloseAgain) {
  const Outcome closed = RunProbe("closegraph-then-end");
  EXPECT_EQ(closed.ExitCode, 0);
  EXPECT_EQ(closed.Out, "CloseGraph\n");

  const Outcome halted = RunProbe("halt-in-graphics-mode");
  EXPECT_EQ(halted.ExitCode, 3);
  EXPECT_EQ(halted.Out, "");
}

}  // namespace
