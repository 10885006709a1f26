// The text-screen routines in a program of their own on a pseudo-terminal:
// what the terminal shows afterwards, read by a terminal model of the test.
#include <gtest/gtest.h>

#include "child_process.h"
#include "terminal_screen.h"

namespace console {
namespace {

using namespace testing_support;

struct CellColours {
  int x;
  int y;
  TerminalScreen::Colours colours;
};

struct ScreenCase {
  const char* name;
  std::vector<std::string> steps;  // console_probe's screen steps
  std::vector<std::string> rows;   // the screen's first rows; all below are blank
  std::string where;               // what the where steps reported
  int cursorX;                     // the terminal's cursor at the end, 0-based
  int cursorY;
  std::vector<CellColours> colours = {};
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.name; }

class TextScreenOnATerminal : public testing::TestWithParam<ScreenCase> {};

// The probe starts with its cursor at row 3, column 5 (0-based: 4, 2).
TEST_P(TextScreenOnATerminal, ShowsWhatTheRoutinesDid) {
  const ScreenCase& c = GetParam();
  const std::string report = ScratchFile(std::string(c.name) + ".where");
  std::vector<std::string> arguments{"screen", report};
  arguments.insert(arguments.end(), c.steps.begin(), c.steps.end());
  PtyChild probe(arguments);
  ASSERT_TRUE(probe.WaitUntilReading());
  const auto status = probe.WaitForExit();
  ASSERT_TRUE(status.has_value());
  ASSERT_EQ(status->code, 0);

  TerminalScreen screen(80, 24);
  screen.Feed(probe.Output());
  for (int y = 0; y < 24; ++y) {
    const std::string expected = y < static_cast<int>(c.rows.size()) ? c.rows[static_cast<std::size_t>(y)] : "";
    EXPECT_EQ(screen.Row(y), expected) << "row " << y;
  }
  EXPECT_EQ(ReadFile(report), c.where);
  EXPECT_EQ(screen.CursorX(), c.cursorX);
  EXPECT_EQ(screen.CursorY(), c.cursorY);
  for (const CellColours& cell : c.colours) {
    const TerminalScreen::Colours shown = screen.ColoursAt(cell.x, cell.y);
    EXPECT_EQ(shown.foreground, cell.colours.foreground) << "at " << cell.x << "," << cell.y;
    EXPECT_EQ(shown.background, cell.colours.background) << "at " << cell.x << "," << cell.y;
  }
}

const std::vector<std::string> kThreeRowsAboveBelow{"goto:1,4",  "text:below", "window:1,1,80,3", "text:one", "line",
                                                    "text:two", "line",       "text:three"};

std::vector<std::string> After(std::vector<std::string> steps, const std::vector<std::string>& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

INSTANTIATE_TEST_SUITE_P(
    Routines, TextScreenOnATerminal,
    testing::Values(
        ScreenCase{"ClrScrBlanksTheScreenInTextAttrAndHomesTheCursor",
                   {"text:abc", "line", "text:def", "background:1", "clrscr", "text:X", "where"},
                   {"X"},
                   "2,1 ",
                   1,
                   0,
                   {{0, 0, {37, 44}}, {79, 23, {37, 44}}, {40, 12, {37, 44}}}},
        ScreenCase{"ClrEolBlanksToTheRightEdgeAndKeepsTheCursor",
                   {"text:abcdefgh", "goto:7,3", "color:2", "background:4", "clreol", "where"},
                   {"", "", "    ab"},
                   "7,3 ",
                   6,
                   2,
                   {{5, 2, {39, 49}}, {6, 2, {32, 41}}, {79, 2, {32, 41}}, {0, 3, {39, 49}}}},
        ScreenCase{"GotoXYIgnoresPositionsOffTheScreen",
                   {"goto:10,5", "text:A", "goto:81,1", "goto:0,3", "goto:5,25", "text:B", "where"},
                   {"", "", "", "", "         AB"},
                   "12,5 ",
                   11,
                   4},
        ScreenCase{"WindowHoldsClrScrGotoXYAndWrapping",
                   {"text:outside", "window:11,3,20,5", "where", "text:xxxx", "clrscr", "goto:9,2", "text:WXYZ",
                    "where"},
                   {"", "", "    outsid", "                  WX", "          YZ"},
                   "1,1 3,3 ",
                   12,
                   4},
        ScreenCase{"InsLinePushesTheWindowsLastRowOut", After(kThreeRowsAboveBelow, {"goto:1,2", "insline", "where"}),
                   {"one", "", "two", "below"}, "1,2 ", 0, 1},
        ScreenCase{"DelLineBringsInABlankRowAtTheWindowsBottom",
                   After(kThreeRowsAboveBelow, {"goto:1,1", "delline", "where"}),
                   {"two", "three", "", "below"},
                   "1,1 ",
                   0,
                   0},
        ScreenCase{"InsLineAndDelLineInANarrowWindow",
                   {"goto:1,1", "text:aaaaaaaaaa", "line", "text:bbbbbbbbbb", "line", "text:cccccccccc",
                    "window:3,1,6,3", "goto:1,2", "delline", "goto:2,1", "insline"},
                   {"aa    aaaa", "bbaaaabbbb", "cccccccccc"},
                   "",
                   3,
                   0},
        ScreenCase{"ColoursOfTheCellsWritten",
                   {"color:14", "background:1", "text:A", "norm", "text:B", "color:4", "text:C", "high", "text:D",
                    "low", "text:E"},
                   {"", "", "    ABCDE"},
                   "",
                   9,
                   2,
                   {{4, 2, {93, 44}}, {5, 2, {39, 49}}, {6, 2, {31, 40}}, {7, 2, {91, 40}}, {8, 2, {31, 40}}}}),
    [](const testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace console
