// The gallery's picture, compared pixel for pixel with the golden picture
// kept beside this test. The gallery runs on the headless display with
// Enter already at the end of its input and saves its window as PNG.
//
// After a deliberate change to what the library draws, regenerate the
// golden picture from the source tree's root with
//   GRAPH_DISPLAY=headless GRAPH_SNAPSHOT=tests/graphics/image_gallery_golden.png build/default/examples/gallery < /dev/null
// and look at it before committing it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "png_picture.h"

namespace {

using Picture = test_support::PngPicture;

TEST(Gallery, MatchesItsGoldenPicturePixelForPixel) {
  const std::string snapshot = ::testing::TempDir() + "gallery_" + std::to_string(::getpid()) + ".png";
  const std::string command = std::string("env -u GRAPH_SCREEN GRAPH_DISPLAY=headless GRAPH_SNAPSHOT='") +
                              snapshot + "' '" + GALLERY_PATH + "' < /dev/null > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  Picture got;
  Picture golden;
  ASSERT_TRUE(test_support::ReadPng(snapshot, &got)) << snapshot;
  ASSERT_TRUE(test_support::ReadPng(GALLERY_GOLDEN, &golden)) << GALLERY_GOLDEN;
  ASSERT_EQ(got.width, golden.width);
  ASSERT_EQ(got.height, golden.height);

  std::size_t differing = 0;
  std::string first;
  for (std::size_t i = 0; i + 2 < got.rgb.size(); i += 3) {
    if (got.rgb[i] == golden.rgb[i] && got.rgb[i + 1] == golden.rgb[i + 1] && got.rgb[i + 2] == golden.rgb[i + 2]) {
      continue;
    }
    if (differing++ == 0) {
      const std::size_t pixel = i / 3;
      first = std::to_string(pixel % static_cast<std::size_t>(got.width)) + "," +
              std::to_string(pixel / static_cast<std::size_t>(got.width));
    }
  }
  if (differing != 0) {
    const std::string differencePath = snapshot + ".difference.png";
    test_support::WriteDifference(got, golden, differencePath);
    ADD_FAILURE() << differing << " pixels differ, the first at " << first << "; picture " << snapshot
                  << ", differences " << differencePath;
    return;
  }
  std::remove(snapshot.c_str());
}

}  // namespace
