// The device-independent image routines of the hooks table: the size of a
// block, reading a row and a rectangle pixel by pixel through GetPixel, and
// putting a block back through DirectPutPixel with a write mode.
#include <limits>

#include "graphics/graph.h"
#include "image_block_layout.h"
#include "image_placement.h"

namespace graph {

namespace {

// A block larger than a 32-bit signed size cannot be described by ImageSize;
// such rectangles are refused instead of wrapping to a small size that would
// let GetImage write far past the caller's memory.
[[nodiscard]] bool SizeFits(std::int64_t bytes) {
  return bytes <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::int32_t DefaultImageSize(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
  const std::int64_t bytes =
      image_block::BlockBytes(std::int64_t{x2} - x1 + 1, std::int64_t{y2} - y1 + 1);
  if (!SizeFits(bytes)) {
    GraphResult = grError;
    return 0;
  }
  return static_cast<std::int32_t>(bytes);
}

void GetScanLineDefault(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data) {
  auto* out = static_cast<std::uint8_t*>(data);
  for (std::int32_t x = x1; x <= x2; ++x) {
    image_block::StoreLE16(out, GetPixel(static_cast<std::int16_t>(x), y));
    out += image_block::kBytesPerPixel;
  }
}

void DefaultGetImage(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                     void* block) {
  const std::int64_t width = std::int64_t{x2} - x1 + 1;
  const std::int64_t height = std::int64_t{y2} - y1 + 1;
  if (width > 0 && height > 0) {
    if (!SizeFits(image_block::BlockBytes(width, height))) {
      GraphResult = grError;
      return;
    }
    std::uint8_t* pixels = image_block::Pixels(block);
    for (std::int32_t y = y1; y <= y2; ++y) {
      GetScanLine(x1, x2, static_cast<std::int16_t>(y),
                  pixels + (y - y1) * width * image_block::kBytesPerPixel);
    }
  }
  auto* header = static_cast<std::uint8_t*>(block);
  image_block::StoreLE32(header, static_cast<std::int32_t>(x2 - x1));
  image_block::StoreLE32(header + 4, static_cast<std::int32_t>(y2 - y1));
  image_block::StoreLE32(header + 8, 0);
}

void DefaultPutImage(std::int16_t x, std::int16_t y, const void* block, std::uint16_t operation) {
  const ImagePlacement placement = PlaceImage(x, y, block);
  const std::uint16_t savedColor = CurrentColor;
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = operation;
  DrawPlacedImage(placement, block);
  CurrentWriteMode = savedWriteMode;
  CurrentColor = savedColor;
}

}  // namespace graph
