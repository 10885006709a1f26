// The library's initialisation and the binding of text files to the console.
#include <algorithm>

#include "crt_state.h"
#include "platform/kernel.h"
#include "runtime/checks.h"
#include "runtime/errors.h"

namespace console {

namespace {

// A console that cannot be had ends the program before its main body runs.
[[noreturn]] void StartUpFailure(const char* message) {
  runtime::WriteLn(runtime::StdErr, message);
  runtime::IOCheck();
  runtime::Halt(1);
}

win32::HANDLE OpenConsoleDevice(const char* name) {
  return win32::CreateFileA(name, win32::GENERIC_READ | win32::GENERIC_WRITE,
                            win32::FILE_SHARE_READ | win32::FILE_SHARE_WRITE, nullptr, win32::OPEN_EXISTING, 0,
                            nullptr);
}

// The standard input handle reads keys only when it is the console's input;
// any other standard input (a pipe, a file) is read through "CONIN$", which
// takes that input's bytes as keys, so a program never waits on a handle
// that cannot deliver key events.
void MakeInputConsole() {
  win32::DWORD events = 0;
  if (win32::GetNumberOfConsoleInputEvents(InputHandle, &events)) return;
  InputHandle = OpenConsoleDevice(ConIn);
  if (InputHandle == win32::INVALID_HANDLE_VALUE) StartUpFailure("No way to get the console handle");
}

}  // namespace

std::uint16_t PackWindMax(std::int32_t right, std::int32_t bottom) {
  // Each byte holds at most 255: a column beyond the 256th must not spill
  // into the row's byte, as a row beyond it is kept out of the column's.
  const std::int32_t column = std::min(right - 1, 0xFF);
  const std::int32_t row = std::min(bottom - 1, 0xFF);
  return static_cast<std::uint16_t>((row << 8) | column);
}

std::int32_t GetScreenWidth() {
  win32::CONSOLE_SCREEN_BUFFER_INFO info{};
  return win32::GetConsoleScreenBufferInfo(OutHandle, &info) ? info.dwSize.X : 80;
}

std::int32_t GetScreenHeight() {
  win32::CONSOLE_SCREEN_BUFFER_INFO info{};
  return win32::GetConsoleScreenBufferInfo(OutHandle, &info) ? info.dwSize.Y : 25;
}

void AssignCrt(runtime::TextRec& f) {
  runtime::Assign(f, "");
  f.OpenHook = &CrtOpen;
}

std::int32_t CrtOpen(runtime::TextRec& f) {
  if (f.Mode == runtime::FileMode::Output) {
    f.TransferHook = &CrtWrite;
    f.FlushHook = &CrtWrite;
  } else {
    f.Mode = runtime::FileMode::Input;
    f.TransferHook = &CrtRead;
    f.FlushHook = &CrtReturn;
  }
  f.CloseHook = &CrtClose;
  return 0;
}

std::int32_t CrtClose(runtime::TextRec& f) {
  f.Mode = runtime::FileMode::Closed;
  return 0;
}

std::int32_t CrtReturn(runtime::TextRec&) { return 0; }

void InitializeConsole() {
  OutHandle = win32::GetStdHandle(win32::STD_OUTPUT_HANDLE);
  InputHandle = win32::GetStdHandle(win32::STD_INPUT_HANDLE);
  LastMode = 3;

  ConsoleInfo = {};
  if (!win32::GetConsoleScreenBufferInfo(OutHandle, &ConsoleInfo)) {
    OutHandle = OpenConsoleDevice(ConOut);
    if (OutHandle == win32::INVALID_HANDLE_VALUE) StartUpFailure("No way to get the console handle");
    if (!win32::GetConsoleScreenBufferInfo(OutHandle, &ConsoleInfo)) {
      StartUpFailure("No way to get console screen buffer info");
    }
  }
  MakeInputConsole();

  CursorSaveX = ConsoleInfo.dwCursorPosition.X;
  CursorSaveY = ConsoleInfo.dwCursorPosition.Y;
  TextAttr = static_cast<std::uint8_t>(ConsoleInfo.wAttributes & 0xFF);
  NormAttr = TextAttr;

  ScreenWidth = GetScreenWidth();
  ScreenHeight = GetScreenHeight();
  WinMinX = 1;
  WinMinY = 1;
  WinMaxX = ScreenWidth;
  WinMaxY = ScreenHeight;
  WindMax = PackWindMax(ScreenWidth, ScreenHeight);

  DoingNumChars = false;
  DoingNumCode = 0;

  AssignCrt(runtime::Output);
  runtime::Rewrite(runtime::Output);
  runtime::IOCheck();
  runtime::Output.Handle = OutHandle;

  AssignCrt(runtime::Input);
  runtime::Reset(runtime::Input);
  runtime::IOCheck();
  runtime::Input.Handle = InputHandle;
}

}  // namespace console
