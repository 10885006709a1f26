#include "subprocess.h"

#include "child_process.h"
#include "subprocess_common.h"

namespace runtime_test {

ChildResult WithoutCarriageReturns(ChildResult result) {
  result.output = result.rawOutput;
  std::erase(result.output, '\r');
  return result;
}

ChildResult RunChildToFile(const std::string& program, const std::vector<std::string>& arguments) {
  return RunWithClosedStreams(program, arguments, {});
}

ChildResult RunWithClosedStreams(const std::string& program, const std::vector<std::string>& arguments,
                                 const std::vector<int>& closed) {
  test_support::ChildOptions options;
  options.arguments = arguments;
  options.closed = closed;
  const test_support::ChildOutcome child = test_support::RunChild(program, options);
  ChildResult result;
  result.exited = child.exited;
  result.exitCode = child.exitCode;
  result.signal = child.signal;
  result.rawOutput = child.output;
  result.errors = child.errors;
  return WithoutCarriageReturns(result);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace runtime_test
