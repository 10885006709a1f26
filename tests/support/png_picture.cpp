#include "png_picture.h"

#include "display/snapshot.h"

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

bool WritePng(const PngPicture& picture, const std::string& path) {
  win32::display::ClientPicture colours{picture.width, picture.height, picture.ColourValues()};
  std::string error;
  return win32::detail::write_png(colours, path, &error);
}

}  // namespace test_support
