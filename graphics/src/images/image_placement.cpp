#include "image_placement.h"

#include <algorithm>
#include <limits>

#include "graphics/graph.h"
#include "image_block_layout.h"

namespace graph {

ImagePlacement PlaceImage(std::int16_t x, std::int16_t y, const void* block) {
  ImagePlacement placement;
  placement.Width = std::int64_t{image_block::LoadLE32(block)} + 1;
  placement.Height = std::int64_t{image_block::LoadLE32(static_cast<const std::uint8_t*>(block) + 4)} + 1;
  if (placement.Width <= 0 || placement.Height <= 0) return placement;

  const std::int64_t left = std::int64_t{x} + StartXViewPort;
  const std::int64_t top = std::int64_t{y} + StartYViewPort;
  std::int64_t clipLeft = std::numeric_limits<std::int16_t>::min();
  std::int64_t clipTop = std::numeric_limits<std::int16_t>::min();
  std::int64_t clipRight = std::numeric_limits<std::int16_t>::max();
  std::int64_t clipBottom = std::numeric_limits<std::int16_t>::max();
  if (ClipPixels) {
    clipLeft = std::max<std::int64_t>(clipLeft, StartXViewPort);
    clipTop = std::max<std::int64_t>(clipTop, StartYViewPort);
    clipRight = std::min<std::int64_t>(clipRight, std::int64_t{StartXViewPort} + ViewWidth);
    clipBottom = std::min<std::int64_t>(clipBottom, std::int64_t{StartYViewPort} + ViewHeight);
  }
  const std::int64_t drawLeft = std::max(left, clipLeft);
  const std::int64_t drawTop = std::max(top, clipTop);
  const std::int64_t drawRight = std::min(left + placement.Width - 1, clipRight);
  const std::int64_t drawBottom = std::min(top + placement.Height - 1, clipBottom);
  if (drawRight < drawLeft || drawBottom < drawTop) return placement;

  placement.Left = static_cast<std::int32_t>(drawLeft);
  placement.Top = static_cast<std::int32_t>(drawTop);
  placement.Right = static_cast<std::int32_t>(drawRight);
  placement.Bottom = static_cast<std::int32_t>(drawBottom);
  placement.SourceColumn = drawLeft - left;
  placement.SourceRow = drawTop - top;
  return placement;
}

void DrawPlacedImage(const ImagePlacement& placement, const void* block) {
  if (placement.Empty()) return;
  const std::uint8_t* pixels = image_block::Pixels(block);
  for (std::int32_t row = placement.Top; row <= placement.Bottom; ++row) {
    const std::int64_t sourceRow = placement.SourceRow + (row - placement.Top);
    const std::uint8_t* source =
        pixels + (sourceRow * placement.Width + placement.SourceColumn) * image_block::kBytesPerPixel;
    for (std::int32_t column = placement.Left; column <= placement.Right; ++column) {
      CurrentColor = image_block::LoadLE16(source);
      DirectPutPixel(static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
      source += image_block::kBytesPerPixel;
    }
  }
}

}  // namespace graph
