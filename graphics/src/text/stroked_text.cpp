// Stroked text: each character's strokes, scaled by CurrentXRatio and
// CurrentYRatio, drawn as solid normal-width segments through the Line slot.
#include <limits>

#include "graphics/text.h"
#include "text_support.h"

namespace graph {

namespace {

[[nodiscard]] std::int16_t ToCoordinate(float value) {
  const std::int32_t truncated = TruncateToInt(value);
  if (truncated < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  if (truncated > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(truncated);
}

}  // namespace

void OutStrokedText(std::int16_t x, std::int16_t y, const GraphString& text, bool convert) {
  const FontRec* font = CurrentStrokedFont();
  if (font == nullptr) return;

  const std::uint16_t savedWriteMode = CurrentWriteMode;
  CurrentWriteMode = CopyPut;
  const TextAnchor anchor = AnchorText(x, y, text);
  LineSettingsType savedLine{};
  GetLineSettings(savedLine);
  SetLineStyle(SolidLn, savedLine.Pattern, NormWidth);

  const bool vertical = CurrentTextInfo.Direction == VertDir;
  float originX = anchor.X;
  float originY = anchor.Y;
  if (vertical) originX += static_cast<float>(TextHeight(text));
  float penX = originX;
  float penY = originY;

  // The anchor is measured on the text as given (TextWidth translates it
  // itself); the characters drawn are the translated ones.
  const GraphString drawn = convert ? ConvertString(text) : text;
  for (const char ch : drawn.view()) {
    const auto code = static_cast<std::uint8_t>(ch);
    const std::int16_t count = Unpack(font->Data, font->DataSize, font->Offsets[code], Strokes);
    for (std::int16_t k = 0; k < count; ++k) {
      const TStroke& stroke = Strokes[static_cast<std::size_t>(k)];
      if (stroke.Opcode == StrokeOp::End) break;
      const float targetX = vertical ? originX - static_cast<float>(stroke.Y) * CurrentYRatio
                                     : originX + static_cast<float>(stroke.X) * CurrentXRatio;
      const float targetY = vertical ? originY - static_cast<float>(stroke.X) * CurrentXRatio
                                     : originY - static_cast<float>(stroke.Y) * CurrentYRatio;
      if (stroke.Opcode == StrokeOp::Draw) {
        Line(ToCoordinate(penX), ToCoordinate(penY), ToCoordinate(targetX), ToCoordinate(targetY));
      }
      if (stroke.Opcode == StrokeOp::Move || stroke.Opcode == StrokeOp::Draw) {
        penX = targetX;
        penY = targetY;
      }
    }
    const float advance = static_cast<float>(font->Widths[code]) * CurrentXRatio;
    if (vertical) {
      originY -= advance;
    } else {
      originX += advance;
    }
  }

  SetLineStyle(savedLine.LineStyle, savedLine.Pattern, savedLine.Thickness);
  CurrentWriteMode = savedWriteMode;
}

}  // namespace graph
