// The stroke encoding of the stroked fonts: two bytes per stroke, the
// opcode in their top bits and a 7-bit two's-complement coordinate in the
// low bits of each.
#include "graphics/text.h"

namespace graph {

namespace {

[[nodiscard]] std::int16_t SevenBitSigned(std::uint8_t byte) {
  const int value = byte & 0x7F;
  return static_cast<std::int16_t>(value >= 0x40 ? value - 0x80 : value);
}

}  // namespace

StrokeOp Decode(std::uint8_t first, std::uint8_t second, std::int16_t& x, std::int16_t& y) {
  x = SevenBitSigned(first);
  y = SevenBitSigned(second);
  return static_cast<StrokeOp>(((first >> 7) << 1) | (second >> 7));
}

std::int16_t Unpack(const std::uint8_t* data, std::int32_t dataSize, std::int16_t start,
                    TStrokes& strokes) {
  if (data == nullptr || start < 0 || start >= dataSize) return 0;
  std::int16_t count = 0;
  for (std::int32_t at = start; at + 1 < dataSize && static_cast<std::size_t>(count) < MaxStrokes;
       at += 2) {
    TStroke& stroke = strokes[static_cast<std::size_t>(count)];
    stroke.Opcode = Decode(data[at], data[at + 1], stroke.X, stroke.Y);
    ++count;
    if (stroke.Opcode == StrokeOp::End) break;
  }
  return count;
}

}  // namespace graph
