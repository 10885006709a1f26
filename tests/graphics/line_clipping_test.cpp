// LineClipped: region-code clipping against an inclusive rectangle.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "graphics/graph.h"

namespace graph {
namespace {

using Ends = std::array<std::int16_t, 4>;

TEST(LineClipped, ClipsSegmentsInPlace) {
  struct Case {
    const char* Label;
    Ends Segment;
    Ends Rect;  // xmin, ymin, xmax, ymax
    bool Invisible;
    Ends After;
  };
  const Case cases[] = {
      {"enters from the left", {-10, 5, 10, 5}, {0, 0, 100, 100}, false, {0, 5, 10, 5}},
      {"wholly left", {-10, -10, -5, 50}, {0, 0, 100, 100}, true, {-10, -10, -5, 50}},
      {"leaves at the bottom", {0, 0, 3, 10}, {0, 0, 100, 4}, false, {0, 0, 1, 4}},
      {"inside", {1, 2, 3, 4}, {0, 0, 10, 10}, false, {1, 2, 3, 4}},
      {"on the edges", {0, 10, 10, 0}, {0, 0, 10, 10}, false, {0, 10, 10, 0}},
      {"vertical beyond the right edge", {20, -5, 20, 50}, {0, 0, 10, 10}, true, {20, -5, 20, 50}},
      {"through both edges", {-10, 5, 30, 5}, {0, 0, 10, 10}, false, {0, 5, 10, 5}},
      // Products far beyond 32 bits: 65535 * -52767 / -65535.
      {"far ends", {-32768, 32767, 32767, -32768}, {-32768, -32768, 32767, -20000}, false,
       {19999, -20000, 32767, -32768}},
  };
  for (const Case& c : cases) {
    Ends e = c.Segment;
    const bool invisible =
        LineClipped(e[0], e[1], e[2], e[3], c.Rect[0], c.Rect[1], c.Rect[2], c.Rect[3]);
    EXPECT_EQ(invisible, c.Invisible) << c.Label;
    EXPECT_EQ(e, c.After) << c.Label;
  }
}

TEST(LineClipped, SegmentPassingOutsideACornerIsInvisible) {
  // The end codes (left, top) share no bit, yet the segment misses the
  // rectangle beyond its top-left corner.
  Ends e{-10, 3, 3, -10};
  EXPECT_TRUE(LineClipped(e[0], e[1], e[2], e[3], 0, 0, 100, 100));
}

TEST(LineClipped, VisiblePartLiesOnTheSegmentAndInTheRectangle) {
  // A sweep of segments through a small rectangle: the clipped ends stay
  // inside it and on the original line within a pixel.
  const std::int16_t xmin = 10, ymin = 20, xmax = 40, ymax = 35;
  for (std::int16_t a = -20; a <= 70; a += 7) {
    for (std::int16_t b = -15; b <= 60; b += 5) {
      Ends e{a, -15, static_cast<std::int16_t>(70 - a), b};
      const Ends original = e;
      if (LineClipped(e[0], e[1], e[2], e[3], xmin, ymin, xmax, ymax)) continue;
      for (int end = 0; end < 4; end += 2) {
        EXPECT_GE(e[end], xmin);
        EXPECT_LE(e[end], xmax);
        EXPECT_GE(e[end + 1], ymin);
        EXPECT_LE(e[end + 1], ymax);
        const long long cross =
            (long long)(original[2] - original[0]) * (e[end + 1] - original[1]) -
            (long long)(original[3] - original[1]) * (e[end] - original[0]);
        const long long length = std::max(std::abs(original[2] - original[0]),
                                          std::abs(original[3] - original[1]));
        EXPECT_LE(std::abs(cross), 2 * length) << a << "," << b;
      }
    }
  }
}

}  // namespace
}  // namespace graph
