// The fault probe as a child process: for every argument, the report, the
// stack dump's limits and the exit code, with standard output a file and a
// terminal.
#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <string>

#include "subprocess.h"

namespace runtime_test {
namespace {

struct ProbeCase {
  const char* argument;
  int exitCode;
  int errorNumber;  // 0: no report
};

constexpr ProbeCase kProbeCases[] = {
    {"none", 0, 0},       {"range", 201, 201},    {"overflow", 215, 215},   {"zerodiv", 200, 200},
    {"invalid", 207, 207}, {"fpoverflow", 205, 205}, {"intdiv", 200, 200},   {"segv", 216, 216},
    {"stack", 202, 202},  {"halt3", 3, 0},        {"ioerror", 112, 112},    {"exitchain", 201, 201},
};

struct ReportParts {
  std::vector<std::string> before;  // lines written ahead of the report
  std::string firstLine;
  std::string addressLine;
  std::vector<std::string> dump;
  bool endsWithEmptyLine = false;
};

ReportParts SplitReport(const std::string& output) {
  ReportParts parts;
  std::vector<std::string> lines = Lines(output);
  std::size_t i = 0;
  while (i < lines.size() && lines[i].rfind("Runtime error ", 0) != 0) parts.before.push_back(lines[i++]);
  if (i == lines.size()) return parts;
  parts.firstLine = lines[i++];
  if (i < lines.size()) parts.addressLine = lines[i++];
  while (i < lines.size() && !lines[i].empty()) parts.dump.push_back(lines[i++]);
  parts.endsWithEmptyLine = i + 1 == lines.size() && lines[i].empty();
  return parts;
}

void PrintTo(const ProbeCase& probe, std::ostream* out) {
  *out << probe.argument;
}

class FaultProbe : public ::testing::TestWithParam<std::tuple<ProbeCase, OutputKind>> {};

TEST_P(FaultProbe, ReportsAndExitsWithTheErrorNumber) {
  const auto [probe, kind] = GetParam();
  const ChildResult result = RunChild(FAULT_PROBE_PATH, {probe.argument}, kind);
  ASSERT_TRUE(result.exited) << "killed by signal " << result.signal << "\n" << result.errors;
  EXPECT_EQ(result.exitCode, probe.exitCode) << result.output << result.errors;

  if (probe.errorNumber == 0) {
    EXPECT_EQ(result.output, "");
    return;
  }
  const ReportParts report = SplitReport(result.output);
  const std::regex first("Runtime error " + std::to_string(probe.errorNumber) + " at (0x[0-9A-F]{8,})");
  std::smatch address;
  ASSERT_TRUE(std::regex_match(report.firstLine, address, first)) << result.output;
  EXPECT_EQ(report.addressLine, "  " + address[1].str());
  EXPECT_TRUE(report.endsWithEmptyLine) << result.output;
  const std::regex dumpLine("  0x[0-9A-F]{8,}");
  for (const std::string& line : report.dump) EXPECT_TRUE(std::regex_match(line, dumpLine)) << line;

  const std::size_t limit = kind == OutputKind::Terminal ? 8 : 256;
  EXPECT_LE(report.dump.size(), limit);
  EXPECT_GE(report.dump.size(), 1u) << "the dump shows at least the probe's caller";
  if (std::string(probe.argument) == "stack") {
    EXPECT_EQ(report.dump.size(), limit);
  }

  if (kind == OutputKind::File) {
    // Every line, the empty last one included, ends with 13 10.
    EXPECT_EQ(result.rawOutput.size() - result.output.size(), Lines(result.output).size());
    EXPECT_TRUE(result.rawOutput.ends_with("\r\n\r\n"));
  }
  if (std::string(probe.argument) == "exitchain") {
    EXPECT_EQ(report.before, (std::vector<std::string>{"second exit procedure", "first exit procedure"}));
  } else {
    EXPECT_TRUE(report.before.empty()) << result.output;
  }
}

std::string CaseName(const ::testing::TestParamInfo<FaultProbe::ParamType>& info) {
  const auto [probe, kind] = info.param;
  return std::string(probe.argument) + (kind == OutputKind::File ? "_ToFile" : "_ToTerminal");
}

INSTANTIATE_TEST_SUITE_P(EveryArgument, FaultProbe,
                         ::testing::Combine(::testing::ValuesIn(kProbeCases),
                                            ::testing::ValuesIn(kOutputKinds)),
                         CaseName);

TEST(FaultProbeUsage, UnknownOrMissingArgumentIsAUsageError) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"nonsense"}, std::vector<std::string>{}, std::vector<std::string>{"range", "segv"}}) {
    const ChildResult result = RunChild(FAULT_PROBE_PATH, arguments, OutputKind::File);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_NE(result.errors.find("usage: fault_probe none|range|"), std::string::npos) << result.errors;
  }
}

}  // namespace
}  // namespace runtime_test
