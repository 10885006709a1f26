// The console operations: Windows' own on a real console, the layer's on
// its own console objects (console_devices.h).
#include "console/console_input.h"
#include "windows/console/console_mode.h"
#include "windows/console/memory_screen.h"
#include "windows/kernel/layer_objects.h"
#include "windows/native.h"

namespace win32 {

namespace {

template <class Object>
std::shared_ptr<Object> layer(HANDLE handle) {
  return std::dynamic_pointer_cast<Object>(detail::find_layer_object(handle));
}

BOOL invalid_parameter() {
  ::SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

}  // namespace

BOOL GetConsoleScreenBufferInfo(HANDLE output, CONSOLE_SCREEN_BUFFER_INFO* info) {
  if (auto screen = layer<detail::MemoryScreen>(output)) {
    if (info == nullptr) return invalid_parameter();
    screen->info(*info);
    return TRUE;
  }
  return ::GetConsoleScreenBufferInfo(output, reinterpret_cast<::CONSOLE_SCREEN_BUFFER_INFO*>(info));
}

BOOL WriteConsoleOutputA(HANDLE output, const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                         SMALL_RECT* writeRegion) {
  if (auto screen = layer<detail::MemoryScreen>(output)) {
    if (buffer == nullptr || writeRegion == nullptr) return invalid_parameter();
    *writeRegion =
        screen->write_cells(buffer, bufferSize, bufferCoord, detail::CellRect::from(*writeRegion)).to_small_rect();
    return TRUE;
  }
  return ::WriteConsoleOutputA(output, reinterpret_cast<const ::CHAR_INFO*>(buffer), {bufferSize.X, bufferSize.Y},
                               {bufferCoord.X, bufferCoord.Y}, reinterpret_cast<::SMALL_RECT*>(writeRegion));
}

BOOL ReadConsoleOutputA(HANDLE output, CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                        SMALL_RECT* readRegion) {
  if (auto screen = layer<detail::MemoryScreen>(output)) {
    if (buffer == nullptr || readRegion == nullptr) return invalid_parameter();
    *readRegion =
        screen->read_cells(buffer, bufferSize, bufferCoord, detail::CellRect::from(*readRegion)).to_small_rect();
    return TRUE;
  }
  return ::ReadConsoleOutputA(output, reinterpret_cast<::CHAR_INFO*>(buffer), {bufferSize.X, bufferSize.Y},
                              {bufferCoord.X, bufferCoord.Y}, reinterpret_cast<::SMALL_RECT*>(readRegion));
}

BOOL SetConsoleCursorPosition(HANDLE output, COORD position) {
  if (auto screen = layer<detail::MemoryScreen>(output)) {
    return screen->set_cursor(position) ? TRUE : invalid_parameter();
  }
  return ::SetConsoleCursorPosition(output, {position.X, position.Y});
}

BOOL ScrollConsoleScreenBufferA(HANDLE output, const SMALL_RECT* scrollRectangle, const SMALL_RECT* clipRectangle,
                                COORD destinationOrigin, const CHAR_INFO* fill) {
  if (auto screen = layer<detail::MemoryScreen>(output)) {
    if (scrollRectangle == nullptr || fill == nullptr) return invalid_parameter();
    std::optional<detail::CellRect> clip;
    if (clipRectangle != nullptr) clip = detail::CellRect::from(*clipRectangle);
    screen->scroll(detail::CellRect::from(*scrollRectangle), clip, destinationOrigin, *fill);
    return TRUE;
  }
  return ::ScrollConsoleScreenBufferA(output, reinterpret_cast<const ::SMALL_RECT*>(scrollRectangle),
                                      reinterpret_cast<const ::SMALL_RECT*>(clipRectangle),
                                      {destinationOrigin.X, destinationOrigin.Y},
                                      reinterpret_cast<const ::CHAR_INFO*>(fill));
}

BOOL GetNumberOfConsoleInputEvents(HANDLE input, DWORD* numberOfEvents) {
  if (auto in = layer<detail::ConsoleInput>(input)) {
    if (numberOfEvents == nullptr) return invalid_parameter();
    *numberOfEvents = in->count();
    return TRUE;
  }
  ::DWORD count = 0;
  if (!::GetNumberOfConsoleInputEvents(input, &count)) return FALSE;
  detail::use_console_input(input);
  if (numberOfEvents != nullptr) *numberOfEvents = count;
  return TRUE;
}

BOOL ReadConsoleInputA(HANDLE input, INPUT_RECORD* buffer, DWORD length, DWORD* numberOfEventsRead) {
  if (auto in = layer<detail::ConsoleInput>(input)) {
    if (buffer == nullptr || numberOfEventsRead == nullptr) return invalid_parameter();
    *numberOfEventsRead = in->take(buffer, length);
    return TRUE;
  }
  detail::use_console_input(input);
  ::DWORD read = 0;
  if (!::ReadConsoleInputA(input, reinterpret_cast<::INPUT_RECORD*>(buffer), length, &read)) return FALSE;
  if (numberOfEventsRead != nullptr) *numberOfEventsRead = read;
  return TRUE;
}

BOOL WriteConsoleInputA(HANDLE input, const INPUT_RECORD* buffer, DWORD length, DWORD* numberOfEventsWritten) {
  if (auto in = layer<detail::ConsoleInput>(input)) {
    if ((buffer == nullptr && length > 0) || numberOfEventsWritten == nullptr) return invalid_parameter();
    in->append(buffer, length);
    *numberOfEventsWritten = length;
    return TRUE;
  }
  ::DWORD written = 0;
  if (!::WriteConsoleInputA(input, reinterpret_cast<const ::INPUT_RECORD*>(buffer), length, &written)) return FALSE;
  if (numberOfEventsWritten != nullptr) *numberOfEventsWritten = written;
  return TRUE;
}

}  // namespace win32
