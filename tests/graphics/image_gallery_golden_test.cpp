// The gallery's picture, compared pixel for pixel with the golden picture
// kept beside this test. The gallery runs on the headless display with
// Enter already at the end of its input and saves its window as PNG.
//
// After a deliberate change to what the library draws, regenerate the
// golden picture from the source tree's root with
//   GRAPH_DISPLAY=headless GRAPH_SNAPSHOT=tests/graphics/image_gallery_golden.png build/default/examples/gallery < /dev/null
// and look at it before committing it.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Picture {
  int Width = 0;
  int Height = 0;
  std::vector<png_byte> Rgb;
};

bool ReadPicture(const std::string& path, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
  image.format = PNG_FORMAT_RGB;
  picture.Width = static_cast<int>(image.width);
  picture.Height = static_cast<int>(image.height);
  picture.Rgb.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, picture.Rgb.data(), 0, nullptr) != 0;
}

// Differing pixels in white, equal ones dimmed, for a look by eye.
void WriteDifference(const Picture& got, const Picture& golden, const std::string& path) {
  Picture difference = got;
  for (std::size_t i = 0; i + 2 < difference.Rgb.size(); i += 3) {
    const bool same = got.Rgb[i] == golden.Rgb[i] && got.Rgb[i + 1] == golden.Rgb[i + 1] &&
                      got.Rgb[i + 2] == golden.Rgb[i + 2];
    for (std::size_t c = 0; c < 3; ++c) {
      difference.Rgb[i + c] = same ? static_cast<png_byte>(got.Rgb[i + c] / 4) : png_byte{255};
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(difference.Width);
  image.height = static_cast<png_uint_32>(difference.Height);
  image.format = PNG_FORMAT_RGB;
  (void)png_image_write_to_file(&image, path.c_str(), 0, difference.Rgb.data(), 0, nullptr);
}

TEST(Gallery, MatchesItsGoldenPicturePixelForPixel) {
  const std::string snapshot = ::testing::TempDir() + "gallery_" + std::to_string(::getpid()) + ".png";
  const std::string command = std::string("env -u GRAPH_SCREEN GRAPH_DISPLAY=headless GRAPH_SNAPSHOT='") +
                              snapshot + "' '" + GALLERY_PATH + "' < /dev/null > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  Picture got;
  Picture golden;
  ASSERT_TRUE(ReadPicture(snapshot, got)) << snapshot;
  ASSERT_TRUE(ReadPicture(GALLERY_GOLDEN, golden)) << GALLERY_GOLDEN;
  ASSERT_EQ(got.Width, golden.Width);
  ASSERT_EQ(got.Height, golden.Height);

  std::size_t differing = 0;
  std::string first;
  for (std::size_t i = 0; i + 2 < got.Rgb.size(); i += 3) {
    if (got.Rgb[i] == golden.Rgb[i] && got.Rgb[i + 1] == golden.Rgb[i + 1] && got.Rgb[i + 2] == golden.Rgb[i + 2]) {
      continue;
    }
    if (differing++ == 0) {
      const std::size_t pixel = i / 3;
      first = std::to_string(pixel % static_cast<std::size_t>(got.Width)) + "," +
              std::to_string(pixel / static_cast<std::size_t>(got.Width));
    }
  }
  if (differing != 0) {
    const std::string differencePath = snapshot + ".difference.png";
    WriteDifference(got, golden, differencePath);
    ADD_FAILURE() << differing << " pixels differ, the first at " << first << "; picture " << snapshot
                  << ", differences " << differencePath;
    return;
  }
  std::remove(snapshot.c_str());
}

}  // namespace
