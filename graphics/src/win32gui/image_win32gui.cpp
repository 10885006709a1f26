// PutImageWin32GUI: an image is drawn into the backing bitmap only, under
// one hold of the drawing lock, and reaches the window through a single
// repaint request for its whole rectangle instead of pixel by pixel.
#include "images/image_placement.h"
#include "platform/user.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

void PutImageWin32GUI(std::int16_t x, std::int16_t y, const void* block, std::uint16_t operation) {
  if (!WindowRunning()) return;
  const ImagePlacement placement = PlaceImage(x, y, block);
  const std::uint16_t savedColor = CurrentColor;
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = operation;
  // Held across the whole image so that a repaint never shows half of it;
  // each DirectPutPixel enters the recursive lock again.
  if (const auto drawing = DrawOnTheWindow()) {
    const bool savedDrawToScreen = DrawToScreen;
    DrawToScreen = false;
    DrawPlacedImage(placement, block);
    DrawToScreen = savedDrawToScreen;
  }
  // Asked for after the lock is released: the window thread takes the same
  // lock when it repaints.
  if (!placement.Empty()) {
    const win32::RECT drawn{placement.Left, placement.Top, placement.Right + 1, placement.Bottom + 1};
    (void)win32::InvalidateRect(MainWindow, &drawn, win32::FALSE);
  }
  CurrentWriteMode = savedWriteMode;
  CurrentColor = savedColor;
}

}  // namespace graph
