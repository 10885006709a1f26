// Start-up and exit order, the exit chain, ErrorProc, Round's error and
// faults away from the program's thread, each in a child process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "subprocess.h"

namespace runtime_test {
namespace {

using LineList = std::vector<std::string>;

ChildResult RunScenario(const std::string& scenario) {
  return RunChild(RUNTIME_SCENARIOS_PATH, {scenario}, OutputKind::File);
}

// The lines before the report, and the report's first line.
struct Outcome {
  LineList lines;
  std::string report;
};

Outcome Split(const std::string& output) {
  Outcome outcome;
  for (const std::string& line : Lines(output)) {
    if (line.rfind("Runtime error ", 0) == 0) {
      outcome.report = line.substr(0, line.find(" at "));
      break;
    }
    outcome.lines.push_back(line);
  }
  return outcome;
}

TEST(ExitSequence, NormalEndRunsExitProcsLastInstalledFirstThenFinalisersInReverse) {
  const ChildResult result = RunScenario("order");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(Lines(result.output), (LineList{"init console", "init graphics", "body", "exit B, InOutRes 0",
                                            "exit A, InOutRes 0", "fini graphics", "fini console"}));
}

TEST(ExitSequence, RunErrorRunsTheSameSequenceBeforeTheReport) {
  const ChildResult result = RunScenario("order-error");
  EXPECT_EQ(result.exitCode, 201);
  const Outcome outcome = Split(result.output);
  EXPECT_EQ(outcome.lines, (LineList{"init console", "init graphics", "body", "exit B, InOutRes 0",
                                     "exit A, InOutRes 0", "fini graphics", "fini console"}));
  EXPECT_EQ(outcome.report, "Runtime error 201");
}

TEST(ExitSequence, AnErrorInsideAnExitProcContinuesTheChainAndIsReported) {
  const ChildResult result = RunScenario("exit-proc-error");
  EXPECT_EQ(result.exitCode, 217);
  const Outcome outcome = Split(result.output);
  EXPECT_EQ(outcome.lines, (LineList{"init console", "init graphics", "body", "exit B, InOutRes 0",
                                     "exit A, InOutRes 0", "fini graphics", "fini console"}));
  EXPECT_EQ(outcome.report, "Runtime error 217");
}

TEST(ExitSequence, HaltDuringInitialisationFinalisesOnlyTheLibrariesAlreadyInitialised) {
  const ChildResult result = RunScenario("halt-in-init");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(Lines(result.output), (LineList{"init console"}));
}

TEST(ExitSequence, ErrorProcIsCalledFirstWithTheErrorNumber) {
  const ChildResult result = RunScenario("error-proc");
  EXPECT_EQ(result.exitCode, 201);
  const Outcome outcome = Split(result.output);
  EXPECT_EQ(outcome.lines, (LineList{"init console", "init graphics", "body", "ErrorProc 201", "fini graphics",
                                     "fini console"}));
  EXPECT_EQ(outcome.report, "Runtime error 201");
}

TEST(ExitSequence, OutputLeftInTheBufferIsWrittenAtTheEnd) {
  const ChildResult result = RunScenario("buffered");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.output.ends_with("fini console\nno line end")) << result.output;
}

TEST(RoundOutOfRange, RaisesInvalidOperationWhateverTheCallersControlWord) {
  for (const char* scenario : {"round-huge", "round-huge-masked", "round-nan"}) {
    const ChildResult result = RunScenario(scenario);
    EXPECT_EQ(result.exitCode, 207) << scenario;
    EXPECT_EQ(Split(result.output).report, "Runtime error 207") << scenario << "\n" << result.output;
  }
}

TEST(OtherThreads, AFaultOffTheProgramsThreadIsNotTurnedIntoARunTimeError) {
  const ChildResult result = RunScenario("fault-on-other-thread");
  EXPECT_TRUE(EndedByAccessViolation(result)) << result.exitCode << " " << result.signal;
  EXPECT_EQ(result.output.find("Runtime error"), std::string::npos);
}

TEST(OtherThreads, ARunErrorOffTheProgramsThreadIsReportedWithoutADump) {
  const ChildResult result = RunScenario("error-on-other-thread");
  EXPECT_EQ(result.exitCode, 201);
  const std::vector<std::string> lines = Lines(result.output);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3].rfind("Runtime error 201 at 0x", 0), 0u) << result.output;
  EXPECT_EQ(lines[lines.size() - 2].rfind("  0x", 0), 0u);
  EXPECT_EQ(lines.back(), "");
}

}  // namespace
}  // namespace runtime_test
