// The device-independent routine of every slot of the hooks table.
#pragma once

#include "graphics/graph.h"

namespace graph {

inline constexpr HooksTable kDefaultHooks{
    .DirectPutPixel = &DirectPutPixelDefault,
    .PutPixel = &PutPixelDefault,
    .GetPixel = &GetPixelDefault,
    .SetRGBPalette = &SetRGBPaletteDefault,
    .GetRGBPalette = &GetRGBPaletteDefault,
    .SetActivePage = &SetActivePageDefault,
    .SetVisualPage = &SetVisualPageDefault,
    .ClearViewport = &ClearViewportDefault,
    .PutImage = &DefaultPutImage,
    .GetImage = &DefaultGetImage,
    .ImageSize = &DefaultImageSize,
    .GetScanLine = &GetScanLineDefault,
    .Line = &LineDefault,
    .InternalEllipse = &InternalEllipseDefault,
    .PatternLine = &PatternLineDefault,
    .HLine = &HLineDefault,
    .VLine = &VLineDefault,
    .OutTextXY = &OutTextXYDefault,
    .Circle = &CircleDefault,
};

}  // namespace graph
