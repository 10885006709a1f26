// Text metrics, placement by justification and the translation table.
#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/text.h"
#include "text_support.h"

namespace graph {

const FontRec* CurrentStrokedFont() {
  const std::uint16_t font = CurrentTextInfo.Font;
  if (font == DefaultFont || font > MaxFonts) return nullptr;
  return &Fonts[font];
}

bool UnknownFontSelected() { return CurrentTextInfo.Font > MaxFonts; }

std::int32_t TruncateToInt(float value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<float>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (value >= static_cast<float>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(value);
}

std::int32_t RoundToInt(float value) { return TruncateToInt(std::nearbyint(value)); }

namespace {

// An extent in pixels as the metrics report it: 0 to 65535, never wrapped.
[[nodiscard]] std::uint16_t ToExtent(std::int64_t pixels) {
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(pixels, 0, std::numeric_limits<std::uint16_t>::max()));
}

}  // namespace

std::uint16_t TextWidth(const GraphString& text) {
  if (UnknownFontSelected()) return 0;
  const FontRec* font = CurrentStrokedFont();
  if (font == nullptr) {
    return ToExtent(static_cast<std::int64_t>(text.size()) * 8 * CurrentTextInfo.CharSize);
  }
  const GraphString converted = ConvertString(text);
  // 255 characters of up to 255 units each: the sum needs more than 16 bits.
  std::int32_t sum = 0;
  for (const char ch : converted.view()) {
    const auto code = static_cast<std::uint8_t>(ch);
    if (code - font->Header.FirstChar < font->Header.NrChars) {
      sum += font->Widths[code];
    }
  }
  return ToExtent(RoundToInt(static_cast<float>(sum) * CurrentXRatio));
}

std::uint16_t TextHeight(const GraphString&) {
  if (UnknownFontSelected()) return 0;
  const FontRec* font = CurrentStrokedFont();
  if (font == nullptr) return ToExtent(8 * std::int64_t{CurrentTextInfo.CharSize});
  const int extent = font->Header.OrgToCap - font->Header.OrgToDec;
  return ToExtent(TruncateToInt(static_cast<float>(extent) * CurrentYRatio));
}

void GetTextPosition(std::int32_t& xOffset, std::int32_t& yOffset, const GraphString& text) {
  const std::int32_t width = TextWidth(text);
  const std::int32_t height = TextHeight(text);
  const bool bitmap = CurrentTextInfo.Font == DefaultFont;
  const bool vertical = CurrentTextInfo.Direction == VertDir;

  // Along the writing direction the extent is W, across it H; a vertical
  // text is measured along y. Justification values beyond 0 to 2 and
  // directions beyond 0 and 1 leave the anchor where it is.
  const std::int32_t horizontalExtent = vertical ? height : width;
  const std::int32_t verticalExtent = vertical ? width : height;
  switch (CurrentTextInfo.Horiz) {
    case CenterText: xOffset = horizontalExtent / 2; break;
    case RightText: xOffset = horizontalExtent; break;
    default: xOffset = 0; break;
  }
  // A horizontal bitmap text is drawn from the top of its cells, so its
  // offsets go up; stroked text and vertical text go down from the baseline.
  const bool upward = bitmap && !vertical;
  switch (CurrentTextInfo.Vert) {
    case BottomText: yOffset = upward ? -verticalExtent : 0; break;
    case CenterText: yOffset = upward ? -(verticalExtent / 2) : verticalExtent / 2; break;
    case TopText: yOffset = upward ? 0 : verticalExtent; break;
    default: yOffset = 0; break;
  }
}

TextAnchor AnchorText(std::int16_t x, std::int16_t y, const GraphString& text) {
  std::int32_t xOffset = 0;
  std::int32_t yOffset = 0;
  GetTextPosition(xOffset, yOffset, text);
  return TextAnchor{static_cast<std::int16_t>(x - xOffset), static_cast<std::int16_t>(y + yOffset)};
}

GraphString ConvertString(const GraphString& text) {
  if (GraphStringTransTable == nullptr) return text;
  std::array<char, 255> converted{};
  const std::string_view source = text.view();
  for (std::size_t i = 0; i < source.size(); ++i) {
    converted[i] = static_cast<char>((*GraphStringTransTable)[static_cast<std::uint8_t>(source[i])]);
  }
  return GraphString(std::string_view(converted.data(), source.size()));
}

}  // namespace graph
