// Where a put image lands: the header's extent placed at a viewport-relative
// point, clipped once to the viewport (when ClipPixels is on) and always to
// the 16-bit coordinate range, so that the drawing loop needs no checks and
// reads exactly the pixels of the block that its header describes.
#pragma once

#include <cstdint>

namespace graph {

struct ImagePlacement {
  std::int64_t Width = 0;   // pixels per image row, from the header
  std::int64_t Height = 0;  // image rows, from the header
  // The absolute screen rectangle to draw, both ends included; empty when
  // Right < Left or Bottom < Top.
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = -1;
  std::int32_t Bottom = -1;
  // The image pixel that lands on (Left, Top).
  std::int64_t SourceColumn = 0;
  std::int64_t SourceRow = 0;

  [[nodiscard]] bool Empty() const { return Right < Left || Bottom < Top; }
};

// Places the block with its top-left pixel at viewport-relative (x, y).
[[nodiscard]] ImagePlacement PlaceImage(std::int16_t x, std::int16_t y, const void* block);

// Puts every pixel of the placement through the DirectPutPixel hook, each in
// its colour number as CurrentColor; the caller has set CurrentWriteMode and
// restores CurrentColor afterwards.
void DrawPlacedImage(const ImagePlacement& placement, const void* block);

}  // namespace graph
