// The platform's console on a pseudo-terminal inside the test: what it asks
// the terminal, the sequences it writes for cells and scrolling, and how it
// waits for keys.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "console/process_console.h"
#include "console/terminal_query.h"
#include "kernel/handle_table.h"
#include "platform/console.h"
#include "platform/kernel.h"
#include "terminal_screen.h"

namespace win32::detail {
namespace {

using namespace std::chrono_literals;

class TerminalConsole : public testing::Test {
 protected:
  // A raw pseudo-terminal of `columns` x `rows`; `answer` is already waiting
  // on it when the console asks for the cursor position.
  void Open(unsigned short columns, unsigned short rows, std::string_view answer) {
    winsize size{};
    size.ws_col = columns;
    size.ws_row = rows;
    ASSERT_EQ(openpty(&master_, &slave_, nullptr, nullptr, &size), 0);
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    ASSERT_EQ(write(master_, answer.data(), answer.size()), static_cast<ssize_t>(answer.size()));
    const Console console = make_console({slave_, true, slave_, true});
    input_ = register_object(console.input);
    screen_ = register_object(console.screen);
    ASSERT_EQ(Drain(), "\x1b[6n");
  }

  void TearDown() override {
    CloseHandle(input_);
    CloseHandle(screen_);
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }

  // What the console has written to the terminal since the last call.
  std::string Drain() {
    std::string out;
    pollfd entry{master_, POLLIN, 0};
    while (poll(&entry, 1, 20) > 0) {
      char buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) break;
      out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
  }

  void Type(std::string_view bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }

  KEY_EVENT_RECORD NextKeyDown() {
    for (;;) {
      INPUT_RECORD record{};
      DWORD read = 0;
      EXPECT_TRUE(ReadConsoleInputA(input_, &record, 1, &read));
      if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return record.Event.KeyEvent;
    }
  }

  int master_ = -1;
  int slave_ = -1;
  HANDLE input_ = nullptr;
  HANDLE screen_ = nullptr;
};

TEST_F(TerminalConsole, TakesTheTerminalsSizeAndCursorAndKeepsKeysTypedAhead) {
  Open(100, 30, "x\x1b[7;9R");
  CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen_, &info));
  EXPECT_EQ(info.dwSize.X, 100);
  EXPECT_EQ(info.dwSize.Y, 30);
  EXPECT_EQ(info.dwCursorPosition.X, 8);
  EXPECT_EQ(info.dwCursorPosition.Y, 6);
  EXPECT_EQ(info.wAttributes, 0x07);
  EXPECT_EQ(NextKeyDown().uChar.AsciiChar, 'x');
}

TEST_F(TerminalConsole, ATerminalWithoutASizeIs80By25) {
  Open(0, 0, "\x1b[1;1R");
  CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen_, &info));
  EXPECT_EQ(info.dwSize.X, 80);
  EXPECT_EQ(info.dwSize.Y, 25);
}

TEST_F(TerminalConsole, ACellIsWrittenInItsColoursAndTheCursorReturns) {
  Open(80, 24, "\x1b[7;9R");
  CHAR_INFO cell{};
  cell.Char.AsciiChar = 'A';
  cell.Attributes = 0x1E;  // yellow on blue
  SMALL_RECT region{2, 1, 2, 1};
  ASSERT_TRUE(WriteConsoleOutputA(screen_, &cell, {1, 1}, {0, 0}, &region));
  EXPECT_EQ(Drain(), "\x1b[2;3H\x1b[0;93;44mA\x1b[7;9H");
  cell.Char.AsciiChar = '\t';
  cell.Attributes = 0x07;
  ASSERT_TRUE(WriteConsoleOutputA(screen_, &cell, {1, 1}, {0, 0}, &region));
  EXPECT_EQ(Drain(), "\x1b[2;3H\x1b[0m\xe2\x97\x8b\x1b[7;9H");  // 9 shows as its picture
}

TEST_F(TerminalConsole, ScrollingTheWholeBufferUsesTheTerminalsScrollingRegion) {
  Open(10, 5, "\x1b[5;1R");
  const SMALL_RECT all{0, 0, 9, 4};
  CHAR_INFO fill{};
  fill.Char.AsciiChar = ' ';
  fill.Attributes = 0x20;
  ASSERT_TRUE(ScrollConsoleScreenBufferA(screen_, &all, &all, {0, -1}, &fill));
  const std::string blankRow = "\x1b[0;30;42m" + std::string(10, ' ');
  EXPECT_EQ(Drain(), "\x1b[1;5r\x1b[5;1H\n\x1b[r\x1b[5;1H" + blankRow + "\x1b[5;1H");
}

// Whole rows moved up or down inside their own rows are replayed with the
// terminal's scrolling region; every other scroll is repainted. Either way
// the terminal must end up showing exactly the cells.
TEST_F(TerminalConsole, AfterAnyScrollTheTerminalShowsTheCells) {
  struct Scroll {
    SMALL_RECT source;
    SMALL_RECT clip;
    COORD destination;
  };
  const Scroll scrolls[] = {
      {{0, 1, 9, 4}, {0, 1, 9, 4}, {0, 2}},   // down inside the rows
      {{0, 1, 9, 4}, {0, 1, 9, 4}, {0, -1}},  // up inside the rows
      {{0, 1, 9, 3}, {0, 0, 9, 5}, {0, 2}},   // down, landing below the source
      {{0, 2, 9, 4}, {0, 0, 9, 5}, {0, 0}},   // up, landing above the source
      {{0, 0, 9, 5}, {0, 0, 9, 5}, {0, 9}},   // down past the whole screen
      {{2, 1, 6, 4}, {2, 1, 6, 4}, {2, 2}},   // a narrow block
  };
  Open(10, 6, "\x1b[6;1R");
  console::testing_support::TerminalScreen terminal(10, 6);
  CHAR_INFO cells[60];
  for (int i = 0; i < 60; ++i) {
    cells[i].Char.AsciiChar = static_cast<CHAR>('A' + i / 10);
    cells[i].Attributes = 0x07;
  }
  CHAR_INFO fill{};
  fill.Char.AsciiChar = '.';
  fill.Attributes = 0x07;
  for (const Scroll& scroll : scrolls) {
    SMALL_RECT all{0, 0, 9, 5};
    ASSERT_TRUE(WriteConsoleOutputA(screen_, cells, {10, 6}, {0, 0}, &all));
    ASSERT_TRUE(ScrollConsoleScreenBufferA(screen_, &scroll.source, &scroll.clip, scroll.destination, &fill));
    terminal.Feed(Drain());
    CHAR_INFO now[60];
    ASSERT_TRUE(ReadConsoleOutputA(screen_, now, {10, 6}, {0, 0}, &all));
    for (int y = 0; y < 6; ++y) {
      std::string row;
      for (int x = 0; x < 10; ++x) row += now[y * 10 + x].Char.AsciiChar;
      EXPECT_EQ(terminal.Row(y), row)
          << "row " << y << " after moving to " << scroll.destination.X << "," << scroll.destination.Y;
    }
  }
}

TEST_F(TerminalConsole, ALoneEscArrivesAfterTheEscapeDelayAndWakesTheWait) {
  Open(80, 24, "\x1b[1;1R");
  Type("\x1b");
  DWORD events = 1;
  ASSERT_TRUE(GetNumberOfConsoleInputEvents(input_, &events));
  EXPECT_EQ(events, 0u);  // it could still be the start of a sequence
  EXPECT_EQ(WaitForSingleObject(input_, 5000), WAIT_OBJECT_0);
  const KEY_EVENT_RECORD key = NextKeyDown();
  EXPECT_EQ(key.wVirtualKeyCode, VK_ESCAPE);
  EXPECT_EQ(key.uChar.AsciiChar, 27);
}

TEST_F(TerminalConsole, WaitingWithoutInputTimesOut) {
  Open(80, 24, "\x1b[1;1R");
  EXPECT_EQ(WaitForSingleObject(input_, 30), static_cast<DWORD>(WAIT_TIMEOUT));
  Type("\x1b[1;5C");
  EXPECT_EQ(WaitForSingleObject(input_, 5000), WAIT_OBJECT_0);
  const KEY_EVENT_RECORD key = NextKeyDown();
  EXPECT_EQ(key.wVirtualKeyCode, VK_RIGHT);
  EXPECT_EQ(key.dwControlKeyState, static_cast<DWORD>(LEFT_CTRL_PRESSED | ENHANCED_KEY));
}

TEST(CursorReport, IsFoundAmongOtherBytesAndTakenOut) {
  std::vector<unsigned char> bytes{'a', 0x1B, '[', 'A', 0x1B, '[', '1', '2', ';', '4', '0', 'R', 'b'};
  const auto position = take_cursor_report(bytes);
  ASSERT_TRUE(position.has_value());
  EXPECT_EQ(position->X, 39);
  EXPECT_EQ(position->Y, 11);
  EXPECT_EQ(bytes, (std::vector<unsigned char>{'a', 0x1B, '[', 'A', 'b'}));
  std::vector<unsigned char> none{0x1B, '[', '1', 'R', 0x1B, '[', ';', '2', 'R'};
  EXPECT_FALSE(take_cursor_report(none).has_value());
}

TEST(InMemoryScreen, ScrollFollowsWin32sClipAndFillRules) {
  const Console console = make_console({});
  const HANDLE screen = register_object(console.screen);
  for (SHORT y = 0; y < 3; ++y) {
    const char row[] = {static_cast<char>('a' + y), static_cast<char>('b' + y), static_cast<char>('c' + y), 'z'};
    DWORD ignored = 0;
    ASSERT_TRUE(SetConsoleCursorPosition(screen, {0, y}));
    ASSERT_TRUE(WriteFile(screen, row, 4, &ignored, nullptr));
  }
  // Move the 3x3 block one column right, clipped to columns 0..2.
  const SMALL_RECT block{0, 0, 2, 2};
  const SMALL_RECT clip{0, 0, 2, 2};
  CHAR_INFO fill{};
  fill.Char.AsciiChar = '.';
  fill.Attributes = 0x07;
  ASSERT_TRUE(ScrollConsoleScreenBufferA(screen, &block, &clip, {1, 0}, &fill));
  CHAR_INFO cells[12]{};
  SMALL_RECT region{0, 0, 3, 2};
  ASSERT_TRUE(ReadConsoleOutputA(screen, cells, {4, 3}, {0, 0}, &region));
  std::string shown;
  for (const CHAR_INFO& c : cells) shown += c.Char.AsciiChar;
  EXPECT_EQ(shown, ".abz.bcz.cdz");  // column 3 lies outside the clip and keeps its 'z'
  CloseHandle(screen);
}

TEST(InMemoryScreen, WriteFileWritesAtTheCursorLikeAConsole) {
  const Console console = make_console({});
  const HANDLE screen = register_object(console.screen);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(screen, "ab\bc\r\nxy\a", 9, &written, nullptr));
  EXPECT_EQ(written, 9u);
  CHAR_INFO cells[4]{};
  SMALL_RECT region{0, 0, 1, 1};
  ASSERT_TRUE(ReadConsoleOutputA(screen, cells, {2, 2}, {0, 0}, &region));
  EXPECT_EQ(std::string({cells[0].Char.AsciiChar, cells[1].Char.AsciiChar, cells[2].Char.AsciiChar,
                         cells[3].Char.AsciiChar}),
            "acxy");
  CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(GetConsoleScreenBufferInfo(screen, &info));
  EXPECT_EQ(info.dwCursorPosition.X, 2);
  EXPECT_EQ(info.dwCursorPosition.Y, 1);
  CloseHandle(screen);
}

TEST(StreamInput, ReadFileGivesLinesAndThenTheEndOfInput) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  ASSERT_EQ(write(fds[1], "ab\nc", 4), 4);
  close(fds[1]);
  const Console console = make_console({fds[0], false, -1, false});
  const HANDLE input = register_object(console.input);
  char buffer[16];
  DWORD read = 0;
  ASSERT_TRUE(ReadFile(input, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "ab\r\n");
  ASSERT_TRUE(ReadFile(input, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(std::string(buffer, read), "c");
  ASSERT_TRUE(ReadFile(input, buffer, sizeof buffer, &read, nullptr));
  EXPECT_EQ(read, 0u);
  // Nothing is counted as waiting any more, but whoever waits gets Enter.
  DWORD events = 1;
  ASSERT_TRUE(GetNumberOfConsoleInputEvents(input, &events));
  EXPECT_EQ(events, 0u);
  EXPECT_EQ(WaitForSingleObject(input, 0), WAIT_OBJECT_0);
  INPUT_RECORD record{};
  ASSERT_TRUE(ReadConsoleInputA(input, &record, 1, &read));
  EXPECT_EQ(record.Event.KeyEvent.wVirtualKeyCode, VK_RETURN);
  CloseHandle(input);
  close(fds[0]);
}

TEST(ConsoleHandles, OtherHandlesAreRefused) {
  DWORD events = 0;
  EXPECT_FALSE(GetNumberOfConsoleInputEvents(GetStdHandle(STD_ERROR_HANDLE), &events));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  CONSOLE_SCREEN_BUFFER_INFO info{};
  EXPECT_FALSE(GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info));
}

}  // namespace
}  // namespace win32::detail
