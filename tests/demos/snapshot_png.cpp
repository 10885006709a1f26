#include "snapshot_png.h"

#include "graphics/graph.h"
#include "png_picture.h"

namespace demos::testing {

bool ReadSnapshot(const std::string& path, Snapshot* snapshot) {
  test_support::PngPicture png;
  if (!test_support::ReadPng(path, &png)) return false;
  snapshot->Width = png.width;
  snapshot->Height = png.height;
  snapshot->Pixels.resize(png.rgb.size() / 3);
  for (std::size_t i = 0; i < snapshot->Pixels.size(); ++i) {
    snapshot->Pixels[i] = (std::uint32_t{png.rgb[3 * i]} << 16) | (std::uint32_t{png.rgb[3 * i + 1]} << 8) |
                          png.rgb[3 * i + 2];
  }
  return true;
}

std::uint32_t DefaultColorValue(std::uint16_t color) {
  const graph::RGBRec& entry = graph::DefaultColors[color];
  return (static_cast<std::uint32_t>(entry.Red & 0xFF) << 16) |
         (static_cast<std::uint32_t>(entry.Green & 0xFF) << 8) |
         static_cast<std::uint32_t>(entry.Blue & 0xFF);
}

}  // namespace demos::testing
