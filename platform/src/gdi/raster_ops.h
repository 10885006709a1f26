// Raster operations as truth tables, evaluated on all 24 bits of a colour
// value at once.
#pragma once

#include <cstdint>

namespace win32::detail {

constexpr std::uint32_t kColourBits = 0x00FFFFFF;

// A binary raster operation (R2_BLACK 1 .. R2_WHITE 16): mode - 1 is a
// 4-entry truth table indexed by (pen bit << 1) | destination bit.
constexpr std::uint32_t apply_rop2(int mode, std::uint32_t pen, std::uint32_t destination) {
  const unsigned table = static_cast<unsigned>(mode - 1) & 0xF;
  std::uint32_t result = 0;
  if (table & 0x1) result |= ~pen & ~destination;
  if (table & 0x2) result |= ~pen & destination;
  if (table & 0x4) result |= pen & ~destination;
  if (table & 0x8) result |= pen & destination;
  return result & kColourBits;
}

// A ternary raster operation's truth-table byte: bit (p << 2 | s << 1 | d)
// is the result for pattern bit p, source bit s and destination bit d.
constexpr std::uint32_t apply_rop3(std::uint8_t table, std::uint32_t pattern, std::uint32_t source,
                                   std::uint32_t destination) {
  std::uint32_t result = 0;
  for (unsigned minterm = 0; minterm < 8; ++minterm) {
    if (!((table >> minterm) & 1u)) continue;
    const std::uint32_t p = (minterm & 4u) ? pattern : ~pattern;
    const std::uint32_t s = (minterm & 2u) ? source : ~source;
    const std::uint32_t d = (minterm & 1u) ? destination : ~destination;
    result |= p & s & d;
  }
  return result & kColourBits;
}

// Whether a ternary operation's result depends on the source at all, so
// that BitBlt can do without a source context.
constexpr bool rop3_uses_source(std::uint8_t table) {
  return ((table >> 2) & 0x33u) != (table & 0x33u);
}
constexpr bool rop3_uses_destination(std::uint8_t table) {
  return ((table >> 1) & 0x55u) != (table & 0x55u);
}

}  // namespace win32::detail
