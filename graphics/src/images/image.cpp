#include "graphics/image.h"

#include <cstring>
#include <limits>

#include "graphics/graph.h"
#include "image_block_layout.h"

namespace graph {

namespace {

[[nodiscard]] bool ExtentAllowed(std::int64_t width, std::int64_t height) {
  return width >= 1 && height >= 1 && width <= Image::kMaxSide && height <= Image::kMaxSide &&
         image_block::BlockBytes(width, height) <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

Image::Image(std::int32_t width, std::int32_t height)
    : width_(width),
      height_(height),
      bytes_(static_cast<std::size_t>(image_block::BlockBytes(width, height))) {
  image_block::StoreLE32(bytes_.data(), width - 1);
  image_block::StoreLE32(bytes_.data() + 4, height - 1);
}

std::optional<Image> Image::Blank(std::int32_t width, std::int32_t height) {
  if (!ExtentAllowed(width, height)) return std::nullopt;
  return Image(width, height);
}

std::optional<Image> Image::FromBlock(std::span<const std::byte> block) {
  if (block.size() < static_cast<std::size_t>(image_block::kHeaderBytes)) return std::nullopt;
  const std::int64_t width = std::int64_t{image_block::LoadLE32(block.data())} + 1;
  const std::int64_t height = std::int64_t{image_block::LoadLE32(block.data() + 4)} + 1;
  if (!ExtentAllowed(width, height)) return std::nullopt;
  if (static_cast<std::int64_t>(block.size()) < image_block::BlockBytes(width, height)) {
    return std::nullopt;
  }
  Image image(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  std::memcpy(image.bytes_.data() + image_block::kHeaderBytes,
              block.data() + image_block::kHeaderBytes,
              image.bytes_.size() - static_cast<std::size_t>(image_block::kHeaderBytes));
  return image;
}

std::optional<Image> Image::Capture(std::int16_t x1, std::int16_t y1, std::int16_t x2,
                                    std::int16_t y2) {
  if (x1 > x2 || y1 > y2) return std::nullopt;
  const std::int32_t width = std::int32_t{x2} - x1 + 1;
  const std::int32_t height = std::int32_t{y2} - y1 + 1;
  if (!ExtentAllowed(width, height)) return std::nullopt;
  Image image(width, height);
  GetImage(x1, y1, x2, y2, image.bytes_.data());
  // The block's extent is fixed by the image, whatever a GetImage hook wrote.
  image_block::StoreLE32(image.bytes_.data(), width - 1);
  image_block::StoreLE32(image.bytes_.data() + 4, height - 1);
  image_block::StoreLE32(image.bytes_.data() + 8, 0);
  return image;
}

std::size_t Image::Offset(std::int32_t x, std::int32_t y) const {
  return static_cast<std::size_t>(image_block::kHeaderBytes +
                                  (std::int64_t{y} * width_ + x) * image_block::kBytesPerPixel);
}

std::optional<std::uint16_t> Image::At(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return std::nullopt;
  return image_block::LoadLE16(bytes_.data() + Offset(x, y));
}

bool Image::Set(std::int32_t x, std::int32_t y, std::uint16_t color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  image_block::StoreLE16(bytes_.data() + Offset(x, y), color);
  return true;
}

void Image::Put(std::int16_t x, std::int16_t y, std::uint16_t writeMode) const {
  PutImage(x, y, bytes_.data(), writeMode);
}

}  // namespace graph
