// The graphics core inside a whole program: stopping defaults and the exit
// procedure closing the window, through the graph_probe program run as a
// subprocess.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
  int ExitCode;
  std::string Out;
  std::string Err;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Outcome RunProbe(const std::string& scenario) {
  const auto dir = std::filesystem::temp_directory_path();
  const std::string stem = "graph_probe_" + std::to_string(::getpid()) + "_" + scenario;
  const auto out = dir / (stem + ".out");
  const auto err = dir / (stem + ".err");
  const std::string command =
      "'" GRAPH_PROBE_PATH "' " + scenario + " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(command.c_str());
  Outcome outcome{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
  std::filesystem::remove(out);
  std::filesystem::remove(err);
  return outcome;
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
