// The bit masks and row lookup of the 8 x 8 fill patterns, and the rows of
// filled shapes drawn with them.
#pragma once

#include <array>
#include <cstdint>

namespace graph {

// Entry i is the mask of column i of an 8-pixel pattern byte; the most
// significant bit is the leftmost column.
inline constexpr std::array<std::uint8_t, 8> RevBitArray = {0x80, 0x40, 0x20, 0x10,
                                                            0x08, 0x04, 0x02, 0x01};

// The pattern byte of absolute screen row `row` for fill pattern `pattern`.
// A pattern number without a row in FillPatternTable (above 12; nothing in
// the library sets one) fills solid, like the default pattern, rather than
// reading past the table.
[[nodiscard]] std::uint8_t FillPatternRow(std::uint16_t pattern, std::int32_t row);

// A viewport-relative row in the fill pattern, clipped to the viewport: set
// bits in CurrentColor, clear bits in CurrentBkColor, both with the current
// write mode. PatternLineDefault is this row in the copy mode.
void PatternSpan(std::int16_t x1, std::int16_t x2, std::int16_t y);

// One row of a filled shape: the fill pattern in the fill colour with the
// current write mode; in the copy mode through the PatternLine slot.
// CurrentColor is left as it was.
void FillSpan(std::int16_t x1, std::int16_t x2, std::int16_t y);

}  // namespace graph
