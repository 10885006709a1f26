// A console screen buffer as a kernel object: its cells, cursor and
// attributes, shown on a terminal when it has one and kept in memory
// otherwise. WriteFile on it writes text at the cursor as a console does.
#pragma once

#include <memory>
#include <mutex>
#include <optional>

#include "console/screen_cells.h"
#include "console/terminal_writer.h"
#include "kernel/file_object.h"

namespace win32::detail {

class ScreenBuffer final : public FileObject {
 public:
  // `terminal` < 0 keeps the buffer in memory only.
  ScreenBuffer(int width, int height, COORD cursor, WORD attributes, int terminal);

  void info(CONSOLE_SCREEN_BUFFER_INFO& info);
  CellRect write_cells(const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region);
  CellRect read_cells(CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region);
  [[nodiscard]] bool set_cursor(COORD position);
  void scroll(const CellRect& source, const std::optional<CellRect>& clip, COORD destination, const CHAR_INFO& fill);

  BOOL read(void* buffer, DWORD bytesToRead, DWORD* bytesRead) override;
  BOOL write(const void* buffer, DWORD bytesToWrite, DWORD* bytesWritten) override;
  DWORD file_type() override;

 private:
  void repaint(const CellRect& area);
  void show_scroll(const ScrollEffect& effect);
  void show_cursor();
  void write_text_char(unsigned char c);

  std::mutex lock_;
  ScreenCells cells_;
  COORD cursor_;
  WORD attributes_;
  std::optional<TerminalWriter> terminal_;
};

}  // namespace win32::detail
