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

// The kinds of standard output a child can be given on this platform: a
// file everywhere, a terminal where there are pseudo-terminals (POSIX).
extern const std::vector<OutputKind> kOutputKinds;

[[nodiscard]] ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                                   OutputKind kind);

// Runs `program` with the standard streams in `closed` (0, 1, 2) closed;
// those left open are an empty input and the files that `output` and
// `errors` collect.
[[nodiscard]] ChildResult RunWithClosedStreams(const std::string& program, const std::vector<std::string>& arguments,
                                               const std::vector<int>& closed);

// Whether the child was ended by an access violation that nothing handled:
// SIGSEGV on POSIX, the exit code 0xC0000005 on Windows.
[[nodiscard]] bool EndedByAccessViolation(const ChildResult& result);

// The lines of `text` (without their line feeds); a final line feed does not
// start another line.
[[nodiscard]] std::vector<std::string> Lines(const std::string& text);

}  // namespace runtime_test
