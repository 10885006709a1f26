// PutImage on the graph window (headless display): the image goes into the
// backing bitmap under one lock and reaches the window by one repaint that
// covers its last row and column; reading back and exclusive-or drawing.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "child_process.h"
#include "driver_test_support.h"
#include "environment.h"
#include "graphics/graph_window.h"
#include "graphics/image.h"
#include "graphics/text.h"
#include "png_picture.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {
namespace {

using testing::BitmapValue;
using testing::Eventually;
using testing::ScreenShot;

constexpr win32::COLORREF kBlue = win32::RGB(0, 0, 168);
constexpr win32::COLORREF kRed = win32::RGB(168, 0, 0);
constexpr win32::COLORREF kYellow = win32::RGB(252, 252, 84);

// A graph window per test; the registry is rebuilt first, since the
// recording tests of the same program replace it.
class ImageWindow : public testing::OpenWindow {
 protected:
  void SetUp() override {
    FreeModeRegistry();
    OpenWindow::SetUp();
  }
};

std::vector<win32::COLORREF> BitmapArea(int left, int top, int width, int height) {
  std::vector<win32::COLORREF> values;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) values.push_back(BitmapValue(x, y));
  }
  return values;
}

TEST_F(ImageWindow, AnImageReachesTheWindowByOneRepaintIncludingItsLastRowAndColumn) {
  std::optional<Image> image = Image::Blank(5, 4);
  ASSERT_TRUE(image->Set(0, 0, 1));
  ASSERT_TRUE(image->Set(4, 3, 4));
  ASSERT_TRUE(image->Set(4, 0, 14));
  ASSERT_TRUE(image->Set(0, 3, 14));
  CurrentColor = 9;
  CurrentWriteMode = OrPut;
  image->Put(10, 20, CopyPut);
  EXPECT_EQ(CurrentColor, 9);
  EXPECT_EQ(CurrentWriteMode, OrPut);
  EXPECT_TRUE(DrawToScreen);

  EXPECT_EQ(BitmapValue(10, 20), kBlue);
  EXPECT_EQ(BitmapValue(14, 23), kRed);
  EXPECT_EQ(BitmapValue(15, 23), 0U);
  EXPECT_TRUE(Eventually([] {
    const ScreenShot screen;
    return screen.At(10, 20) == kBlue && screen.At(14, 23) == kRed && screen.At(14, 20) == kYellow &&
           screen.At(10, 23) == kYellow;
  }));
}

TEST_F(ImageWindow, ImagesPutBackRestoreTheScreenAndExclusiveOrTwiceUndoesItself) {
  for (int i = 0; i < 64; ++i) {
    PutPixel(static_cast<std::int16_t>(30 + i % 8), static_cast<std::int16_t>(40 + i / 8),
             static_cast<std::uint16_t>(i % 16));
  }
  const std::vector<win32::COLORREF> before = BitmapArea(30, 40, 8, 8);
  const std::optional<Image> saved = Image::Capture(30, 40, 37, 47);
  ASSERT_TRUE(saved.has_value());

  saved->Put(30, 40, XORPut);
  EXPECT_NE(BitmapArea(30, 40, 8, 8), before);
  saved->Put(30, 40, XORPut);
  EXPECT_EQ(BitmapArea(30, 40, 8, 8), before);

  Image::Blank(8, 8)->Put(30, 40, CopyPut);
  EXPECT_EQ(BitmapArea(30, 40, 8, 8), std::vector<win32::COLORREF>(64, 0));
  saved->Put(30, 40, CopyPut);
  EXPECT_EQ(BitmapArea(30, 40, 8, 8), before);
}

TEST_F(ImageWindow, NothingIsDrawnOnceTheWindowIsClosed) {
  const std::optional<Image> image = Image::Blank(3, 3);
  CloseGraph();
  ASSERT_FALSE(WindowRunning());
  CurrentColor = 5;
  CurrentWriteMode = AndPut;
  PutImageWin32GUI(0, 0, image->Block().data(), XORPut);
  OutTextXYWin32GUI(0, 0, "A");
  EXPECT_EQ(CurrentColor, 5);
  EXPECT_EQ(CurrentWriteMode, AndPut);
}

// The repaint that brings an image to the window may still be waiting when
// the program closes the graph window; the window shows (and a snapshot
// keeps) the last picture all the same.
// Colour numbers that share a colour with a lower one read as the lower,
// and points outside the viewport or the window read as 0, as from GetPixel.
TEST_F(ImageWindow, GetScanLineReadsWhatGetPixelReads) {
  std::mt19937 random(5);
  // Runs of one colour from 1 to 20 pixels long, across the viewport's edges.
  for (std::int16_t y = 0; y < 40; ++y) {
    for (std::int16_t x = 0; x < 80;) {
      const auto colour = static_cast<std::uint16_t>(random() % 256);
      for (auto length = 1 + random() % 20; length > 0 && x < 80; --length) PutPixel(x++, y, colour);
    }
  }
  for (const bool clip : {true, false}) {
    SetViewPort(20, 10, 60, 17, clip);
    for (std::int16_t y = -1; y <= 9; ++y) {
      std::vector<std::uint8_t> row(2 * 61);
      GetScanLine(-30, 30, y, row.data());
      for (std::int16_t x = -30; x <= 30; ++x) {
        const std::size_t i = static_cast<std::size_t>(x + 30) * 2;
        ASSERT_EQ(row[i] | (row[i + 1] << 8), GetPixel(x, y)) << x << "," << y << " clip " << clip;
      }
    }
  }
  CloseGraph();
  GraphResult = grOk;
  std::vector<std::uint8_t> row(4, 0xEE);
  GetScanLine(0, 1, 0, row.data());
  EXPECT_EQ(row, (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(GraphResult, grError);
}

TEST(ImageWindowClosing, AnImagePutJustBeforeCloseGraphIsInTheLastPicture) {
  const std::string path = test_support::ScratchDirectory("last_picture") + "/last_picture.png";
  test_support::SetVariable("GRAPH_SNAPSHOT", path);
  std::optional<Image> image = Image::Blank(2, 2);
  ASSERT_TRUE(image->Set(1, 1, 4));
  for (int round = 0; round < 8; ++round) {
    FreeModeRegistry();
    testing::EnterMode(testing::kLargestWindow256);
    ASSERT_EQ(GraphResult, grOk);
    image->Put(100, 50, CopyPut);
    CloseGraph();

    test_support::PngPicture picture;
    ASSERT_TRUE(test_support::ReadPng(path, &picture)) << path;
    ASSERT_EQ(picture.ColourValue(101, 51), kRed) << "round " << round;
  }
  test_support::UnsetVariable("GRAPH_SNAPSHOT");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace graph
