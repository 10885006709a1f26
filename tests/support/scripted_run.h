// Runs a program of the build on the headless display with a GRAPH_EVENTS
// script standing in for its user, in a folder of its own, without a
// controlling terminal (so that a console program writes to no terminal of
// the test's), and collects what it wrote, its line ends as \n on every
// platform.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

struct ScriptedRun {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string output;
  std::string errors;
};

// Writes `script` to `folder`/script.txt and runs `program` there (its
// working folder) with it, the 1024 x 768 headless screen, an empty standard
// input and, unless empty, GRAPH_SNAPSHOT=`folder`/`snapshot`.
[[nodiscard]] ScriptedRun RunScripted(const std::string& program, const std::string& script,
                                      const std::filesystem::path& folder, const std::string& snapshot = "");

// A fresh, empty folder for the current test's files.
[[nodiscard]] std::filesystem::path TestFolder(const std::string& prefix);

}  // namespace test_support
