// The bit masks and row lookup of the 8 x 8 fill patterns.
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

}  // namespace graph
