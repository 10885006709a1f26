// PNG files through libpng, encoded in memory and put in place by the rules
// of picture_file.h.
#include <png.h>

#include <cstring>
#include <span>
#include <vector>

#include "display/picture_file.h"
#include "display/snapshot.h"

namespace win32::detail {

bool write_png(const display::ClientPicture& picture, const std::string& path, std::string* error) {
  const int width = picture.width;
  const int height = picture.height;
  std::vector<png_byte> rgb(picture.pixels.size() * 3);
  std::size_t at = 0;
  for (const std::uint32_t pixel : picture.pixels) {
    rgb[at++] = static_cast<png_byte>(pixel & 0xFF);
    rgb[at++] = static_cast<png_byte>((pixel >> 8) & 0xFF);
    rgb[at++] = static_cast<png_byte>((pixel >> 16) & 0xFF);
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  // Encoded in memory first, so that the file is written by the rules of
  // write_picture_file and its failures carry the system's reason.
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) {
    *error = image.message;
    return false;
  }
  return write_picture_file(path, std::span(png.data(), size), error);
}

}  // namespace win32::detail
