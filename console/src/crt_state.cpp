#include "crt_state.h"

namespace console {

std::uint8_t TextAttr = 0;
std::int32_t WinMinX = 0;
std::int32_t WinMinY = 0;
std::int32_t WinMaxX = 0;
std::int32_t WinMaxY = 0;
std::uint16_t WindMax = 0;
std::uint16_t LastMode = 0;
bool CheckEOF = false;

win32::HANDLE OutHandle = nullptr;
win32::HANDLE InputHandle = nullptr;
win32::CONSOLE_SCREEN_BUFFER_INFO ConsoleInfo{};
std::int32_t ScreenWidth = 0;
std::int32_t ScreenHeight = 0;
std::int32_t CursorSaveX = 0;
std::int32_t CursorSaveY = 0;
std::int32_t CurrX = 0;
std::int32_t CurrY = 0;
std::uint8_t NormAttr = 0;
std::uint8_t ScanCode = 0;
bool SpecialKey = false;
bool DoingNumChars = false;
std::uint8_t DoingNumCode = 0;

}  // namespace console
