#include "scripted_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace test_support {

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

ScriptedRun RunScripted(const std::string& program, const std::string& script, const std::filesystem::path& folder,
                        const std::string& snapshot) {
  const std::filesystem::path script_path = folder / "script.txt";
  std::ofstream(script_path, std::ios::binary) << script;
  std::string command = "cd " + Quoted(folder.string()) +
                        " && env -u DISPLAY -u GRAPH_SNAPSHOT GRAPH_DISPLAY=headless GRAPH_SCREEN=1024x768"
                        " GRAPH_EVENTS=" + Quoted(script_path.string());
  if (!snapshot.empty()) command += " GRAPH_SNAPSHOT=" + Quoted((folder / snapshot).string());
  command += " setsid -w " + Quoted(program) + " < /dev/null > " + Quoted((folder / "out").string()) + " 2> " +
             Quoted((folder / "err").string());
  const int status = std::system(command.c_str());
  return ScriptedRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(folder / "out"), Slurp(folder / "err")};
}

std::filesystem::path TestFolder(const std::string& prefix) {
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) /
      (prefix + "_" + std::to_string(::getpid()) + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace test_support
