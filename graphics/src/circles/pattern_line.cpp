// The span routines: PatternLineDefault fills a row with the current fill
// pattern, anchored to absolute screen columns and rows; FillSpan is the row
// of a filled shape in its write mode; DummyPatternLine is the span routine
// of an outline that is not filled.
#include <utility>

#include "fill_pattern.h"
#include "graphics/graph.h"
#include "line_clipping.h"

namespace graph {

namespace {

// Runs the HLine hook on absolute columns of absolute row `y`.
void AbsoluteRun(std::int32_t x1, std::int32_t x2, std::int32_t y) {
  HLine(static_cast<std::int16_t>(x1 - StartXViewPort),
        static_cast<std::int16_t>(x2 - StartXViewPort),
        static_cast<std::int16_t>(y - StartYViewPort));
}

void PlotInColor(std::int32_t x, std::int32_t y, std::uint16_t color) {
  const std::uint16_t savedColor = CurrentColor;
  CurrentColor = color;
  DirectPutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
  CurrentColor = savedColor;
}

}  // namespace

std::uint8_t FillPatternRow(std::uint16_t pattern, std::int32_t row) {
  const std::uint16_t index = pattern < FillPatternTable.size() ? pattern : SolidFill;
  return FillPatternTable[index][static_cast<std::size_t>(row & 7)];
}

void PatternSpan(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  // Absolute coordinates are formed in 32 bits: the open ends of a partial
  // arc (-32767 and 32766) plus a viewport origin must not wrap round.
  std::int32_t left = std::int32_t{x1} + StartXViewPort;
  std::int32_t right = std::int32_t{x2} + StartXViewPort;
  if (left > right) std::swap(left, right);
  std::int32_t row = std::int32_t{y} + StartYViewPort;
  std::int32_t sameRow = row;
  // Spans are clipped to the viewport whatever ClipPixels says.
  if (ClipSegment(left, row, right, sameRow, ViewportClipRect())) return;

  const std::uint8_t bits = FillPatternRow(FillSettings.Pattern, row);
  if (bits == 0x00) {
    const std::uint16_t savedColor = CurrentColor;
    CurrentColor = CurrentBkColor;
    AbsoluteRun(left, right, row);
    CurrentColor = savedColor;
  } else if (bits == 0xFF) {
    AbsoluteRun(left, right, row);
  } else {
    for (std::int32_t column = left; column <= right; ++column) {
      if ((bits & RevBitArray[static_cast<std::size_t>(column & 7)]) != 0) {
        DirectPutPixel(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
      } else {
        PlotInColor(column, row, CurrentBkColor);
      }
    }
  }
}

void PatternLineDefault(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = CopyPut;
  PatternSpan(x1, x2, y);
  CurrentWriteMode = savedWriteMode;
}

void FillSpan(std::int16_t x1, std::int16_t x2, std::int16_t y) {
  const std::uint16_t savedColor = CurrentColor;
  CurrentColor = FillSettings.Color;
  if (CurrentWriteMode == CopyPut) {
    PatternLine(x1, x2, y);
  } else {
    PatternSpan(x1, x2, y);
  }
  CurrentColor = savedColor;
}

void DummyPatternLine(std::int16_t, std::int16_t, std::int16_t) {}

}  // namespace graph
