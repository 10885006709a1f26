#include "child_process.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "child_process_files.h"

#include <gtest/gtest.h>

namespace test_support {

ChildOutcome RunChild(const std::string& program, const ChildOptions& options) {
  return Child(program, options).Wait();
}

std::string ScratchDirectory(const std::string& name) {
  static std::atomic<int> made{0};
  const std::filesystem::path directory =
      std::filesystem::path(::testing::TempDir()) /
      (name + "-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
       std::to_string(made++));
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  return directory.string();
}

namespace {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace

OutputFiles::OutputFiles()
    : directory(ScratchDirectory("child")), output(directory + "/stdout.txt"), errors(directory + "/stderr.txt") {}

OutputFiles::~OutputFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(directory, ignored);
}

void OutputFiles::Collect(ChildOutcome* outcome) const {
  outcome->output = ReadWholeFile(output);
  outcome->errors = ReadWholeFile(errors);
}

}  // namespace test_support
