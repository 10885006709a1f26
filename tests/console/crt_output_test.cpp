// Output through the tracked cursor: cells, wrapping, scrolling and the
// control characters, on an in-memory console.
#include "console_fixture.h"
#include "runtime/text_file.h"

namespace console {
namespace {

void Put(std::string_view text) {
  runtime::Write(runtime::Output, text);
  runtime::Flush(runtime::Output);
}

TEST_F(InMemoryConsole, WritesCellsInTextAttrAndMovesTheConsoleCursorOncePerWrite) {
  CursorSaveX = 10;
  CursorSaveY = 2;
  TextAttr = 0x1E;
  Put("hi");
  EXPECT_EQ(Row(2), std::string(10, ' ') + "hi");
  EXPECT_EQ(Cell(10, 2).Attributes, 0x1E);
  EXPECT_EQ(Cell(11, 2).Attributes, 0x1E);
  EXPECT_EQ(ConsoleCursor().X, 12);
  EXPECT_EQ(ConsoleCursor().Y, 2);
}

TEST_F(InMemoryConsole, WriteLnEndsTheLineAtTheWindowsLeftEdge) {
  CursorSaveX = 5;
  runtime::WriteLn(runtime::Output, "ab");
  EXPECT_EQ(Row(0), "     ab");
  EXPECT_EQ(CursorSaveX, 0);
  EXPECT_EQ(CursorSaveY, 1);
}

TEST_F(InMemoryConsole, WritingInTheLastColumnWrapsToTheNextRow) {
  CursorSaveX = 79;
  Put("ab");
  EXPECT_EQ(Cell(79, 0).Char.AsciiChar, 'a');
  EXPECT_EQ(Row(1), "b");
  EXPECT_EQ(CursorSaveX, 1);
  EXPECT_EQ(CursorSaveY, 1);
}

TEST_F(InMemoryConsole, ALineFeedOnTheLastRowScrollsInABlankRowInTextAttr) {
  CursorSaveY = 1;
  Put("keep");
  CursorSaveX = 0;
  CursorSaveY = 24;
  TextAttr = 0x4F;
  Put("last\n");
  EXPECT_EQ(Row(0), "keep");
  EXPECT_EQ(Row(23), "last");
  EXPECT_EQ(Row(24), "");
  EXPECT_EQ(Cell(0, 24).Attributes, 0x4F);
  EXPECT_EQ(Cell(79, 24).Attributes, 0x4F);
  EXPECT_EQ(CursorSaveX, 4);  // a line feed keeps the column
  EXPECT_EQ(CursorSaveY, 24);
}

TEST_F(InMemoryConsole, AWrapInTheLastCellScrollsTheWholeBuffer) {
  CursorSaveY = 0;
  Put("top");
  CursorSaveX = 79;
  CursorSaveY = 24;
  Put("z");
  EXPECT_EQ(Row(0), "");  // "top" scrolled off
  EXPECT_EQ(Cell(79, 23).Char.AsciiChar, 'z');
  EXPECT_EQ(CursorSaveX, 0);
  EXPECT_EQ(CursorSaveY, 24);
}

TEST_F(InMemoryConsole, BellBackspaceAndTab) {
  CursorSaveX = 3;
  Put("\a");
  EXPECT_EQ(Row(0), "");
  EXPECT_EQ(CursorSaveX, 3);

  CursorSaveX = 0;
  Put("\bx");  // backspace in the first column stays there
  EXPECT_EQ(Row(0), "x");

  Put("y\b\bz");  // and never goes up a row
  EXPECT_EQ(Row(0), "zy");

  Put("\t");
  EXPECT_EQ(Cell(1, 0).Char.AsciiChar, '\t');  // one cell holding 9, nothing expanded
  EXPECT_EQ(CursorSaveX, 2);
}

TEST_F(InMemoryConsole, ATextWindowWrapsAndScrollsOnlyInsideItself) {
  CursorSaveY = 2;
  Put("outside");
  WinMinX = 11;
  WinMaxX = 20;
  WinMinY = 3;
  WinMaxY = 5;
  CursorSaveX = 10;
  CursorSaveY = 2;
  Put("0123456789abcdefghijKLMNOPQRSTuvw");
  // Three rows of ten, then a fourth: the window scrolled up once.
  EXPECT_EQ(Row(2), "outside   abcdefghij");  // left of the window: untouched
  EXPECT_EQ(Row(3), "          KLMNOPQRST");
  EXPECT_EQ(Row(4), "          uvw");
  EXPECT_EQ(Row(1), "");  // rows above the window are untouched
  EXPECT_EQ(Row(5), "");
  EXPECT_EQ(CursorSaveX, 13);
  EXPECT_EQ(CursorSaveY, 4);
}

TEST_F(InMemoryConsole, OutputResumesAtTheLibrarysCursorWhateverMovedTheConsoles) {
  CursorSaveX = 4;
  CursorSaveY = 6;
  ASSERT_TRUE(win32::SetConsoleCursorPosition(OutHandle, {0, 0}));
  Put("!");
  EXPECT_EQ(Cell(4, 6).Char.AsciiChar, '!');
}

TEST(WindMax, PacksColumnsAndRowsEachIntoItsOwnByte) {
  EXPECT_EQ(PackWindMax(80, 25), 0x184F);
  EXPECT_EQ(PackWindMax(80, 300), 0xFF4F);
  EXPECT_EQ(PackWindMax(300, 50), 0x31FF);
  EXPECT_EQ(PackWindMax(256, 256), 0xFFFF);
}

}  // namespace
}  // namespace console
