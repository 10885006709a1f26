// Child processes with posix_spawn.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string_view>

#include <gtest/gtest.h>

#include "child_process.h"
#include "child_process_files.h"
#include "environment.h"

extern char** environ;

namespace test_support {

namespace {

std::vector<std::string> ChildEnvironment(const ChildOptions& options) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::string_view name = text.substr(0, text.find('='));
    bool changed = false;
    for (const auto& change : options.environment) changed = changed || change.first == name;
    if (!changed) variables.emplace_back(text);
  }
  for (const auto& [name, value] : options.environment) {
    if (value) variables.push_back(name + "=" + *value);
  }
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

struct Child::Process {
  pid_t pid = -1;
  OutputFiles files;
};

Child::Child(const std::string& program, const ChildOptions& options) : process_(std::make_unique<Process>()) {
  int inputPipe[2];
  if (::pipe2(inputPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");

  posix_spawn_file_actions_t actions;
  Check(posix_spawn_file_actions_init(&actions), "file actions");
  Check(posix_spawn_file_actions_adddup2(&actions, inputPipe[0], STDIN_FILENO), "stdin");
  Check(posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, process_->files.output.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644),
        "stdout");
  Check(posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, process_->files.errors.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644),
        "stderr");
  for (const int stream : options.closed) Check(posix_spawn_file_actions_addclose(&actions, stream), "close");
  if (!options.folder.empty()) {
    Check(posix_spawn_file_actions_addchdir_np(&actions, options.folder.c_str()), "working folder");
  }
  posix_spawnattr_t attributes;
  Check(posix_spawnattr_init(&attributes), "attributes");
  if (options.detached) Check(posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID), "setsid");

  std::vector<std::string> argv{program};
  argv.insert(argv.end(), options.arguments.begin(), options.arguments.end());
  std::vector<std::string> envp = ChildEnvironment(options);
  const int spawned = posix_spawn(&process_->pid, program.c_str(), &actions, &attributes, Pointers(argv).data(),
                                  Pointers(envp).data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  ::close(inputPipe[0]);
  if (spawned != 0) {
    ::close(inputPipe[1]);
    Check(spawned, "posix_spawn");
  }
  // The pipe holds the input until the child reads it.
  const std::string& input = options.input;
  if (!input.empty() && ::write(inputPipe[1], input.data(), input.size()) != static_cast<ssize_t>(input.size())) {
    ADD_FAILURE() << "could not write the child's input";
  }
  ::close(inputPipe[1]);
}

Child::~Child() {
  if (process_->pid > 0) (void)Wait();
}

ChildOutcome Child::Wait() {
  ChildOutcome outcome;
  int status = 0;
  while (::waitpid(process_->pid, &status, 0) < 0) {
    if (errno != EINTR) return outcome;
  }
  process_->pid = -1;
  outcome.exited = WIFEXITED(status);
  outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  process_->files.Collect(&outcome);
  return outcome;
}

void SetVariable(const std::string& name, const std::string& value) { ::setenv(name.c_str(), value.c_str(), 1); }
void UnsetVariable(const std::string& name) { ::unsetenv(name.c_str()); }

}  // namespace test_support
