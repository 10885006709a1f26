// Runs a program of the build as a child process, its standard output going
// to a file or to a pseudo-terminal, and collects what it wrote.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace runtime_test {

enum class OutputKind { File, Terminal };

inline void PrintTo(OutputKind kind, std::ostream* out) {
  *out << (kind == OutputKind::File ? "file" : "terminal");
}

struct ChildResult {
  bool exited = false;  // ended by exit (rather than by a signal)
  int exitCode = -1;
  int signal = 0;
  std::string rawOutput;  // standard output as the child wrote it (a terminal adds 13s)
  std::string output;     // the same, carriage returns removed
  std::string errors;   // standard error
};

[[nodiscard]] ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                                   OutputKind kind);

// Runs `program` with the standard descriptors in `closed` closed; those
// left open are an empty input and the files that `output` and `errors`
// collect.
[[nodiscard]] ChildResult RunWithClosedStreams(const std::string& program, const std::vector<std::string>& arguments,
                                               const std::vector<int>& closed);

// The lines of `text` (without their line feeds); a final line feed does not
// start another line.
[[nodiscard]] std::vector<std::string> Lines(const std::string& text);

}  // namespace runtime_test
