#include "png_picture.h"

#include <png.h>

namespace test_support {

namespace {

std::uint32_t ColourValueAt(const std::vector<std::uint8_t>& rgb, std::size_t at) {
  return std::uint32_t{rgb[at]} | (std::uint32_t{rgb[at + 1]} << 8) | (std::uint32_t{rgb[at + 2]} << 16);
}

}  // namespace

std::uint32_t PngPicture::ColourValue(int x, int y) const {
  return ColourValueAt(rgb, 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                 static_cast<std::size_t>(x)));
}

std::vector<std::uint32_t> PngPicture::ColourValues() const {
  std::vector<std::uint32_t> values;
  values.reserve(rgb.size() / 3);
  for (std::size_t at = 0; at + 2 < rgb.size(); at += 3) values.push_back(ColourValueAt(rgb, at));
  return values;
}

bool ReadPng(const std::string& path, PngPicture* picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  picture->width = static_cast<int>(image.width);
  picture->height = static_cast<int>(image.height);
  picture->rgb.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, picture->rgb.data(), 0, nullptr) != 0;
}

void WriteDifference(const PngPicture& got, const PngPicture& expected, const std::string& path) {
  PngPicture difference = got;
  for (std::size_t i = 0; i + 2 < difference.rgb.size() && i + 2 < expected.rgb.size(); i += 3) {
    const bool same = got.rgb[i] == expected.rgb[i] && got.rgb[i + 1] == expected.rgb[i + 1] &&
                      got.rgb[i + 2] == expected.rgb[i + 2];
    for (std::size_t c = 0; c < 3; ++c) {
      difference.rgb[i + c] = same ? static_cast<png_byte>(got.rgb[i + c] / 4) : png_byte{255};
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(difference.width);
  image.height = static_cast<png_uint_32>(difference.height);
  image.format = PNG_FORMAT_RGB;
  (void)png_image_write_to_file(&image, path.c_str(), 0, difference.rgb.data(), 0, nullptr);
}

}  // namespace test_support
