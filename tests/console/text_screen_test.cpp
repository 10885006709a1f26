// The text-screen routines on an in-memory console: the colour byte, text
// still waiting in Output, and the arguments and window values they must
// survive.
#include <array>
#include <climits>

#include "console_fixture.h"
#include "runtime/text_file.h"

namespace console {
namespace {

TEST_F(InMemoryConsole, ColoursAreTheNibblesOfTextAttr) {
  NormAttr = 0x1F;
  TextColor(Yellow);
  TextBackground(Blue);
  EXPECT_EQ(TextAttr, 0x1E);
  TextColor(0xF0 | Red);  // only the low four bits count
  EXPECT_EQ(TextAttr, 0x14);
  TextBackground(LightRed);  // the console has sixteen backgrounds
  HighVideo();
  EXPECT_EQ(TextAttr, 0xCC);
  LowVideo();
  EXPECT_EQ(TextAttr, 0xC4);
  NormVideo();
  EXPECT_EQ(TextAttr, 0x1F);
}

TEST_F(InMemoryConsole, TextWaitingInOutputLandsWhereAndHowItWasWritten) {
  runtime::Write(runtime::Output, "ab");
  EXPECT_EQ(WhereX(), 3);
  runtime::Write(runtime::Output, "c");
  TextColor(Red);
  GotoXY(10, 5);
  runtime::Write(runtime::Output, "d");
  ClrEol();
  EXPECT_EQ(Row(0), "abc");
  EXPECT_EQ(Cell(2, 0).Attributes, 0x07);
  EXPECT_EQ(Row(4), std::string(9, ' ') + "d");
  EXPECT_EQ(Cell(9, 4).Attributes, 0x04);
}

TEST_F(InMemoryConsole, WindowAndGotoXYRefuseWhatDoesNotFit) {
  for (const auto& [left, top, right, bottom] :
       {std::array{0, 1, 10, 10}, {1, 0, 10, 10}, {6, 1, 5, 10}, {1, 6, 10, 5}, {1, 1, 81, 25}, {1, 1, 80, 26}}) {
    Window(left, top, right, bottom);
    EXPECT_EQ(WinMinX, 1);
    EXPECT_EQ(WinMinY, 1);
    EXPECT_EQ(WinMaxX, 80);
    EXPECT_EQ(WinMaxY, 25);
  }
  Window(11, 3, 20, 5);
  EXPECT_EQ(WindMax, 0x0413);  // the lower-right corner, 0-based
  for (const auto& [x, y] : {std::pair{11, 1}, {0, 1}, {1, 0}, {1, 4}, {INT_MAX, 1}, {1, INT_MAX}, {INT_MIN, 1}}) {
    GotoXY(x, y);
    EXPECT_EQ(CursorSaveX, 10);
    EXPECT_EQ(CursorSaveY, 2);
  }
  GotoXY(10, 3);
  EXPECT_EQ(WhereX(), 10);
  EXPECT_EQ(WhereY(), 3);
}

// The window variables are public: a program may set them to anything.
TEST_F(InMemoryConsole, RoutinesStayOnTheScreenWhateverTheWindowVariablesHold) {
  runtime::Write(runtime::Output, std::string(4 * 80, 'x'));
  runtime::Flush(runtime::Output);
  CursorSaveY = 0;
  WinMinY = 3;  // the cursor's row is now above the window
  InsLine();
  EXPECT_EQ(Row(0), std::string(80, 'x'));
  DelLine();
  EXPECT_EQ(Row(3), std::string(80, 'x'));
  WinMinX = -5000;
  WinMaxX = 30000;
  WinMaxY = 30000;
  ClrScr();
  EXPECT_EQ(Row(1), std::string(80, 'x'));
  EXPECT_EQ(Row(2), "");
  EXPECT_EQ(Row(24), "");
  WinMinX = 50;
  WinMaxX = 10;
  ClrScr();
  ClrEol();
}

}  // namespace
}  // namespace console
