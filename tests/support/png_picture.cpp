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

void WriteDifference(const PngPicture& got, const PngPicture& expected, const std::string& path) {
  PngPicture difference = got;
  for (std::size_t i = 0; i + 2 < difference.rgb.size() && i + 2 < expected.rgb.size(); i += 3) {
    const bool same = got.rgb[i] == expected.rgb[i] && got.rgb[i + 1] == expected.rgb[i + 1] &&
                      got.rgb[i + 2] == expected.rgb[i + 2];
    for (std::size_t c = 0; c < 3; ++c) {
      difference.rgb[i + c] = same ? static_cast<std::uint8_t>(got.rgb[i + c] / 4) : std::uint8_t{255};
    }
  }
  (void)WritePng(difference, path);
}

}  // namespace test_support
