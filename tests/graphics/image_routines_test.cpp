// The generic image routines through the recording driver: block sizes, the
// block that GetImage writes, PutImage's placement, clipping and write mode,
// and the checked Image type.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "graphics/graph.h"
#include "graphics/image.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::Point;
using testing::Recording;

// A block of width x height pixels whose colour numbers are 1 + column +
// 10 * row, so every pixel says where it came from.
std::vector<std::byte> NumberedBlock(std::int32_t width, std::int32_t height) {
  std::optional<Image> image = Image::Blank(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      EXPECT_TRUE(image->Set(x, y, static_cast<std::uint16_t>(1 + x + 10 * y)));
    }
  }
  return {image->Block().begin(), image->Block().end()};
}

std::int32_t HeaderField(const std::vector<std::byte>& block, std::size_t index) {
  std::int32_t value = 0;
  std::memcpy(&value, block.data() + 4 * index, 4);
  return value;
}

class Images : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnterRecordingMode(64, 48); }
  void TearDown() override { FreeModeRegistry(); }
};

TEST_F(Images, ImageSizeCountsTwoBytesPerPixelAndTheHeader) {
  EXPECT_EQ(ImageSize(0, 0, 9, 9), 212);
  EXPECT_EQ(ImageSize(5, 5, 5, 5), 14);
  EXPECT_EQ(ImageSize(-3, -2, 6, 7), 212);
  // A rectangle whose block would not fit a 32-bit size is refused rather
  // than wrapped to a small size.
  GraphResult = grOk;
  EXPECT_EQ(ImageSize(-32768, -32768, 32767, 32767), 0);
  EXPECT_EQ(GraphResult, grError);
}

TEST_F(Images, GetImageWritesTheHeaderAndTheRowsFromTheTop) {
  for (std::int32_t y = 0; y < 10; ++y) {
    for (std::int32_t x = 0; x < 10; ++x) {
      Recording().Picture[static_cast<std::size_t>(y * 64 + x)] = static_cast<std::uint16_t>(x + 10 * y);
    }
  }
  std::vector<std::byte> block(212, std::byte{0xAA});
  GetImage(0, 0, 9, 9, block.data());
  EXPECT_EQ(HeaderField(block, 0), 9);
  EXPECT_EQ(HeaderField(block, 1), 9);
  EXPECT_EQ(HeaderField(block, 2), 0);
  const std::optional<Image> image = Image::FromBlock(block);
  ASSERT_TRUE(image.has_value());
  for (std::int32_t y = 0; y < 10; ++y) {
    for (std::int32_t x = 0; x < 10; ++x) EXPECT_EQ(image->At(x, y), x + 10 * y);
  }
  // Inverted corners read nothing and leave the negative differences.
  Recording().Calls.clear();
  GetImage(9, 9, 0, 0, block.data());
  EXPECT_EQ(HeaderField(block, 0), -9);
  EXPECT_TRUE(Recording().CallsOf(CallKind::GetPixel).empty());
}

TEST_F(Images, PutImageCopiesThroughDirectPutPixelAndRestoresTheState) {
  const std::vector<std::byte> block = NumberedBlock(3, 2);
  CurrentColor = 7;
  CurrentWriteMode = CopyPut;
  PutImage(5, 4, block.data(), XORPut);
  const auto calls = Recording().CallsOf(CallKind::DirectPutPixel);
  ASSERT_EQ(calls.size(), 6U);
  const std::vector<Point> expectedOrder = {{5, 4}, {6, 4}, {7, 4}, {5, 5}, {6, 5}, {7, 5}};
  EXPECT_EQ(Recording().DirectPixels(), expectedOrder);
  EXPECT_EQ(calls[4].Color, 12);  // column 1 of row 1
  for (const auto& call : calls) EXPECT_EQ(call.WriteMode, XORPut);
  EXPECT_EQ(CurrentColor, 7);
  EXPECT_EQ(CurrentWriteMode, CopyPut);
}

TEST_F(Images, PutImageClipsToTheViewport) {
  const std::vector<std::byte> block = NumberedBlock(10, 10);
  PutImage(-3, -2, block.data(), CopyPut);
  EXPECT_EQ(Recording().DirectPixels().size(), 7U * 8U);
  for (std::int32_t y = 0; y < 8; ++y) {
    for (std::int32_t x = 0; x < 7; ++x) EXPECT_EQ(Recording().At(x, y), 1 + (x + 3) + 10 * (y + 2));
  }

  // A viewport moves the image and cuts it at its right and bottom edges.
  SetViewPort(20, 10, 24, 12, true);
  Recording().Calls.clear();
  PutImage(0, 0, block.data(), CopyPut);
  const auto pixels = Recording().DirectPixels();
  ASSERT_EQ(pixels.size(), 5U * 3U);
  EXPECT_EQ(pixels.front(), (Point{20, 10}));
  EXPECT_EQ(pixels.back(), (Point{24, 12}));

  // Entirely outside: nothing at all.
  Recording().Calls.clear();
  PutImage(-10, 0, block.data(), CopyPut);
  PutImage(5, 0, block.data(), CopyPut);
  EXPECT_TRUE(Recording().DirectPixels().empty());

  // Without clipping the block is drawn wherever it falls.
  SetViewPort(20, 10, 24, 12, false);
  Recording().Calls.clear();
  PutImage(-3, -2, block.data(), CopyPut);
  EXPECT_EQ(Recording().DirectPixels().size(), 100U);
}

TEST_F(Images, HeadersDescribingNoPixelsDrawNothing) {
  for (const std::int32_t widthMinusOne : {-1, -5, std::numeric_limits<std::int32_t>::min()}) {
    std::vector<std::byte> block = NumberedBlock(2, 2);
    std::memcpy(block.data(), &widthMinusOne, 4);
    PutImage(0, 0, block.data(), CopyPut);
  }
  EXPECT_TRUE(Recording().DirectPixels().empty());
}

TEST(CheckedImage, RefusesBlocksShorterThanTheirHeaderAndBadExtents) {
  const std::vector<std::byte> block = NumberedBlock(4, 3);
  EXPECT_TRUE(Image::FromBlock(block).has_value());
  EXPECT_FALSE(Image::FromBlock(std::span(block).first(block.size() - 1)).has_value());
  EXPECT_FALSE(Image::FromBlock(std::span(block).first(11)).has_value());
  EXPECT_FALSE(Image::Blank(0, 5).has_value());
  EXPECT_FALSE(Image::Blank(65536, 65536).has_value());
  EXPECT_FALSE(Image::Capture(5, 0, 4, 0).has_value());

  std::optional<Image> image = Image::Blank(4, 3);
  EXPECT_FALSE(image->Set(4, 0, 1));
  EXPECT_FALSE(image->Set(0, -1, 1));
  EXPECT_EQ(image->At(0, 3), std::nullopt);
  EXPECT_TRUE(image->Set(3, 2, 9));
  EXPECT_EQ(image->At(3, 2), 9);
}

}  // namespace
}  // namespace graph
