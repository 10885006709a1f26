#include "windows/console/memory_screen.h"

namespace win32::detail {

MemoryScreen::MemoryScreen(int width, int height, WORD attributes)
    : cells_(width, height, attributes), attributes_(attributes) {}

void MemoryScreen::info(CONSOLE_SCREEN_BUFFER_INFO& info) {
  std::lock_guard guard(lock_);
  const COORD size{static_cast<SHORT>(cells_.width()), static_cast<SHORT>(cells_.height())};
  info.dwSize = size;
  info.dwCursorPosition = cursor_;
  info.wAttributes = attributes_;
  info.srWindow = cells_.bounds().to_small_rect();
  info.dwMaximumWindowSize = size;
}

CellRect MemoryScreen::write_cells(const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord,
                                   const CellRect& region) {
  std::lock_guard guard(lock_);
  return cells_.write(buffer, bufferSize, bufferCoord, region);
}

CellRect MemoryScreen::read_cells(CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region) {
  std::lock_guard guard(lock_);
  return cells_.read(buffer, bufferSize, bufferCoord, region);
}

bool MemoryScreen::set_cursor(COORD position) {
  std::lock_guard guard(lock_);
  if (!cells_.bounds().contains(position.X, position.Y)) return false;
  cursor_ = position;
  return true;
}

void MemoryScreen::scroll(const CellRect& source, const std::optional<CellRect>& clip, COORD destination,
                          const CHAR_INFO& fill) {
  std::lock_guard guard(lock_);
  (void)cells_.scroll(source, clip, destination, fill);
}

BOOL MemoryScreen::read(void*, DWORD, DWORD* bytesRead) {
  if (bytesRead != nullptr) *bytesRead = 0;
  SetLastError(ERROR_INVALID_FUNCTION);
  return FALSE;
}

BOOL MemoryScreen::write(const void*, DWORD, DWORD* bytesWritten) {
  if (bytesWritten != nullptr) *bytesWritten = 0;
  SetLastError(ERROR_INVALID_FUNCTION);
  return FALSE;
}

DWORD MemoryScreen::file_type() { return FILE_TYPE_CHAR; }

}  // namespace win32::detail
