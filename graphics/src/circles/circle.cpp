// CircleDefault: a full ellipse of equal radii through the InternalEllipse
// hook, drawn without touching ArcCall.
#include "graphics/graph.h"

namespace graph {

void CircleDefault(std::int16_t x, std::int16_t y, std::uint16_t radius) {
  if (radius == 0) return;
  if (radius == 1) {
    PutPixel(x, y, CurrentColor);
    return;
  }
  const ArcCoordsType savedArc = ArcCall;
  // A thin circle is always copied; a thick one keeps the write mode, as the
  // thick lines do.
  const bool thin = LineInfo.Thickness == NormWidth;
  const std::uint16_t savedWriteMode = CurrentWriteMode;
  if (thin) CurrentWriteMode = CopyPut;
  InternalEllipse(x, y, radius, radius, 0, 360, &DummyPatternLine);
  if (thin) CurrentWriteMode = savedWriteMode;
  ArcCall = savedArc;
}

}  // namespace graph
