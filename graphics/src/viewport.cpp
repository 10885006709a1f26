// The viewport: the rectangle that the drawing routines' coordinates are
// relative to and that clipping keeps them inside; clearing the screen and
// the viewport.
#include "graphics/graph.h"

namespace graph {

void SetViewPort(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, bool clip) {
  if (x1 > GetMaxX() || x2 > GetMaxX() || x2 < x1 || x1 < 0 || y1 > GetMaxY() ||
      y2 > GetMaxY() || y2 < y1 || y1 < 0) {
    GraphResult = grError;
    return;
  }
  CurrentX = 0;
  CurrentY = 0;
  StartXViewPort = x1;
  StartYViewPort = y1;
  ViewWidth = static_cast<std::int16_t>(x2 - x1);
  ViewHeight = static_cast<std::int16_t>(y2 - y1);
  ClipPixels = clip;
}

void GetViewSettings(ViewPortType& viewport) {
  viewport.x1 = StartXViewPort;
  viewport.y1 = StartYViewPort;
  viewport.x2 = static_cast<std::int16_t>(StartXViewPort + ViewWidth);
  viewport.y2 = static_cast<std::int16_t>(StartYViewPort + ViewHeight);
  viewport.Clip = ClipPixels;
}

void ClearDevice() {
  CurrentX = 0;
  CurrentY = 0;
  const std::int16_t savedX = StartXViewPort;
  const std::int16_t savedY = StartYViewPort;
  const std::int16_t savedWidth = ViewWidth;
  const std::int16_t savedHeight = ViewHeight;
  const bool savedClip = ClipPixels;

  StartXViewPort = 0;
  StartYViewPort = 0;
  ViewWidth = MaxX;
  ViewHeight = MaxY;
  ClipPixels = true;
  ClearViewport();

  StartXViewPort = savedX;
  StartYViewPort = savedY;
  ViewWidth = savedWidth;
  ViewHeight = savedHeight;
  ClipPixels = savedClip;
}

// Fills the viewport row by row through the HLine hook, so the clearing is
// exactly as fast as the driver's horizontal runs.
void ClearViewportDefault() {
  CurrentX = 0;
  CurrentY = 0;
  const std::uint16_t savedColor = CurrentColor;
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentColor = CurrentBkColor;
  CurrentWriteMode = CopyPut;
  // The line settings are put back exactly as they were, pattern word and
  // pattern table included, whatever they held.
  const LineSettingsType savedLine = LineInfo;
  const std::array<bool, 16> savedPatterns = LinePatterns;
  SetLineStyle(SolidLn, 0, NormWidth);

  const std::int16_t lastRow = ViewHeight;
  for (std::int32_t row = 0; row <= lastRow; ++row) {
    HLine(0, ViewWidth, static_cast<std::int16_t>(row));
  }

  LineInfo = savedLine;
  LinePatterns = savedPatterns;
  CurrentColor = savedColor;
  CurrentWriteMode = savedWriteMode;
}

void DirectPutPixelClip(std::int16_t x, std::int16_t y) {
  if (ClipPixels) {
    const std::int32_t right = std::int32_t{StartXViewPort} + ViewWidth;
    const std::int32_t bottom = std::int32_t{StartYViewPort} + ViewHeight;
    if (x < StartXViewPort || x > right || y < StartYViewPort || y > bottom) return;
  }
  DirectPutPixel(x, y);
}

}  // namespace graph
