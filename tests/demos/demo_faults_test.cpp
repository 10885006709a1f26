// Whole programs that end by a fault in the frame, or run on after the user
// closed their window: exit codes, the report, and the window closed (by the
// graphics library's exit procedure on a fault) before the report.
#include <gtest/gtest.h>

#include <string>

#include "demo_process.h"

namespace demos {
namespace {

TEST(DemoFaults, ExitCodesReportsAndTheWindowClosedFirst) {
  struct Case {
    const char* ProbeCase;
    int ExitCode;
  };
  const Case cases[] = {
      {"fan-origin", 207},   {"hyperbola-origin", 207}, {"column-range", 201},
      {"radius-range", 201}, {"wave-origin", 0},        {"close-while-drawing", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ProbeCase);
    const testing::DemoResult result =
        testing::FinishDemo(testing::StartDemo(DEMO_PROBE_PATH, {c.ProbeCase}, "", "\n"));
    EXPECT_EQ(result.ExitCode, c.ExitCode) << result.Output << result.Errors;
    const std::size_t closed = result.Output.find("exit procedure: window closed");
    ASSERT_NE(closed, std::string::npos) << result.Output;
    const std::size_t report = result.Output.find("Runtime error ");
    if (c.ExitCode == 0) {
      EXPECT_EQ(report, std::string::npos) << result.Output;
    } else {
      EXPECT_EQ(report, result.Output.find("Runtime error " + std::to_string(c.ExitCode) + " at 0x"));
      EXPECT_LT(closed, report) << result.Output;
    }
  }
}

}  // namespace
}  // namespace demos
