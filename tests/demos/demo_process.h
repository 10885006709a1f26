// Runs a demonstration as a separate process on the headless display, with
// its standard input from a pipe, as a user at a pipeline would.
#pragma once

#include <string>
#include <vector>
#include <sys/types.h>

namespace demos::testing {

struct DemoRun {
  pid_t Pid = -1;
  std::string OutputPath;
  std::string ErrorPath;
};

struct DemoResult {
  int ExitCode = -1;  // -1 when the process did not exit normally
  std::string Output;
  std::string Errors;
};

// Starts `program` with `arguments` on the headless 1024 x 768 display,
// GRAPH_SNAPSHOT set to `snapshot` (unless empty), and `input` written to
// its standard input before the pipe is closed. Output and errors go to
// files in `directory`.
[[nodiscard]] DemoRun StartDemo(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& snapshot, const std::string& input,
                                const std::string& directory);

// Waits for the process and collects what it wrote.
[[nodiscard]] DemoResult FinishDemo(const DemoRun& run);

// A fresh, empty directory for one test's files.
[[nodiscard]] std::string ScratchDirectory(const std::string& name);

}  // namespace demos::testing
