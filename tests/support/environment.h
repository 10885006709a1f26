// The environment of the test process, for tests that choose a display or
// a snapshot before the platform reads them.
#pragma once

#include <string>

namespace test_support {

void SetVariable(const std::string& name, const std::string& value);
void UnsetVariable(const std::string& name);

}  // namespace test_support
