// The gallery's two pages, each compared pixel for pixel with the golden
// picture kept beside this test. The gallery runs on the headless display
// with Enter already at the end of its input and saves each page through a
// frame pattern: the first when it clears the window for the second, the
// second when the window closes.
//
// After a deliberate change to what the library draws, regenerate the
// golden pictures from the source tree's root with
//   GRAPH_DISPLAY=headless GRAPH_SNAPSHOT=tests/graphics/image_gallery_golden_%d.png build/default/examples/gallery < /dev/null
// and look at them before committing them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "child_process.h"
#include "golden_picture.h"

namespace {

void ExpectPageMatchesItsGoldenPicture(int page) {
  const std::string pattern = test_support::ScratchDirectory("gallery") + "/page_%d.png";
  ASSERT_TRUE(test_support::RunHeadless(GALLERY_PATH, pattern)) << GALLERY_PATH;
  std::string pages[2];
  for (int i = 0; i < 2; ++i) {
    pages[i] = pattern;
    pages[i].replace(pages[i].find("%d"), 2, std::to_string(i));
  }
  const std::string golden = std::string(GALLERY_GOLDEN_DIR) + "/image_gallery_golden_" + std::to_string(page) + ".png";
  const std::string difference = test_support::DifferenceFromGolden(pages[page], golden);
  EXPECT_EQ(difference, "") << "page " << page + 1 << " of the gallery against " << golden;
  if (difference.empty()) std::remove(pages[page].c_str());
  std::remove(pages[1 - page].c_str());
}

TEST(Gallery, FirstPageMatchesItsGoldenPicturePixelForPixel) { ExpectPageMatchesItsGoldenPicture(0); }

TEST(Gallery, SecondPageMatchesItsGoldenPicturePixelForPixel) { ExpectPageMatchesItsGoldenPicture(1); }

}  // namespace
