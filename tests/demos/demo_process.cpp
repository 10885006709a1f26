#include "demo_process.h"

namespace demos::testing {

DemoRun StartDemo(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& snapshot, const std::string& input) {
  test_support::ChildOptions options;
  options.arguments = arguments;
  options.input = input;
  // No display choice of the caller's: the headless display of the default size.
  options.environment = {{"DISPLAY", std::nullopt},
                         {"GRAPH_DISPLAY", "headless"},
                         {"GRAPH_SCREEN", "1024x768"},
                         {"GRAPH_SNAPSHOT", snapshot.empty() ? std::nullopt : std::optional(snapshot)}};
  return {std::make_shared<test_support::Child>(program, options)};
}

DemoResult FinishDemo(const DemoRun& run) {
  const test_support::ChildOutcome outcome = run.Process->Wait();
  return {outcome.exited ? outcome.exitCode : -1, outcome.output, outcome.errors};
}

std::string ScratchDirectory(const std::string& name) { return test_support::ScratchDirectory("demos-" + name); }

}  // namespace demos::testing
