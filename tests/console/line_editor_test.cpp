// The line editor's echo and buffer, with key events written straight into
// an in-memory console.
#include <random>
#include <vector>

#include "console_fixture.h"
#include "line_layout.h"

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

TEST_F(LineEditor, APromptWrittenWithoutALineEndStandsBeforeTheLine) {
  runtime::Write(runtime::Output, "Name? ");
  Text("Ada\r");
  runtime::ReadLn(runtime::Input);
  EXPECT_EQ(Row(0), "Name? Ada");
  EXPECT_EQ(CursorSaveY, 1);
}

TEST_F(LineEditor, ATypedBellOrLineFeedIsStoredAndTakesOneCellLikeATab) {
  Text("a");
  Char(7);
  Char(10);
  Char(9);
  Text("b\r");
  EXPECT_EQ(ReadLine(), "a\a\n\tb\r\n");
  EXPECT_EQ(Row(0), "a\a\n\tb");
  EXPECT_EQ(Row(1), "");
}

// Lines wider than the screen, edited with every key the editor knows, on
// screens from 20 to 300 columns and from 2 to 40 rows (so that a line may
// scroll the screen, and may be taller than it): after Enter the screen
// shows exactly the line the buffer holds, in one cell per character from
// the cell where the read began, and nothing else.
class LineEditorOnAnyScreen : public LineEditor {
 protected:
  enum class Key { Character, Home, End, Left, Right, Backspace, Esc };

  void UseScreen(int width, int height) {
    win32::CloseHandle(OutHandle);
    OutHandle = OpenInMemoryScreen(width, height);
    runtime::Output.Handle = OutHandle;
    ScreenWidth = WinMaxX = width;
    ScreenHeight = WinMaxY = height;
  }

  // The line that the keys leave, by the editor's rules for the buffer.
  struct Line {
    std::string text;
    std::size_t position = 0;

    void Apply(Key key, char c) {
      switch (key) {
        case Key::Character:
          if (position == text.size() && position < 254) text += c;
          if (position < text.size()) text[position++] = c;
          break;
        case Key::Home: position = 0; break;
        case Key::End: position = text.size(); break;
        case Key::Left: position -= position > 0 ? 1 : 0; break;
        case Key::Right: position += position < text.size() ? 1 : 0; break;
        case Key::Backspace:
          if (position > 0 && position == text.size()) text.resize(--position);
          break;
        case Key::Esc: text.clear(); position = 0; break;
      }
    }
  };

  static void Press(Key key, char c) {
    switch (key) {
      case Key::Character: Char(static_cast<unsigned char>(c)); break;
      case Key::Home: Extended(win32::VK_HOME, 71); break;
      case Key::End: Extended(win32::VK_END, 79); break;
      case Key::Left: Extended(win32::VK_LEFT, 75); break;
      case Key::Right: Extended(win32::VK_RIGHT, 77); break;
      case Key::Backspace: Char(8); break;
      case Key::Esc: Char(27); break;
    }
  }

  static std::vector<std::string> ScreenRows() {
    std::vector<std::string> rows;
    for (int y = 0; y < ScreenHeight; ++y) rows.push_back(Row(y));
    return rows;
  }
};

TEST_F(LineEditorOnAnyScreen, TheScreenShowsExactlyTheLineThatIsRead) {
  std::mt19937 random(20240607);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  // Weights of the keys: mostly characters, with every move and erasure.
  std::discrete_distribution<int> keyKind({60, 4, 5, 12, 10, 8, 1});
  const char controls[] = {7, 9, 10};
  for (int trial = 0; trial < 300; ++trial) {
    const int width = trial % 4 == 0 ? pick(20, 40) : pick(20, 300);
    const int height = pick(2, 40);
    UseScreen(width, height);
    const int startX = pick(0, width - 1);
    CursorSaveX = startX;
    CursorSaveY = pick(0, height - 1);

    Line line;
    std::string keys;  // for the failure message
    for (int n = pick(1, 600); n > 0; --n) {
      const auto key = static_cast<Key>(keyKind(random));
      const char c = pick(0, 50) == 0 ? controls[pick(0, 2)] : static_cast<char>('!' + pick(0, 93));
      line.Apply(key, c);
      Press(key, c);
      keys += key == Key::Character ? std::string(1, c) : "<" + std::to_string(static_cast<int>(key)) + ">";
    }
    Char(13);
    const std::string what = "screen " + std::to_string(width) + " x " + std::to_string(height) + ", start (" +
                             std::to_string(startX) + ", " + std::to_string(CursorSaveY) + "), keys " + keys;
    ASSERT_EQ(ReadLine(), line.text + "\r\n") << what;
    ASSERT_EQ(ConsoleCursor().X, 0) << what;
    // Enter left the cursor on the row below the line's end.
    ASSERT_EQ(ScreenRows(), testing_support::LineOnBlankScreen(line.text, startX, ConsoleCursor().Y - 1, width, height))
        << what;
  }
}

}  // namespace
}  // namespace console
