// A checked image: an image block that owns its bytes, so that a program can
// save, build and put back screen areas without handing raw memory to
// GetImage and PutImage. Its block is exactly the block those routines use
// (header width - 1, height - 1, reserved 0, then 16-bit colour numbers row
// by row), so it can be passed wherever a block is expected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace graph {

class Image {
 public:
  // The largest side an image may have: a 16-bit screen's full width.
  static constexpr std::int32_t kMaxSide = 65536;

  // A width x height image of colour 0; nothing when a side is below 1 or
  // above kMaxSide, or the block would exceed a 32-bit signed size.
  [[nodiscard]] static std::optional<Image> Blank(std::int32_t width, std::int32_t height);

  // A copy of a block, accepted only when its header describes a positive
  // extent and the block holds at least as many bytes as the header claims.
  [[nodiscard]] static std::optional<Image> FromBlock(std::span<const std::byte> block);

  // Reads the viewport-relative rectangle (x1, y1)-(x2, y2) through the
  // GetImage hook; nothing when x1 > x2 or y1 > y2.
  [[nodiscard]] static std::optional<Image> Capture(std::int16_t x1, std::int16_t y1,
                                                    std::int16_t x2, std::int16_t y2);

  [[nodiscard]] std::int32_t Width() const { return width_; }
  [[nodiscard]] std::int32_t Height() const { return height_; }

  // The colour number at column x, row y of the image; nothing outside it.
  [[nodiscard]] std::optional<std::uint16_t> At(std::int32_t x, std::int32_t y) const;
  // Sets one pixel; false (and nothing changed) outside the image.
  [[nodiscard]] bool Set(std::int32_t x, std::int32_t y, std::uint16_t color);

  // Puts the image with its top-left pixel at viewport-relative (x, y)
  // through the PutImage hook with the write mode (CopyPut .. NotPut).
  void Put(std::int16_t x, std::int16_t y, std::uint16_t writeMode) const;

  // The whole block, header included.
  [[nodiscard]] std::span<const std::byte> Block() const { return bytes_; }

 private:
  Image(std::int32_t width, std::int32_t height);
  [[nodiscard]] std::size_t Offset(std::int32_t x, std::int32_t y) const;

  std::int32_t width_;
  std::int32_t height_;
  std::vector<std::byte> bytes_;
};

}  // namespace graph
