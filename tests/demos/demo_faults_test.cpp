// Whole programs that end by a fault in the frame, or run on after the user
// closed their window: exit codes, the report, and the window closed by the
// graphics library's exit procedure before the report is written.
#include <gtest/gtest.h>

#include <string>

#include "demo_process.h"

namespace demos {
namespace {

using testing::DemoResult;

DemoResult RunProbe(const std::string& probeCase) {
  const std::string directory = testing::ScratchDirectory("probe-" + probeCase);
  return testing::FinishDemo(
      testing::StartDemo(DEMO_PROBE_PATH, {probeCase}, "", "\n", directory));
}

TEST(DemoFaults, FaultsEndWithTheirRunTimeErrorAfterTheWindowClosed) {
  struct Case {
    const char* ProbeCase;
    int ExitCode;
  };
  for (const Case c : {Case{"fan-origin", 207}, Case{"hyperbola-origin", 207},
                       Case{"column-range", 201}, Case{"radius-range", 201}}) {
    SCOPED_TRACE(c.ProbeCase);
    const DemoResult result = RunProbe(c.ProbeCase);
    EXPECT_EQ(result.ExitCode, c.ExitCode) << result.Output << result.Errors;
    const std::string heading = "Runtime error " + std::to_string(c.ExitCode) + " at 0x";
    const std::size_t closed = result.Output.find("exit procedure: window closed");
    const std::size_t report = result.Output.find(heading);
    ASSERT_NE(closed, std::string::npos) << result.Output;
    ASSERT_NE(report, std::string::npos) << result.Output;
    EXPECT_LT(closed, report);
  }
}

// The wave's guard tests TAV before dividing by it: the origin is simply not
// drawn, and the program ends normally.
TEST(DemoFaults, WaveGuardRejectsTheOriginWithoutAFault) {
  const DemoResult result = RunProbe("wave-origin");
  EXPECT_EQ(result.ExitCode, 0) << result.Output << result.Errors;
  EXPECT_EQ(result.Output.find("Runtime error"), std::string::npos) << result.Output;
}

TEST(DemoFaults, WindowClosedByTheUserWhileDrawingLetsTheProgramRunOn) {
  const DemoResult result = RunProbe("close-while-drawing");
  EXPECT_EQ(result.ExitCode, 0) << result.Output << result.Errors;
  EXPECT_EQ(result.Output.find("Runtime error"), std::string::npos) << result.Output;
  EXPECT_NE(result.Output.find("exit procedure: window closed"), std::string::npos);
}

}  // namespace
}  // namespace demos
