// A console screen buffer in memory, for a process without a console: the
// cells are kept and read back, and shown nowhere.
#pragma once

#include <mutex>
#include <optional>

#include "console/screen_cells.h"
#include "kernel/file_object.h"

namespace win32::detail {

class MemoryScreen final : public FileObject {
 public:
  MemoryScreen(int width, int height, WORD attributes);

  void info(CONSOLE_SCREEN_BUFFER_INFO& info);
  CellRect write_cells(const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region);
  CellRect read_cells(CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region);
  [[nodiscard]] bool set_cursor(COORD position);
  void scroll(const CellRect& source, const std::optional<CellRect>& clip, COORD destination, const CHAR_INFO& fill);

  // Cells are written with WriteConsoleOutputA; neither ReadFile nor
  // WriteFile reaches them.
  BOOL read(void* buffer, DWORD bytesToRead, DWORD* bytesRead) override;
  BOOL write(const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) override;
  DWORD file_type() override;

 private:
  std::mutex lock_;
  ScreenCells cells_;
  COORD cursor_{0, 0};
  WORD attributes_;
};

}  // namespace win32::detail
