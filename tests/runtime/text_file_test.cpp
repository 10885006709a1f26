// Text files: round trips through named files, the buffer and its hooks,
// the I/O results, and the mapping of operating-system errors.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "runtime/checks.h"
#include "runtime/short_string.h"
#include "runtime/text_file.h"

namespace {

using namespace runtime;

class TextFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    InOutRes = 0;
    path_ = test_support::ScratchDirectory("runtime-text") + "/text";
    std::ofstream(path_).flush();
  }
  void TearDown() override {
    std::error_code ignored;  // a test may leave its file open, which Windows does not let go
    std::filesystem::remove(path_, ignored);
    InOutRes = 0;
  }

  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void SetContents(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }

  std::string path_;
};

TEST_F(TextFiles, WritesTextAndNumbersAsTheyAreRead) {
  TextRec f;
  Assign(f, path_);
  Rewrite(f);
  Write(f, "text ");
  Write(f, 'c');
  Write(f, ' ');
  Write(f, -42);
  Write(f, ' ');
  Write(f, std::uint16_t{65535});
  Write(f, 7, 4);
  Write(f, ' ');
  Write(f, true);
  WriteLn(f);
  WriteLn(f, 2.5L, ' ', -0.125L);
  Write(f, 3.14159L, 8, 2);
  Write(f, -2.0L, 0, 0);
  Write(f, String255("short"));
  WriteLn(f);
  Close(f);
  EXPECT_EQ(InOutRes, 0);
  EXPECT_EQ(Contents(),
            "text c -42 65535   7 TRUE\r\n"
            " 2.500000000000000E+0000 -1.250000000000000E-0001\r\n"
            "    3.14-2short\r\n");
}

TEST_F(TextFiles, LongOutputPassesThroughTheBufferWhole) {
  std::string expected;
  TextRec f;
  Assign(f, path_);
  Rewrite(f);
  for (int line = 0; line < 40; ++line) {
    const std::string text(static_cast<std::size_t>(line * 17 % 300), static_cast<char>('a' + line % 26));
    WriteLn(f, text);
    expected += text + "\r\n";
  }
  Write(f, std::string(1000, 'z'));
  expected += std::string(1000, 'z');
  Close(f);
  EXPECT_EQ(InOutRes, 0);
  EXPECT_EQ(Contents(), expected);
}

// The position after each ReadLn, shown as the byte that comes next.
std::vector<char> NextBytesAfterEachReadLn(TextRec& f, int lines) {
  std::vector<char> next;
  for (int i = 0; i < lines; ++i) {
    ReadLn(f);
    next.push_back(f.BufferPos < f.BufferEnd ? f.BufferPtr[f.BufferPos] : '$');
  }
  return next;
}

TEST_F(TextFiles, ReadLnSkipsToAfterEachKindOfLineEnd) {
  SetContents("a\r\nb\nc\rd\r\re");
  TextRec f;
  Assign(f, path_);
  Reset(f);
  EXPECT_EQ(NextBytesAfterEachReadLn(f, 4), (std::vector<char>{'b', 'c', 'd', '\r'}));
  ReadLn(f);  // the empty line "\r"
  ReadLn(f);  // "e" and the end of the input
  ReadLn(f);  // at the end: nothing to skip, no error
  EXPECT_EQ(InOutRes, 0);
  Close(f);
}

TEST_F(TextFiles, ReadLnCrossesBufferRefills) {
  // A 300-byte line, then a line whose 13 is the buffer's last byte and whose
  // 10 comes with the next fill.
  const std::string first(300, 'x');
  const std::string second(2 * kTextBufferSize - 301 - 1, 'y');
  SetContents(first + "\n" + second + "\r\n" + "z\n");
  TextRec f;
  Assign(f, path_);
  Reset(f);
  EXPECT_EQ(NextBytesAfterEachReadLn(f, 2), (std::vector<char>{'y', 'z'}));
  EXPECT_EQ(InOutRes, 0);
}

TEST_F(TextFiles, OperationsOnTheWrongModeSetTheirIoResult) {
  TextRec f;
  Assign(f, path_);
  Write(f, "x");
  EXPECT_EQ(IOResult(), 103);  // not open
  Close(f);
  EXPECT_EQ(IOResult(), 103);
  Reset(f);
  Write(f, "x");
  EXPECT_EQ(IOResult(), 105);  // open for input only
  Close(f);
  Rewrite(f);
  ReadLn(f);
  EXPECT_EQ(IOResult(), 104);  // open for output only
  Close(f);

  TextRec unassigned{};
  Rewrite(unassigned);
  EXPECT_EQ(IOResult(), 102);
}

TEST_F(TextFiles, APendingResultStopsFurtherOperationsUntilTaken) {
  TextRec f;
  Assign(f, path_);
  Rewrite(f);
  InOutRes = 160;
  WriteLn(f, "lost");
  Close(f);
  EXPECT_EQ(f.Mode, FileMode::Output);
  EXPECT_EQ(IOResult(), 160);
  EXPECT_EQ(IOResult(), 0);
  Close(f);
  EXPECT_EQ(Contents(), "");
}

TEST_F(TextFiles, OpenAndWriteFailuresReportTheMappedSystemError) {
  TextRec missing;
  Assign(missing, "/nonexistent-directory/file");
  Reset(missing);
  EXPECT_EQ(IOResult(), 3);  // path not found, unchanged
  EXPECT_EQ(missing.Mode, FileMode::Closed);

  TextRec full;
  Assign(full, "/dev/full");
  Rewrite(full);
  EXPECT_EQ(IOResult(), 0);
  WriteLn(full, "x");
  EXPECT_EQ(IOResult(), 112);  // disk full, unchanged
  Close(full);
  EXPECT_EQ(IOResult(), 0);
}

TEST_F(TextFiles, NamesAreCutToTheirCapacity) {
  TextRec f;
  Assign(f, std::string(300, 'n'));
  EXPECT_EQ(std::string(f.Name).size(), kFileNameSize - 1);
  EXPECT_EQ(f.BufferPtr, f.InlineBuffer);
  EXPECT_EQ(f.BufferSize, 256);

  EXPECT_EQ(ShortString<8>("0123456789").view(), "01234567");
  EXPECT_EQ(String255(std::string(300, 'x')).size(), 255u);
}

// The contract a library relies on when it installs its own hooks (as the
// console library does for Input and Output).
struct HookLog {
  static inline std::vector<std::string> calls;
  static std::int32_t Open(TextRec& f) {
    calls.push_back("open");
    f.TransferHook = &Transfer;
    f.FlushHook = &FlushHook;
    f.CloseHook = &CloseHook;
    return 0;
  }
  static std::int32_t Transfer(TextRec& f) {
    calls.push_back("transfer " + std::string(f.BufferPtr, static_cast<std::size_t>(f.BufferPos)).substr(0, 3) +
                    " " + std::to_string(f.BufferPos));
    f.BufferPos = 0;
    return 0;
  }
  static std::int32_t FlushHook(TextRec& f) {
    calls.push_back("flush " + std::to_string(f.BufferPos));
    f.BufferPos = 0;
    return 0;
  }
  static std::int32_t CloseHook(TextRec&) {
    calls.push_back("close");
    return 0;
  }
};

TEST(TextHooks, TransferOnAFullBufferFlushAfterWriteLnCloseOnClose) {
  InOutRes = 0;
  HookLog::calls.clear();
  TextRec f;
  Assign(f, "");
  f.OpenHook = &HookLog::Open;
  Rewrite(f);
  Write(f, std::string(300, 'a'));
  WriteLn(f, "bcd");
  Close(f);
  EXPECT_EQ(HookLog::calls,
            (std::vector<std::string>{"open", "transfer aaa 256", "flush 49", "close"}));
  EXPECT_EQ(f.Mode, FileMode::Closed);
}

TEST(TextHooks, AFailingHookBecomesTheIoResult) {
  InOutRes = 0;
  TextRec f;
  Assign(f, "");
  f.OpenHook = [](TextRec&) -> std::int32_t { return 152; };
  Reset(f);
  EXPECT_EQ(IOResult(), 152);
  EXPECT_EQ(f.Mode, FileMode::Closed);
}

TEST(OsErrorMapping, DeviceErrorsShiftAndSharingBecomesAccessDenied) {
  const std::pair<std::uint32_t, std::uint16_t> cases[] = {
      {0, 0}, {2, 2}, {5, 5}, {18, 18}, {19, 150}, {21, 152}, {29, 160}, {31, 162}, {32, 5}, {33, 33}, {112, 112},
  };
  for (const auto& [os, expected] : cases) EXPECT_EQ(MapOsError(os), expected) << os;
}

}  // namespace
