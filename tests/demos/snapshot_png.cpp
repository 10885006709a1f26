#include "snapshot_png.h"

#include <png.h>

#include <cstring>

#include "graphics/graph.h"

namespace demos::testing {

bool ReadSnapshot(const std::string& path, Snapshot* snapshot) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
  snapshot->Width = static_cast<std::int32_t>(image.width);
  snapshot->Height = static_cast<std::int32_t>(image.height);
  snapshot->Pixels.resize(rgb.size() / 3);
  for (std::size_t i = 0; i < snapshot->Pixels.size(); ++i) {
    snapshot->Pixels[i] = (std::uint32_t{rgb[3 * i]} << 16) | (std::uint32_t{rgb[3 * i + 1]} << 8) |
                          rgb[3 * i + 2];
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
