// Reading back the PNG that GRAPH_SNAPSHOT leaves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demos::testing {

struct Snapshot {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint32_t> Pixels;  // 0xRRGGBB, row by row

  [[nodiscard]] std::uint32_t At(std::int32_t x, std::int32_t y) const {
    return Pixels[static_cast<std::size_t>(y * Width + x)];
  }
};

// False when the file is missing or not a PNG.
[[nodiscard]] bool ReadSnapshot(const std::string& path, Snapshot* snapshot);

// The 0xRRGGBB value of a colour index of the default palette.
[[nodiscard]] std::uint32_t DefaultColorValue(std::uint16_t color);

}  // namespace demos::testing
