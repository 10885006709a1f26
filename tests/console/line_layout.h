// Where the line editor must show a line: one cell per character, filling
// rows from left to right, so that the screen shows exactly what is read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace console::testing_support {

// The rows (without trailing blanks) of a screen `width` x `height` on which
// only `line` stands, from column `startX` (0-based) on, with the cell after
// its last character on row `endRow`; its rows above the screen are gone.
inline std::vector<std::string> LineOnBlankScreen(std::string_view line, int startX, int endRow, int width,
                                                  int height) {
  std::vector<std::string> rows(static_cast<std::size_t>(height));
  const int endOffset = startX + static_cast<int>(line.size());
  for (int at = 0; at < static_cast<int>(line.size()); ++at) {
    const int offset = startX + at;
    const int row = endRow - (endOffset / width - offset / width);
    if (row < 0 || row >= height) continue;
    std::string& cells = rows[static_cast<std::size_t>(row)];
    const auto column = static_cast<std::size_t>(offset % width);
    if (cells.size() <= column) cells.resize(column + 1, ' ');
    cells[column] = line[static_cast<std::size_t>(at)];
  }
  return rows;
}

}  // namespace console::testing_support
