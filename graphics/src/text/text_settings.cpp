// The checked setters of the text settings, and the scale of stroked text.
#include "graphics/text.h"

namespace graph {

namespace {

// Stroked text at size s draws each font unit as 2s/3 pixels: the common
// faces, 32 units from the bottom of their descenders to their top, stand
// 21 pixels high at size 1 (small but legible, the script and gothic faces
// included) and 213 at size 10.
[[nodiscard]] float StrokedRatio(std::uint16_t charSize) {
  return static_cast<float>(2 * charSize) / 3.0F;
}

}  // namespace

void SetTextStyle(std::uint16_t font, std::uint16_t direction, std::uint16_t charSize) {
  const bool stroked = font != DefaultFont;
  if (font > InstalledFonts || direction > VertDir || (charSize == UserCharSize && !stroked)) {
    GraphResult = grError;
    return;
  }
  CurrentTextInfo.Font = font;
  CurrentTextInfo.Direction = direction;
  CurrentTextInfo.CharSize = charSize;
  if (stroked && charSize != UserCharSize) {
    CurrentXRatio = StrokedRatio(charSize);
    CurrentYRatio = CurrentXRatio;
  }
}

void SetUserCharSize(std::uint16_t multX, std::uint16_t divX, std::uint16_t multY,
                     std::uint16_t divY) {
  if (divX == 0 || divY == 0) {
    GraphResult = grError;
    return;
  }
  CurrentXRatio = static_cast<float>(multX) / static_cast<float>(divX);
  CurrentYRatio = static_cast<float>(multY) / static_cast<float>(divY);
  if (CurrentTextInfo.Font != DefaultFont) CurrentTextInfo.CharSize = UserCharSize;
}

void SetTextJustify(std::uint16_t horiz, std::uint16_t vert) {
  if (horiz > RightText || vert > TopText) {
    GraphResult = grError;
    return;
  }
  CurrentTextInfo.Horiz = horiz;
  CurrentTextInfo.Vert = vert;
}

void GetTextSettings(TextSettingsType& settings) { settings = CurrentTextInfo; }

}  // namespace graph
