// Children on Windows: standard output is a file; a console would need a
// console of its own, which the tests under Wine do not have.
#include <gtest/gtest.h>

#include "subprocess.h"
#include "subprocess_common.h"

namespace runtime_test {

const std::vector<OutputKind> kOutputKinds = {OutputKind::File};

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments, OutputKind kind) {
  EXPECT_EQ(kind, OutputKind::File) << "only files take a child's output here";
  return RunChildToFile(program, arguments);
}

bool EndedByAccessViolation(const ChildResult& result) {
  constexpr unsigned kAccessViolation = 0xC0000005;
  return result.exited && static_cast<unsigned>(result.exitCode) == kAccessViolation;
}

}  // namespace runtime_test
