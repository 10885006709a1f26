// Runs a demonstration as a separate process on the headless display, with
// its standard input a stream that ends, as a user at a pipeline would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

namespace demos::testing {

struct DemoRun {
  std::shared_ptr<test_support::Child> Process;
};

struct DemoResult {
  int ExitCode = -1;  // -1 when the process did not exit normally
  std::string Output;
  std::string Errors;
};

// Starts `program` with `arguments` on the headless 1024 x 768 display,
// GRAPH_SNAPSHOT set to `snapshot` (unless empty), and `input` as its
// standard input.
[[nodiscard]] DemoRun StartDemo(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& snapshot, const std::string& input);

// Waits for the process and collects what it wrote.
[[nodiscard]] DemoResult FinishDemo(const DemoRun& run);

// A fresh, empty directory for one test's files.
[[nodiscard]] std::string ScratchDirectory(const std::string& name);

}  // namespace demos::testing
