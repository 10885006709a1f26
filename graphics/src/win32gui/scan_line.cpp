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

namespace {

// The first position from `from` on (up to `to`) whose pixel differs from
// `pixel`; eight pixels are compared at a time while they all match.
std::int32_t EndOfRun(const std::uint32_t* pixels, std::int32_t from, std::int32_t to, std::uint32_t pixel) {
  constexpr std::int32_t kBlock = 8;
  while (to - from >= kBlock) {
    std::uint32_t differs = 0;
    for (std::int32_t k = 0; k < kBlock; ++k) differs |= pixels[from + k] ^ pixel;
    if (differs != 0) break;
    from += kBlock;
  }
  while (from < to && pixels[from] == pixel) ++from;
  return from;
}

// Stores `count` copies of a colour number from `at` on: the first one, then
// each copy of what is stored so far doubles it.
void FillRow(std::uint8_t* at, std::int32_t count, std::uint16_t index) {
  const std::size_t bytes = static_cast<std::size_t>(count) * image_block::kBytesPerPixel;
  image_block::StoreLE16(at, index);
  for (std::size_t done = image_block::kBytesPerPixel; done < bytes; done *= 2) {
    std::memcpy(at + done, at, std::min(done, bytes - done));
  }
}

}  // namespace

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
  // The loop reads a row pointer of its own: stores through the byte
  // pointer `out` could otherwise alias the bitmap's globals and make every
  // pixel reload them.
  const std::uint32_t* rowPixels = &BitmapPixelAt(0, row);
  std::int32_t i = first;
  while (i <= last) {
    const std::uint32_t pixel = rowPixels[column0 + i];
    const std::int32_t end = EndOfRun(rowPixels, column0 + i + 1, column0 + last + 1, pixel) - column0;
    const win32::COLORREF value = ColorValueOfBitmapPixel(pixel);
    const std::uint16_t index =
        GetPaletteEntry(win32::GetRValue(value), win32::GetGValue(value), win32::GetBValue(value));
    FillRow(out + i * image_block::kBytesPerPixel, end - i, index);
    i = end;
  }
}

}  // namespace graph
