#include "scripted_run.h"

#include <gtest/gtest.h>

#include <fstream>

#include "child_process.h"

namespace test_support {

namespace {

// Text written through the C library in text mode, which ends its lines
// with \r\n on Windows, with the line ends read as \n.
std::string WithPlainLineEnds(std::string text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n') plain += text[i];
  }
  return plain;
}

}  // namespace

ScriptedRun RunScripted(const std::string& program, const std::string& script, const std::filesystem::path& folder,
                        const std::string& snapshot) {
  const std::filesystem::path script_path = folder / "script.txt";
  std::ofstream(script_path, std::ios::binary) << script;
  ChildOptions options;
  options.folder = folder.string();
  options.detached = true;
  options.environment = {{"DISPLAY", std::nullopt},
                         {"GRAPH_DISPLAY", "headless"},
                         {"GRAPH_SCREEN", "1024x768"},
                         {"GRAPH_EVENTS", script_path.string()},
                         {"GRAPH_SNAPSHOT", std::nullopt}};
  if (!snapshot.empty()) options.environment.back().second = (folder / snapshot).string();
  const ChildOutcome outcome = RunChild(program, options);
  return ScriptedRun{outcome.exited ? outcome.exitCode : -1, WithPlainLineEnds(outcome.output),
                     WithPlainLineEnds(outcome.errors)};
}

std::filesystem::path TestFolder(const std::string& prefix) {
  return ScratchDirectory(prefix + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

}  // namespace test_support
