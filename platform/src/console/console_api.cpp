// The Win32 console operations over the console objects of the handle table.
#include "console/process_console.h"
#include "kernel/console_devices.h"
#include "platform/console.h"

namespace win32 {

namespace {

// CreateFileA reaches the console through this opener; installing it here
// ties it to the console operations, which every console user links.
const bool OpenerInstalled = [] {
  detail::console_device_opener.store(&detail::open_console_device);
  return true;
}();

std::shared_ptr<detail::ScreenBuffer> screen_buffer(HANDLE handle) {
  auto screen = detail::find<detail::ScreenBuffer>(handle);
  if (screen == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return screen;
}

std::shared_ptr<detail::ConsoleInput> console_input(HANDLE handle) {
  auto input = detail::find<detail::ConsoleInput>(handle);
  if (input == nullptr) SetLastError(ERROR_INVALID_HANDLE);
  return input;
}

BOOL invalid_parameter() {
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

}  // namespace

BOOL GetConsoleScreenBufferInfo(HANDLE output, CONSOLE_SCREEN_BUFFER_INFO* info) {
  auto screen = screen_buffer(output);
  if (screen == nullptr) return FALSE;
  if (info == nullptr) return invalid_parameter();
  screen->info(*info);
  return TRUE;
}

BOOL WriteConsoleOutputA(HANDLE output, const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                         SMALL_RECT* writeRegion) {
  auto screen = screen_buffer(output);
  if (screen == nullptr) return FALSE;
  if (buffer == nullptr || writeRegion == nullptr) return invalid_parameter();
  const detail::CellRect done =
      screen->write_cells(buffer, bufferSize, bufferCoord, detail::CellRect::from(*writeRegion));
  *writeRegion = done.to_small_rect();
  return TRUE;
}

BOOL ReadConsoleOutputA(HANDLE output, CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                        SMALL_RECT* readRegion) {
  auto screen = screen_buffer(output);
  if (screen == nullptr) return FALSE;
  if (buffer == nullptr || readRegion == nullptr) return invalid_parameter();
  const detail::CellRect done =
      screen->read_cells(buffer, bufferSize, bufferCoord, detail::CellRect::from(*readRegion));
  *readRegion = done.to_small_rect();
  return TRUE;
}

BOOL SetConsoleCursorPosition(HANDLE output, COORD position) {
  auto screen = screen_buffer(output);
  if (screen == nullptr) return FALSE;
  return screen->set_cursor(position) ? TRUE : invalid_parameter();
}

BOOL ScrollConsoleScreenBufferA(HANDLE output, const SMALL_RECT* scrollRectangle, const SMALL_RECT* clipRectangle,
                                COORD destinationOrigin, const CHAR_INFO* fill) {
  auto screen = screen_buffer(output);
  if (screen == nullptr) return FALSE;
  if (scrollRectangle == nullptr || fill == nullptr) return invalid_parameter();
  std::optional<detail::CellRect> clip;
  if (clipRectangle != nullptr) clip = detail::CellRect::from(*clipRectangle);
  screen->scroll(detail::CellRect::from(*scrollRectangle), clip, destinationOrigin, *fill);
  return TRUE;
}

BOOL GetNumberOfConsoleInputEvents(HANDLE input, DWORD* numberOfEvents) {
  auto in = console_input(input);
  if (in == nullptr) return FALSE;
  if (numberOfEvents == nullptr) return invalid_parameter();
  *numberOfEvents = in->count();
  return TRUE;
}

BOOL ReadConsoleInputA(HANDLE input, INPUT_RECORD* buffer, DWORD length, DWORD* numberOfEventsRead) {
  auto in = console_input(input);
  if (in == nullptr) return FALSE;
  if (buffer == nullptr || numberOfEventsRead == nullptr) return invalid_parameter();
  *numberOfEventsRead = in->take(buffer, length);
  return TRUE;
}

BOOL WriteConsoleInputA(HANDLE input, const INPUT_RECORD* buffer, DWORD length, DWORD* numberOfEventsWritten) {
  auto in = console_input(input);
  if (in == nullptr) return FALSE;
  if ((buffer == nullptr && length > 0) || numberOfEventsWritten == nullptr) return invalid_parameter();
  in->append(buffer, length);
  *numberOfEventsWritten = length;
  return TRUE;
}

}  // namespace win32
