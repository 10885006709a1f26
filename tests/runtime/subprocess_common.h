// What the platforms' child runners share.
#pragma once

#include "subprocess.h"

namespace runtime_test {

// The child's output with its carriage returns, and without them.
[[nodiscard]] ChildResult WithoutCarriageReturns(ChildResult result);

[[nodiscard]] ChildResult RunChildToFile(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace runtime_test
