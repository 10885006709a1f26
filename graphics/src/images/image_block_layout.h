// The image block as the image routines read and write it: a 12-byte header
// (width - 1, height - 1, reserved; 32-bit little-endian each) followed by
// the colour numbers as 16-bit little-endian values, row by row from the top.
// Blocks are untyped caller memory with no alignment promise, so every field
// goes through these byte-wise accessors.
#pragma once

#include <cstddef>
#include <cstdint>

namespace graph::image_block {

inline constexpr std::int64_t kHeaderBytes = 12;
inline constexpr std::int64_t kBytesPerPixel = 2;

inline void StoreLE16(void* at, std::uint16_t value) {
  auto* bytes = static_cast<std::uint8_t*>(at);
  bytes[0] = static_cast<std::uint8_t>(value);
  bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

[[nodiscard]] inline std::uint16_t LoadLE16(const void* at) {
  const auto* bytes = static_cast<const std::uint8_t*>(at);
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline void StoreLE32(void* at, std::int32_t value) {
  auto* bytes = static_cast<std::uint8_t*>(at);
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

[[nodiscard]] inline std::int32_t LoadLE32(const void* at) {
  const auto* bytes = static_cast<const std::uint8_t*>(at);
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

// The exact number of bytes of the block for a width x height image; 64-bit,
// so that it never wraps (negative extents give the header alone or less).
[[nodiscard]] constexpr std::int64_t BlockBytes(std::int64_t width, std::int64_t height) {
  return width * height * kBytesPerPixel + kHeaderBytes;
}

[[nodiscard]] inline const std::uint8_t* Pixels(const void* block) {
  return static_cast<const std::uint8_t*>(block) + kHeaderBytes;
}
[[nodiscard]] inline std::uint8_t* Pixels(void* block) {
  return static_cast<std::uint8_t*>(block) + kHeaderBytes;
}

}  // namespace graph::image_block
