// The console library in a program of its own, on a pseudo-terminal and in
// a pipeline: real bytes typed, the line editor's buffer, the terminal's
// settings on every way out.
#include <signal.h>

#include <gtest/gtest.h>

#include <thread>

#include "child_process.h"
#include "line_layout.h"
#include "terminal_screen.h"

namespace console {
namespace {

using namespace testing_support;

// The text a terminal shows, without the escape sequences around it.
std::string WithoutSequences(const std::string& output) {
  std::string text;
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (output[i] != '\x1b') {
      text += output[i];
      continue;
    }
    if (i + 1 < output.size() && output[i + 1] == '[') {
      i += 2;
      while (i < output.size() && !(output[i] >= 0x40 && output[i] <= 0x7E)) ++i;
    }
  }
  return text;
}

class ScratchCleanup : public testing::Environment {
 public:
  void TearDown() override { RemoveScratchFiles(); }
};

const auto* const Cleanup = testing::AddGlobalTestEnvironment(new ScratchCleanup);

struct TypedLine {
  const char* name;
  const char* mode;                 // "line" or "line-eof"
  std::vector<std::string> chunks;  // typed with a pause longer than the escape delay between them
  std::string buffer;
};

class LineEditorOnATerminal : public testing::TestWithParam<TypedLine> {};

TEST_P(LineEditorOnATerminal, LeavesTheLineInTheBuffer) {
  const TypedLine& t = GetParam();
  const std::string file = ScratchFile(std::string(t.name) + ".line");
  PtyChild probe({t.mode, file});
  ASSERT_TRUE(probe.WaitUntilReading());
  for (std::size_t i = 0; i < t.chunks.size(); ++i) {
    if (i > 0) std::this_thread::sleep_for(150ms);
    probe.Type(t.chunks[i]);
  }
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the read did not end";
  EXPECT_FALSE(status->signalled);
  EXPECT_EQ(status->code, 0);
  EXPECT_EQ(ReadFile(file), t.buffer);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LineEditorOnATerminal,
    testing::Values(
        TypedLine{"EnterAlone", "line", {"\r"}, "\r\n"},
        TypedLine{"LineLimit", "line", {std::string(300, 'a') + "\r"}, std::string(254, 'a') + "\r\n"},
        TypedLine{"BackspaceAtTheLimit", "line", {std::string(260, 'a') + "\x7f" + "b\r"},
                  std::string(253, 'a') + "b\r\n"},
        TypedLine{"HomeThenTypingOverwrites", "line", {"abc\x1b[Hxy\r"}, "xyc\r\n"},
        TypedLine{"HomeInItsOtherForms", "line", {"abc\x1b[1~x\x1bOHy\x1b[7~z\r"}, "zbc\r\n"},
        TypedLine{"BackspaceAfterLeftDoesNothing", "line", {"abc\x1b[D\x7f\r"}, "abc\r\n"},
        TypedLine{"BothBackspaces", "line", {"abcd\x7f\x08\r"}, "ab\r\n"},
        TypedLine{"LoneEscErasesTheLine", "line", {"abc\x1b", "z\r"}, "z\r\n"},
        TypedLine{"AltLetterIsNoCharacter", "line", {"ab\x1bx\r"}, "ab\r\n"},
        TypedLine{"EscBracketAloneIsAltBracket", "line", {"ab\x1b[", "D", "X\r"}, "abDX\r\n"},
        TypedLine{"CtrlZIgnoredWithoutCheckEOF", "line", {"ab\x1a", "c\r"}, "abc\r\n"},
        TypedLine{"CtrlZEndsTheReadWithCheckEOF", "line-eof", {"ab\x1a"}, "ab\x1a"},
        TypedLine{"KeypadEnter", "line", {"ok\x1bOM"}, "ok\r\n"},
        TypedLine{"Utf8Character", "line", {"caf\xc3\xa9\r"}, "caf\xe9\r\n"},
        TypedLine{"BracketedPaste", "line", {"\x1b[200~pasted\x1b[201~\r"}, "pasted\r\n"}),
    [](const testing::TestParamInfo<TypedLine>& info) { return std::string(info.param.name); });

// Lines wider than the terminal, at two widths: whatever the keys did, the
// terminal shows exactly the line that was read, from the cell where the
// read began, and the cursor ends at the start of the row below it.
class WideLine : public testing::TestWithParam<unsigned short> {
 protected:
  static constexpr unsigned short kRows = 24;
  static constexpr const char* kHome = "\x1b[H";
  static constexpr const char* kEnd = "\x1b[F";
  static constexpr const char* kLeft = "\x1b[D";
  static constexpr const char* kBackspace = "\x7f";
  static constexpr const char* kEraseLine = "\x19";  // Ctrl-Y, as Esc

  static std::string Letters(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('a' + i % 26);
    return text;
  }

  static std::string Times(int count, const std::string& key) {
    std::string keys;
    for (int i = 0; i < count; ++i) keys += key;
    return keys;
  }

  // Types `keys` and Enter from `start`; the line must read as `line`.
  static void ExpectShownAsRead(CellPosition start, const std::string& keys, const std::string& line) {
    const int width = GetParam();
    const std::string file = ScratchFile("wide-" + std::to_string(width) + ".line");
    PtyChild probe({"line", file}, "", PtyChild::Group::SessionLeader, {GetParam(), kRows});
    ASSERT_TRUE(probe.WaitUntilReading(start));
    probe.Type(keys + "\r");
    const auto status = probe.WaitForExit();
    ASSERT_TRUE(status.has_value()) << "the read did not end";
    EXPECT_EQ(ReadFile(file), line + "\r\n");
    TerminalScreen screen(width, kRows);
    screen.Feed(probe.Output());
    std::vector<std::string> rows;
    for (int y = 0; y < kRows; ++y) rows.push_back(screen.Row(y));
    EXPECT_EQ(screen.CursorX(), 0);
    EXPECT_EQ(rows, LineOnBlankScreen(line, start.column - 1, screen.CursorY() - 1, width, kRows));
  }
};

TEST_P(WideLine, HomeAndEndLeaveTheLineWhereItIs) {
  const std::string text = Letters(200);
  ExpectShownAsRead({3, 5}, text + Times(3, std::string(kHome) + kEnd) + kHome + "XY" + kEnd + "Z",
                    "XY" + text.substr(2) + "Z");
}

TEST_P(WideLine, LeftAndBackspaceCrossBackOverTheWrap) {
  // The first part fills its row to the last column, the tail wraps.
  const std::string first = Letters(GetParam() - 4u);
  ExpectShownAsRead({3, 5}, first + "tail" + Times(6, kLeft) + "L" + kEnd + Times(5, kBackspace) + "ok",
                    first.substr(0, first.size() - 2) + "Lok");
}

TEST_P(WideLine, ALineThatScrollsTheScreenStaysWhereItIsShown) {
  const std::string text = Letters(230);
  ExpectShownAsRead({kRows, 5}, Letters(150) + kEraseLine + text + kHome + "AB" + kEnd + Times(3, kBackspace),
                    "AB" + text.substr(2, text.size() - 5));
}

INSTANTIATE_TEST_SUITE_P(Widths, WideLine, testing::Values(80, 132),
                         [](const testing::TestParamInfo<unsigned short>& info) {
                           return std::to_string(info.param) + "Columns";
                         });

TEST(Terminal, ReadLineStartsAtTheTerminalsCursorAndEndsOnTheNextRow) {
  const std::string file = ScratchFile("cursor.line");
  PtyChild probe({"line", file});
  ASSERT_TRUE(probe.WaitUntilReading());
  probe.Type("ab\r");
  ASSERT_TRUE(probe.WaitForExit().has_value());
  // The answer was row 3, column 5: the first echo lands there.
  EXPECT_NE(probe.Output().find("\x1b[3;5H\x1b[0ma"), std::string::npos);
  const std::string lastMove = "\x1b[4;1H";
  ASSERT_GE(probe.Output().size(), lastMove.size());
  EXPECT_EQ(probe.Output().substr(probe.Output().size() - lastMove.size()), lastMove);
}

TEST(Terminal, EscBlanksEveryCharacterOfTheLine) {
  const std::string file = ScratchFile("esc.line");
  PtyChild probe({"line", file});
  ASSERT_TRUE(probe.WaitUntilReading());
  probe.Type("abc");
  ASSERT_TRUE(probe.WaitForOutput("c"));
  const std::size_t before = probe.Output().size();
  probe.Type("\x1b");
  ASSERT_TRUE(probe.WaitForOutput("\x1b[3;5H "));
  const std::string erasing = probe.Output().substr(before);
  for (const char* blank : {"\x1b[3;7H ", "\x1b[3;6H ", "\x1b[3;5H "}) {
    EXPECT_NE(erasing.find(blank), std::string::npos) << testing::PrintToString(blank);
  }
  probe.Type("\r");
  ASSERT_TRUE(probe.WaitForExit().has_value());
  EXPECT_EQ(ReadFile(file), "\r\n");
}

TEST(Terminal, StandardOutputToAFileWhileOutputStillReachesTheTerminal) {
  const std::string file = ScratchFile("stdout.txt");
  PtyChild probe({"write", "hello"}, file);
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->code, 0);
  EXPECT_NE(WithoutSequences(probe.Output()).find("hello"), std::string::npos) << probe.Output();
  EXPECT_EQ(ReadFile(file), "plain\r\n");
}

TEST(TerminalSettings, RawWhileReadingAndRestoredAfterANormalEnd) {
  PtyChild probe({"readln"});
  ASSERT_TRUE(probe.WaitUntilReading());
  const termios reading = probe.SettingsNow();
  EXPECT_EQ(reading.c_lflag & (ICANON | ECHO), 0u);
  EXPECT_NE(reading.c_lflag & ISIG, 0u);  // Ctrl-C still interrupts
  EXPECT_FALSE(SameSettings(reading, probe.SettingsAtStart()));
  probe.Type("\r");
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->code, 0);
  EXPECT_TRUE(SameSettings(probe.SettingsNow(), probe.SettingsAtStart()));
}

TEST(TerminalSettings, RestoredAfterARunTimeError) {
  PtyChild probe({"runerror"});
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  EXPECT_FALSE(status->signalled);
  EXPECT_EQ(status->code, 201);
  EXPECT_NE(probe.Output().find("Runtime error 201"), std::string::npos);
  EXPECT_TRUE(SameSettings(probe.SettingsNow(), probe.SettingsAtStart()));
}

TEST(TerminalSettings, RestoredWhenCtrlCInterrupts) {
  PtyChild probe({"readln"});
  ASSERT_TRUE(probe.WaitUntilReading());
  // Ctrl-C once the line is being edited: typed along with the cursor
  // answer, the terminal would throw the unread answer away with it.
  probe.Type("ab");
  ASSERT_TRUE(probe.WaitForOutput("b"));
  probe.Type("\x03");
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  EXPECT_TRUE(status->signalled);
  EXPECT_EQ(status->code, SIGINT);
  EXPECT_TRUE(SameSettings(probe.SettingsNow(), probe.SettingsAtStart()));
}

class EndingSignal : public testing::TestWithParam<int> {};

TEST_P(EndingSignal, RestoresAndEndsByTheSameSignal) {
  PtyChild probe({"wait"});
  ASSERT_TRUE(probe.WaitUntilReading());
  std::this_thread::sleep_for(50ms);  // past the cursor answer
  probe.Signal(GetParam());
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  EXPECT_TRUE(status->signalled);
  EXPECT_EQ(status->code, GetParam());
  EXPECT_TRUE(SameSettings(probe.SettingsNow(), probe.SettingsAtStart()));
}

// The usual three, and four whose default action also ends the process: a
// broken pipe, a user signal, one that dumps core and a real-time signal.
INSTANTIATE_TEST_SUITE_P(Signals, EndingSignal,
                         testing::Values(SIGTERM, SIGHUP, SIGINT, SIGPIPE, SIGUSR1, SIGXFSZ, SIGRTMIN + 1),
                         [](const testing::TestParamInfo<int>& info) {
                           const char* name = sigabbrev_np(info.param);
                           if (name == nullptr) return "RTMIN_" + std::to_string(info.param - SIGRTMIN);
                           return std::string(name);
                         });

bool SettingsBecome(const PtyChild& probe, bool restored) {
  for (int i = 0; i < 200; ++i) {
    if (SameSettings(probe.SettingsNow(), probe.SettingsAtStart()) == restored) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

TEST(TerminalSettings, RestoredWhileSuspendedAndRawAgainAfterResuming) {
  const std::string file = ScratchFile("resume.line");
  PtyChild probe({"line", file}, "", PtyChild::Group::ForegroundJob);
  ASSERT_TRUE(probe.WaitUntilReading());
  probe.Type("ab");
  ASSERT_TRUE(probe.WaitForOutput("b"));
  probe.Signal(SIGTSTP);
  EXPECT_TRUE(SettingsBecome(probe, true));
  probe.Signal(SIGCONT);
  EXPECT_TRUE(SettingsBecome(probe, false));
  probe.Type("c\r");
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->code, 0);
  EXPECT_EQ(ReadFile(file), "abc\r\n");
  EXPECT_TRUE(SameSettings(probe.SettingsNow(), probe.SettingsAtStart()));
}

TEST(Pipeline, ReadsItsLineFromAPipeAndEnds) {
  const std::string file = ScratchFile("pipe.line");
  const auto status = RunWithoutTerminal({"line", file}, "typed\nnext\n", PipeEnd::LeftOpen, ScratchFile("pipe.out"));
  ASSERT_TRUE(status.has_value()) << "hung";
  EXPECT_EQ(status->code, 0);
  EXPECT_EQ(ReadFile(file), "typed\r\n");
}

TEST(Pipeline, TheEndOfInputEndsTheLine) {
  const std::string file = ScratchFile("end.line");
  const auto status = RunWithoutTerminal({"line", file}, "no newline", PipeEnd::Closed, ScratchFile("end.out"));
  ASSERT_TRUE(status.has_value()) << "hung";
  EXPECT_EQ(status->code, 0);
  EXPECT_EQ(ReadFile(file), "no newline\r\n");
}

TEST(Pipeline, InputAlreadyAtItsEndDoesNotHang) {
  const auto status = RunWithoutTerminal({"readln"}, "", PipeEnd::Closed, ScratchFile("empty.out"));
  ASSERT_TRUE(status.has_value()) << "hung";
  EXPECT_EQ(status->code, 0);
  const std::string keys = ScratchFile("empty.keys");
  ASSERT_TRUE(RunWithoutTerminal({"keys", "2", keys}, "", PipeEnd::Closed, ScratchFile("empty2.out")).has_value());
  EXPECT_EQ(ReadFile(keys), "\r\r");
}

TEST(Pipeline, CarriageReturnsAndLineFeedsAreEachOneEnter) {
  const std::string keys = ScratchFile("crlf.keys");
  const auto status = RunWithoutTerminal({"keys", "4", keys}, "a\r\nb\n", PipeEnd::LeftOpen, ScratchFile("crlf.out"));
  ASSERT_TRUE(status.has_value()) << "hung";
  EXPECT_EQ(ReadFile(keys), "a\rb\r");
}

TEST(Pipeline, WithoutAnyTerminalOutputGoesToMemoryAndStandardOutputToItsFile) {
  const std::string out = ScratchFile("memory.out");
  const auto status = RunWithoutTerminal({"write", "unseen"}, "", PipeEnd::Closed, out);
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->code, 0);
  EXPECT_EQ(ReadFile(out), "plain\r\n");
}

TEST(StartUp, AConsoleThatCannotBeHadEndsTheProgramWithItsMessage) {
  const std::string out = ScratchFile("noconsole.out");
  const auto status = RunWithoutTerminal({"no-console"}, "", PipeEnd::Closed, out);
  ASSERT_TRUE(status.has_value());
  EXPECT_EQ(status->code, 1);
  EXPECT_EQ(ReadFile(out + ".stderr"), "No way to get the console handle\r\n");
}

}  // namespace
}  // namespace console
