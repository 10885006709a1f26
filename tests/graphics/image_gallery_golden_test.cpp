// The gallery's picture, compared pixel for pixel with the golden picture
// kept beside this test. The gallery runs on the headless display with
// Enter already at the end of its input and saves its window as PNG.
//
// After a deliberate change to what the library draws, regenerate the
// golden picture from the source tree's root with
//   GRAPH_DISPLAY=headless GRAPH_SNAPSHOT=tests/graphics/image_gallery_golden.png build/default/examples/gallery < /dev/null
// and look at it before committing it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "child_process.h"
#include "png_picture.h"

namespace {

using Picture = test_support::PngPicture;

// Differing pixels in white, equal ones dimmed, for a look by eye.
void WriteDifference(const Picture& got, const Picture& golden, const std::string& path) {
  Picture difference = got;
  for (std::size_t i = 0; i + 2 < difference.rgb.size(); i += 3) {
    const bool same = got.rgb[i] == golden.rgb[i] && got.rgb[i + 1] == golden.rgb[i + 1] &&
                      got.rgb[i + 2] == golden.rgb[i + 2];
    for (std::size_t c = 0; c < 3; ++c) {
      difference.rgb[i + c] = same ? static_cast<std::uint8_t>(got.rgb[i + c] / 4) : std::uint8_t{255};
    }
  }
  (void)test_support::WritePng(difference, path);
}

TEST(Gallery, MatchesItsGoldenPicturePixelForPixel) {
  const std::string snapshot = test_support::ScratchDirectory("gallery") + "/gallery.png";
  test_support::ChildOptions options;
  options.environment = {{"GRAPH_SCREEN", std::nullopt}, {"GRAPH_DISPLAY", "headless"}, {"GRAPH_SNAPSHOT", snapshot}};
  const test_support::ChildOutcome gallery = test_support::RunChild(GALLERY_PATH, options);
  ASSERT_EQ(gallery.exitCode, 0) << gallery.errors;

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
    WriteDifference(got, golden, differencePath);
    ADD_FAILURE() << differing << " pixels differ, the first at " << first << "; picture " << snapshot
                  << ", differences " << differencePath;
    return;
  }
  std::remove(snapshot.c_str());
}

}  // namespace
