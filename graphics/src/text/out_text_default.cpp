// OutTextXYDefault: the generic text routine. The bitmap font goes pixel by
// pixel through the PutPixel slot, stroked fonts segment by segment through
// the Line slot, so it needs nothing of a driver beyond those two slots.
#include <limits>

#include "graphics/text.h"
#include "text_support.h"

namespace graph {

namespace {

void PlotTextPixel(std::int32_t x, std::int32_t y, std::uint16_t color) {
  // Pixels beyond the 16-bit coordinate range are dropped, never wrapped
  // onto the other side of the screen.
  constexpr std::int32_t kLow = std::numeric_limits<std::int16_t>::min();
  constexpr std::int32_t kHigh = std::numeric_limits<std::int16_t>::max();
  if (x < kLow || x > kHigh || y < kLow || y > kHigh) return;
  PutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), color);
}

// One font pixel of character `index`: a square of size x size screen
// pixels, placed by the direction of writing.
void PlotFontPixel(const TextAnchor& anchor, std::int32_t index, std::int32_t row,
                   std::int32_t column, std::int32_t size, bool vertical, std::uint16_t color) {
  if (size == 1) {
    if (vertical) {
      PlotTextPixel(anchor.X + row, anchor.Y - 8 * index - column, color);
    } else {
      PlotTextPixel(anchor.X + 8 * index + column, anchor.Y + row, color);
    }
    return;
  }
  for (std::int32_t dy = 0; dy < size; ++dy) {
    for (std::int32_t dx = 0; dx < size; ++dx) {
      if (vertical) {
        PlotTextPixel(anchor.X + size * row - dx, anchor.Y - 8 * size * index - size * column + dy,
                      color);
      } else {
        PlotTextPixel(anchor.X + 8 * size * index + size * column + dx, anchor.Y + size * row + dy,
                      color);
      }
    }
  }
}

void OutBitmapText(std::int16_t x, std::int16_t y, const GraphString& text) {
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = CopyPut;
  const TextAnchor anchor = AnchorText(x, y, text);
  const GraphString converted = ConvertString(text);
  const std::int32_t size = CurrentTextInfo.CharSize;
  const bool vertical = CurrentTextInfo.Direction == VertDir;

  std::int32_t index = 0;
  for (const char ch : converted.view()) {
    const Glyph& glyph = DefaultFontData[static_cast<std::uint8_t>(ch)];
    for (std::int32_t row = 0; row < 8; ++row) {
      for (std::int32_t column = 0; column < 8; ++column) {
        if (glyph[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] != 0) {
          PlotFontPixel(anchor, index, row, column, size, vertical, CurrentColor);
        } else if (DrawTextBackground) {
          PlotFontPixel(anchor, index, row, column, size, vertical, CurrentBkColor);
        }
      }
    }
    ++index;
  }
  CurrentWriteMode = savedWriteMode;
}

}  // namespace

void OutTextXYDefault(std::int16_t x, std::int16_t y, const GraphString& text) {
  if (CurrentTextInfo.Font == DefaultFont) {
    OutBitmapText(x, y, text);
  } else {
    OutStrokedText(x, y, text, true);
  }
}

}  // namespace graph
