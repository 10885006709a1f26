// Helpers shared by the two OutTextXY routines.
#pragma once

#include <cstdint>

#include "graphics/graph.h"

namespace graph {

// The stroked font that CurrentTextInfo selects, or null for the bitmap font
// and for font numbers beyond the table (which draw and measure nothing).
[[nodiscard]] const FontRec* CurrentStrokedFont();

// True when CurrentTextInfo selects a font number beyond the stroked-font
// table: such text is neither measured nor drawn.
[[nodiscard]] bool UnknownFontSelected();

struct TextAnchor {
  std::int16_t X;
  std::int16_t Y;
};

// Where the text starts after justification: (x - x offset, y + y offset),
// each kept to 16 bits.
[[nodiscard]] TextAnchor AnchorText(std::int16_t x, std::int16_t y, const GraphString& text);

// Float to a 32-bit integer, truncated toward zero or rounded to nearest
// (ties to even); saturating, and 0 for a NaN, so that no ratio can make the
// conversion undefined.
[[nodiscard]] std::int32_t TruncateToInt(float value);
[[nodiscard]] std::int32_t RoundToInt(float value);

// Draws stroked text with the current settings through the Line slot,
// through GraphStringTransTable when `convert` is set.
void OutStrokedText(std::int16_t x, std::int16_t y, const GraphString& text, bool convert);

}  // namespace graph
