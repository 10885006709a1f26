// The cells of a console screen buffer and the Win32 rules for writing,
// reading and scrolling rectangles of them, independent of any terminal.
#pragma once

#include <optional>
#include <vector>

#include "platform/console.h"

namespace win32::detail {

// A rectangle of cells, inclusive on all sides; empty when Right < Left or
// Bottom < Top.
struct CellRect {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;

  [[nodiscard]] bool empty() const { return right < left || bottom < top; }
  [[nodiscard]] bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  [[nodiscard]] static CellRect from(const SMALL_RECT& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
  [[nodiscard]] SMALL_RECT to_small_rect() const;
};

[[nodiscard]] CellRect intersect(const CellRect& a, const CellRect& b);

// What a scroll did, in terms a terminal can replay: when `regionScroll`
// is set, rows [top, bottom] of the full width moved up by `rows` (down by
// -`rows` when negative), the rows pushed past the region's edge were lost
// and the rows uncovered at the other edge were filled; `changed` holds
// every cell that may differ afterwards in any case.
struct ScrollEffect {
  struct RegionScroll {
    int top;
    int bottom;
    int rows;
    // The rows the move uncovered, full width.
    [[nodiscard]] CellRect uncovered(int width) const;
  };
  std::optional<RegionScroll> regionScroll;
  std::vector<CellRect> changed;
};

class ScreenCells {
 public:
  ScreenCells(int width, int height, WORD attributes);

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] CellRect bounds() const { return {0, 0, width_ - 1, height_ - 1}; }
  [[nodiscard]] const CHAR_INFO& at(int x, int y) const;
  void set(int x, int y, CHAR_INFO cell);

  // WriteConsoleOutputA / ReadConsoleOutputA: copies between the caller's
  // bufferSize array (starting at bufferCoord) and `region`, clipped to both
  // the screen and the array. Returns the rectangle actually copied.
  CellRect write(const CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region);
  CellRect read(CHAR_INFO* buffer, COORD bufferSize, COORD bufferCoord, const CellRect& region) const;

  // ScrollConsoleScreenBufferA on the cells.
  ScrollEffect scroll(const CellRect& source, const std::optional<CellRect>& clip, COORD destination,
                      const CHAR_INFO& fill);

 private:
  int width_;
  int height_;
  std::vector<CHAR_INFO> cells_;
};

}  // namespace win32::detail
