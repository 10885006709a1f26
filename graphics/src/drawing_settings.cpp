// The setters and getters of the drawing settings: colour, background,
// write mode, fill style and pattern, aspect ratio. A value out of range
// sets GraphResult to -11 and changes nothing.
#include "graphics/graph.h"

namespace graph {

// Any colour number is kept: the driver takes one beyond the palette modulo
// the palette's size, as it does for PutPixel's colour.
void SetColor(std::uint16_t color) { CurrentColor = color; }

std::uint16_t GetColor() { return CurrentColor; }

std::uint16_t GetBkColor() { return CurrentBkColor; }

void SetWriteMode(std::uint16_t mode) {
  if (mode > NotPut) {
    GraphResult = grError;
    return;
  }
  CurrentWriteMode = mode;
}

// UserFill selects the pattern that SetFillPattern stored last.
void SetFillStyle(std::uint16_t pattern, std::uint16_t color) {
  if (pattern > UserFill) {
    GraphResult = grError;
    return;
  }
  FillSettings = FillSettingsType{.Pattern = pattern, .Color = color};
}

void SetFillPattern(const FillPattern& pattern, std::uint16_t color) {
  FillPatternTable[UserFill] = pattern;
  FillSettings = FillSettingsType{.Pattern = UserFill, .Color = color};
}

void GetFillSettings(FillSettingsType& fillInfo) { fillInfo = FillSettings; }

void GetFillPattern(FillPattern& pattern) { pattern = FillPatternTable[UserFill]; }

// A term of 0 would make every radius infinite; it is refused.
void SetAspectRatio(std::uint16_t xAspect, std::uint16_t yAspect) {
  if (xAspect == 0 || yAspect == 0) {
    GraphResult = grError;
    return;
  }
  XAspect = xAspect;
  YAspect = yAspect;
}

void GetAspectRatio(std::uint16_t& xAspect, std::uint16_t& yAspect) {
  xAspect = XAspect;
  yAspect = YAspect;
}

}  // namespace graph
