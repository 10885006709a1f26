// Runs a program of the build as a child process: its standard input is
// text written to it (then closed), its standard output and error go to
// files whose contents are collected when it ends. The child starts at once,
// so that the test can go on meanwhile (drawing the same picture in its own
// process, for instance).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace test_support {

struct ChildOptions {
  std::vector<std::string> arguments;
  // Changes to the caller's environment: a value sets a variable, nullopt
  // removes it.
  std::vector<std::pair<std::string, std::optional<std::string>>> environment;
  std::string input;
  // Standard streams (0 input, 1 output, 2 error) the child starts without.
  std::vector<int> closed;
  // The child's working folder; empty for the caller's.
  std::string folder;
  // On POSIX, the child is detached from the test's controlling terminal
  // (setsid), so that a console program writes to no terminal of the test's.
  bool detached = false;
};

struct ChildOutcome {
  bool exited = false;  // ended by exiting, not by a signal
  int exitCode = -1;
  int signal = 0;
  std::string output;  // standard output as written, line ends included
  std::string errors;
};

class Child {
 public:
  Child(const std::string& program, const ChildOptions& options);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Waits for the child to end and collects what it wrote.
  ChildOutcome Wait();

 private:
  struct Process;
  std::unique_ptr<Process> process_;
};

[[nodiscard]] ChildOutcome RunChild(const std::string& program, const ChildOptions& options);

// A new, empty directory below the test's temporary directory.
[[nodiscard]] std::string ScratchDirectory(const std::string& name);

}  // namespace test_support
