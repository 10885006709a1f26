// The console of a process whose standard input is a stream: its bytes are
// key events, a newline (CR, LF or CR LF) is Enter, and once the stream has
// ended a read or a wait gets Enter at once. A process without a console
// gets its screen buffer in memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console_input.h"
#include "platform/console.h"
#include "platform/kernel.h"
#include "native.h"
#include "windows/console/stream_keys.h"


namespace windows_test {
namespace {

// The characters of the key-down events, with Enter as '\r'.
std::string TypedCharacters(win32::detail::ConsoleInput& input, std::size_t keys) {
  std::string typed;
  while (typed.size() < keys) {
    win32::INPUT_RECORD record{};
    if (input.take(&record, 1) != 1) break;
    if (record.EventType == win32::KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
      typed += record.Event.KeyEvent.uChar.AsciiChar;
    }
  }
  return typed;
}

TEST(ConsoleStream, BytesOfAPipeAreKeysAndItsEndGivesEnter) {
  const auto [reader, writer] = NativePipe();
  ASSERT_NE(reader, nullptr);
  win32::detail::ConsoleInput input(win32::detail::make_windows_stream_keys(reader));
  ASSERT_TRUE(NativeWrite(writer, "ab\r\ncd\ne"));
  EXPECT_EQ(TypedCharacters(input, 6), "ab\rcd\r") << "CR LF is one Enter";
  NativeClose(writer);
  EXPECT_EQ(TypedCharacters(input, 2), "e\r") << "the end of the stream ends the line";
  EXPECT_EQ(input.wait(0), win32::WAIT_OBJECT_0) << "and every later wait";
}

TEST(ConsoleStream, WithoutAConsoleTheScreenBufferIsInMemory) {
  ASSERT_FALSE(HasConsoleWindow()) << "the tests run without a console";
  const win32::HANDLE screen = win32::CreateFileA("CONOUT$", win32::GENERIC_READ | win32::GENERIC_WRITE,
                                                  win32::FILE_SHARE_READ | win32::FILE_SHARE_WRITE, nullptr,
                                                  win32::OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(screen, win32::INVALID_HANDLE_VALUE);
  win32::CONSOLE_SCREEN_BUFFER_INFO info{};
  ASSERT_TRUE(win32::GetConsoleScreenBufferInfo(screen, &info));
  EXPECT_EQ(info.dwSize.X, 80);
  EXPECT_EQ(info.dwSize.Y, 25);
  win32::CHAR_INFO cell{};
  cell.Char.AsciiChar = 'Q';
  cell.Attributes = 0x1E;
  win32::SMALL_RECT region{3, 2, 3, 2};
  ASSERT_TRUE(win32::WriteConsoleOutputA(screen, &cell, {1, 1}, {0, 0}, &region));
  win32::CHAR_INFO back{};
  region = {3, 2, 3, 2};
  ASSERT_TRUE(win32::ReadConsoleOutputA(screen, &back, {1, 1}, {0, 0}, &region));
  EXPECT_EQ(back.Char.AsciiChar, 'Q');
  EXPECT_EQ(back.Attributes, 0x1E);
  EXPECT_EQ(win32::GetFileType(screen), win32::FILE_TYPE_CHAR);
  EXPECT_TRUE(win32::CloseHandle(screen));
}

}  // namespace
}  // namespace windows_test
