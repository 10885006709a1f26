// GetScanLineWin32GUI: one row of colour numbers read in place from the
// backing bitmap's pixels under a single hold of the drawing lock, with
// the same values that GetPixel gives pixel by pixel. A row is usually a few
// colours in long runs, so the nearest-colour lookup is made once per change
// of colour.
#include <algorithm>
#include <cstring>

#include "images/image_block_layout.h"
#include "platform/gdi.h"
#include "win32gui/pixel_writing.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

// Without a window every pixel reads as 0 and GraphResult is -11; a point
// outside the viewport (with clipping on) or the bitmap reads as 0. So the
// row holds what GetPixel gives pixel by pixel.
void GetScanLineWin32GUI(std::int16_t x1, std::int16_t x2, std::int16_t y, void* data) {
  auto* out = static_cast<std::uint8_t*>(data);
  const std::int32_t count = std::int32_t{x2} - x1 + 1;
  if (count <= 0) return;
  // Colour 0 is two zero bytes.
  std::memset(out, 0, static_cast<std::size_t>(count) * image_block::kBytesPerPixel);
  const auto drawing = DrawOnTheWindow();
  if (!drawing) {
    GraphResult = grError;
    return;
  }
  // The columns that may be read, as offsets into the row.
  std::int32_t first = 0;
  std::int32_t last = count - 1;
  if (ClipPixels) {
    if (y < 0 || y > ViewHeight) return;
    first = std::max<std::int32_t>(first, -std::int32_t{x1});
    last = std::min<std::int32_t>(last, std::int32_t{ViewWidth} - x1);
  }
  // The bitmap keeps the size of the window it was made for, which a later
  // mode set does not change.
  const std::int32_t row = std::int32_t{y} + StartYViewPort;
  const std::int32_t column0 = std::int32_t{x1} + StartXViewPort;
  if (row < 0 || row >= SavedScreenHeight) return;
  first = std::max(first, -column0);
  last = std::min(last, SavedScreenWidth - 1 - column0);
  // No pixel has its top byte set, so none equals the starting value.
  std::uint32_t lastPixel = 0xFFFFFFFF;
  std::uint16_t lastIndex = 0;
  for (std::int32_t i = first; i <= last; ++i) {
    const std::uint32_t pixel = BitmapPixelAt(column0 + i, row);
    if (pixel != lastPixel) {
      lastPixel = pixel;
      const win32::COLORREF value = ColorValueOfBitmapPixel(pixel);
      lastIndex = GetPaletteEntry(win32::GetRValue(value), win32::GetGValue(value), win32::GetBValue(value));
    }
    image_block::StoreLE16(out + i * image_block::kBytesPerPixel, lastIndex);
  }
}

}  // namespace graph
