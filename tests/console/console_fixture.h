// A console library bound to an in-memory console: an 80 x 25 screen
// buffer, and an input buffer that receives only the key events a test
// writes into it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "crt_state.h"
#include "in_memory_console.h"
#include "platform/kernel.h"

namespace console {

class InMemoryConsole : public testing::Test {
 protected:
  void SetUp() override {
    const InMemoryHandles made = OpenInMemoryConsole();
    OutHandle = made.screen;
    InputHandle = made.input;
    ScreenWidth = 80;
    ScreenHeight = 25;
    WinMinX = 1;
    WinMinY = 1;
    WinMaxX = ScreenWidth;
    WinMaxY = ScreenHeight;
    TextAttr = 0x07;
    NormAttr = 0x07;
    CursorSaveX = CursorSaveY = 0;
    ScanCode = 0;
    SpecialKey = false;
    DoingNumChars = false;
    DoingNumCode = 0;
    CheckEOF = false;
    for (runtime::TextRec* f : {&runtime::Input, &runtime::Output}) AssignCrt(*f);
    runtime::Reset(runtime::Input);
    runtime::Rewrite(runtime::Output);
    runtime::Input.Handle = InputHandle;
    runtime::Output.Handle = OutHandle;
  }

  void TearDown() override {
    win32::CloseHandle(OutHandle);
    win32::CloseHandle(InputHandle);
  }

  static win32::INPUT_RECORD KeyRecord(win32::WORD vk, win32::WORD scan, unsigned char ch, win32::DWORD state,
                                       bool down = true, win32::WORD repeat = 1) {
    win32::INPUT_RECORD r{};
    r.EventType = win32::KEY_EVENT;
    r.Event.KeyEvent.bKeyDown = down ? win32::TRUE : win32::FALSE;
    r.Event.KeyEvent.wRepeatCount = repeat;
    r.Event.KeyEvent.wVirtualKeyCode = vk;
    r.Event.KeyEvent.wVirtualScanCode = scan;
    r.Event.KeyEvent.uChar.AsciiChar = static_cast<char>(ch);
    r.Event.KeyEvent.dwControlKeyState = state;
    return r;
  }

  static void Send(const win32::INPUT_RECORD& record) {
    win32::DWORD written = 0;
    ASSERT_TRUE(win32::WriteConsoleInputA(InputHandle, &record, 1, &written));
  }

  // A key pressed and released.
  static void Type(win32::WORD vk, win32::WORD scan, unsigned char ch, win32::DWORD state = 0) {
    Send(KeyRecord(vk, scan, ch, state, true));
    Send(KeyRecord(vk, scan, ch, state, false));
  }

  static win32::CHAR_INFO Cell(int x, int y) {
    win32::CHAR_INFO cell{};
    win32::SMALL_RECT region{static_cast<win32::SHORT>(x), static_cast<win32::SHORT>(y), static_cast<win32::SHORT>(x),
                             static_cast<win32::SHORT>(y)};
    EXPECT_TRUE(win32::ReadConsoleOutputA(OutHandle, &cell, {1, 1}, {0, 0}, &region));
    return cell;
  }

  // The characters of row y, 0-based, without trailing blanks.
  static std::string Row(int y) {
    std::string row;
    for (int x = 0; x < ScreenWidth; ++x) row += Cell(x, y).Char.AsciiChar;
    return row.substr(0, row.find_last_not_of(' ') + 1);
  }

  static win32::COORD ConsoleCursor() {
    win32::CONSOLE_SCREEN_BUFFER_INFO info{};
    EXPECT_TRUE(win32::GetConsoleScreenBufferInfo(OutHandle, &info));
    return info.dwCursorPosition;
  }
};

}  // namespace console
