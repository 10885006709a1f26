// The line editor's echo and buffer, with key events written straight into
// an in-memory console.
#include "console_fixture.h"

namespace console {
namespace {

class LineEditor : public InMemoryConsole {
 protected:
  static void Char(unsigned char c) { Type(0, 0, c); }
  static void Text(std::string_view text) {
    for (char c : text) Char(static_cast<unsigned char>(c));
  }
  static void Extended(win32::WORD vk, win32::WORD scan) { Type(vk, scan, 0, win32::ENHANCED_KEY); }

  // Runs one read and returns the buffer it leaves.
  static std::string ReadLine() {
    runtime::TextRec& in = runtime::Input;
    EXPECT_EQ(CrtRead(in), 0);
    EXPECT_EQ(in.BufferPos, 0);
    return std::string(in.BufferPtr, static_cast<std::size_t>(in.BufferEnd));
  }
};

TEST_F(LineEditor, EchoesWhatIsTyped) {
  Text("dir *.*\r");
  EXPECT_EQ(ReadLine(), "dir *.*\r\n");
  EXPECT_EQ(Row(0), "dir *.*");
}

TEST_F(LineEditor, LeftRightAndEndMoveOverTheLine) {
  Text("abcd");
  Extended(win32::VK_LEFT, 75);
  Extended(win32::VK_LEFT, 75);
  Extended(win32::VK_RIGHT, 77);
  Char('X');  // replaces 'd'
  Extended(win32::VK_HOME, 71);
  Extended(win32::VK_END, 79);
  Text("e\r");
  EXPECT_EQ(ReadLine(), "abcXe\r\n");
}

TEST_F(LineEditor, BackspaceActsOnlyAtTheEndOfTheLine) {
  Text("abc");
  Extended(win32::VK_LEFT, 75);
  Char(8);
  Extended(win32::VK_HOME, 71);
  Char(8);
  Extended(win32::VK_END, 79);
  Char(8);
  Char(19);  // Ctrl-S is Backspace too
  Char(13);
  EXPECT_EQ(ReadLine(), "a\r\n");
  EXPECT_EQ(Row(0), "a");
}

TEST_F(LineEditor, EscAndCtrlYEraseTheWholeLineAndReturnTheCursor) {
  for (unsigned char eraser : {27, 25}) {
    CursorSaveX = 2;
    CursorSaveY = 5;
    Text("abcd");
    Char(eraser);
    Char(13);
    EXPECT_EQ(ReadLine(), "\r\n");
    EXPECT_EQ(Row(5), "");
  }
}

TEST_F(LineEditor, EscAfterHomeErasesTheWholeLineToo) {
  Text("abc");
  Extended(win32::VK_HOME, 71);
  Char(27);
  Text("z\r");
  EXPECT_EQ(ReadLine(), "z\r\n");
  EXPECT_EQ(Row(0), "z");
}

TEST_F(LineEditor, UnhandledExtendedKeysAndControlCharacters) {
  Extended(win32::VK_UP, 72);
  Extended(win32::VK_DELETE, 83);
  Type(win32::VK_F1, 59, 0);
  Char(9);
  Text("x\r");
  EXPECT_EQ(ReadLine(), "\tx\r\n");
}

TEST_F(LineEditor, ReadLnOnInputTakesTheLineAndItsEnd) {
  Text("first\r");
  Text("second\r");
  runtime::ReadLn(runtime::Input);
  runtime::ReadLn(runtime::Input);
  EXPECT_EQ(Row(0), "first");
  EXPECT_EQ(Row(1), "second");
  EXPECT_EQ(CursorSaveY, 2);
}

}  // namespace
}  // namespace console
