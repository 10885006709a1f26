// GetScanLineWin32GUI: one row of colour numbers read from the backing
// bitmap as a whole scan line under a single hold of the drawing lock, with
// the same values that GetPixel gives pixel by pixel. A row is usually a few
// colours in long runs, so the nearest-colour lookup is made once per change
// of colour.
#include <algorithm>
#include <cstring>
#include <vector>

#include "images/image_block_layout.h"
#include "platform/gdi.h"
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
  if (!WindowRunning()) {
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
  const std::int32_t row = std::int32_t{y} + StartYViewPort;
  const std::int32_t column0 = std::int32_t{x1} + StartXViewPort;
  DrawingLock lock;
  if (!WindowRunning()) {
    GraphResult = grError;
    return;
  }
  // The bitmap keeps the size of the window it was made for, which a later
  // mode set does not change.
  win32::BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(win32::BITMAPINFOHEADER);
  if (win32::GetDIBits(BitmapDC, SavedScreen, 0, 0, nullptr, &info, win32::DIB_RGB_COLORS) == 0) {
    return;
  }
  const std::int32_t width = info.bmiHeader.biWidth;
  const std::int32_t height = info.bmiHeader.biHeight;
  if (row < 0 || row >= height) return;
  std::vector<std::uint8_t> scan(static_cast<std::size_t>(width) * 4);
  const auto scanLine = static_cast<win32::UINT>(height - 1 - row);  // bottom row first
  if (win32::GetDIBits(BitmapDC, SavedScreen, scanLine, 1, scan.data(), &info,
                       win32::DIB_RGB_COLORS) != 1) {
    return;
  }
  first = std::max(first, -column0);
  last = std::min(last, width - 1 - column0);
  // A pixel's four bytes are compared whole; its fourth byte is always 0, so
  // no pixel equals the starting value.
  std::uint32_t lastPixel = 0xFFFFFFFF;
  std::uint16_t lastIndex = 0;
  for (std::int32_t i = first; i <= last; ++i) {
    const std::uint8_t* pixel = scan.data() + static_cast<std::size_t>(column0 + i) * 4;
    std::uint32_t bytes = 0;
    std::memcpy(&bytes, pixel, 4);
    if (bytes != lastPixel) {
      lastPixel = bytes;
      lastIndex = GetPaletteEntry(pixel[2], pixel[1], pixel[0]);  // red, green, blue
    }
    image_block::StoreLE16(out + i * image_block::kBytesPerPixel, lastIndex);
  }
}

}  // namespace graph
