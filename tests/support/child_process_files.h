// The files a child's standard output and error go to, read back and
// removed when it has ended.
#pragma once

#include <string>

#include "child_process.h"

namespace test_support {

struct OutputFiles {
  OutputFiles();
  ~OutputFiles();
  OutputFiles(const OutputFiles&) = delete;
  OutputFiles& operator=(const OutputFiles&) = delete;

  void Collect(ChildOutcome* outcome) const;

  std::string directory;
  std::string output;
  std::string errors;
};

}  // namespace test_support
