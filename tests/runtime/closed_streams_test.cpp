// A program started without some of its standard descriptors (POSIX): the
// runtime gives them the null device before anything can open a file in
// their place.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "subprocess.h"

namespace runtime_test {
namespace {

// Whichever standard streams a program is started without, it starts with
// the null device in their place: none of them is free for the next file.
TEST(StartUp, ClosedStandardStreamsGetTheNullDeviceBeforeAnyFileIsOpened) {
  const std::string report = test_support::ScratchDirectory("closed-streams") + "/report";
  const std::vector<std::vector<int>> closings = {{0}, {1}, {2}, {0, 2}, {0, 1, 2}};
  for (const std::vector<int>& closed : closings) {
    const std::string what = testing::PrintToString(closed);
    std::filesystem::remove(report);
    const ChildResult result = RunWithClosedStreams(RUNTIME_SCENARIOS_PATH, {"closed-streams", report}, closed);
    EXPECT_EQ(result.exitCode, 0) << what;
    std::ifstream in(report);
    std::stringstream text;
    text << in.rdbuf();
    int descriptor = -1, input = -1, outputResult = -1;
    ASSERT_EQ(std::sscanf(text.str().c_str(), "descriptor %d, input %d, output result %d", &descriptor, &input,
                          &outputResult),
              3)
        << what << ": " << text.str();
    EXPECT_GT(descriptor, 2) << what;
    EXPECT_EQ(input, 0) << what << ": standard input is at its end";
    EXPECT_EQ(outputResult, 0) << what << ": writing to standard output and error succeeds";
  }
  std::filesystem::remove(report);
}

}  // namespace
}  // namespace runtime_test
