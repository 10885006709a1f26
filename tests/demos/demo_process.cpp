#include "demo_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include <gtest/gtest.h>

extern char** environ;

namespace demos::testing {

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The caller's environment without any display choice, then the headless
// display of the default size.
std::vector<std::string> DemoEnvironment(const std::string& snapshot) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    if (text.starts_with("GRAPH_") || text.starts_with("DISPLAY=")) continue;
    variables.emplace_back(text);
  }
  variables.emplace_back("GRAPH_DISPLAY=headless");
  variables.emplace_back("GRAPH_SCREEN=1024x768");
  if (!snapshot.empty()) variables.push_back("GRAPH_SNAPSHOT=" + snapshot);
  return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

void Check(int result, const char* what) {
  if (result != 0) throw std::runtime_error(std::string(what) + ": " + std::strerror(result));
}

}  // namespace

DemoRun StartDemo(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& snapshot, const std::string& input,
                  const std::string& directory) {
  DemoRun run;
  run.OutputPath = directory + "/stdout.txt";
  run.ErrorPath = directory + "/stderr.txt";

  int inputPipe[2];
  if (::pipe2(inputPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");

  posix_spawn_file_actions_t actions;
  Check(posix_spawn_file_actions_init(&actions), "file actions");
  Check(posix_spawn_file_actions_adddup2(&actions, inputPipe[0], STDIN_FILENO), "stdin");
  Check(posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, run.OutputPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644),
        "stdout");
  Check(posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, run.ErrorPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644),
        "stderr");

  std::vector<std::string> argv{program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envp = DemoEnvironment(snapshot);
  const int spawned = posix_spawn(&run.Pid, program.c_str(), &actions, nullptr,
                                  Pointers(argv).data(), Pointers(envp).data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(inputPipe[0]);
  if (spawned != 0) {
    ::close(inputPipe[1]);
    Check(spawned, "posix_spawn");
  }
  // The program reads its line only at the end; the pipe holds it till then.
  if (!input.empty() &&
      ::write(inputPipe[1], input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
    ADD_FAILURE() << "could not write the input line";
  }
  ::close(inputPipe[1]);
  return run;
}

DemoResult FinishDemo(const DemoRun& run) {
  DemoResult result;
  int status = 0;
  while (::waitpid(run.Pid, &status, 0) < 0) {
    if (errno != EINTR) return result;
  }
  if (WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
  result.Output = ReadFile(run.OutputPath);
  result.Errors = ReadFile(run.ErrorPath);
  return result;
}

std::string ScratchDirectory(const std::string& name) {
  const std::filesystem::path directory =
      std::filesystem::path(::testing::TempDir()) /
      ("demos-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  return directory.string();
}

}  // namespace demos::testing
