// Pixels and runs on the graph window: colour values, viewport clipping,
// write modes, and runs that give the same pixels as single pixels do.
#include <gtest/gtest.h>

#include <vector>

#include "driver_test_support.h"
#include "graphics/graph_window.h"

namespace graph {
namespace {

using testing::BitmapValue;
using testing::OpenWindow;
using testing::OpenWindow16;
using testing::ScreenValue;

constexpr win32::COLORREF kBlue = win32::RGB(0, 0, 168);
constexpr win32::COLORREF kRed = win32::RGB(168, 0, 0);
constexpr win32::COLORREF kWhite = win32::RGB(252, 252, 252);
constexpr win32::COLORREF kYellow = win32::RGB(252, 252, 84);

// The same value on the backing bitmap and on the window.
void ExpectBoth(int x, int y, win32::COLORREF value) {
  EXPECT_EQ(BitmapValue(x, y), value) << "bitmap at " << x << "," << y;
  EXPECT_EQ(ScreenValue(x, y), value) << "screen at " << x << "," << y;
}

using Pixels = OpenWindow;
using Pixels16 = OpenWindow16;

TEST_F(Pixels, DefaultColoursAreDrawnAsTheirColourValues) {
  PutPixel(0, 0, 1);
  PutPixel(1, 0, 4);
  PutPixel(2, 0, 15);
  ExpectBoth(0, 0, kBlue);
  ExpectBoth(1, 0, kRed);
  ExpectBoth(2, 0, kWhite);
}

TEST_F(Pixels, PutPixelClipsToTheViewportButDrawsItsEdges) {
  SetViewPort(100, 50, 299, 149, true);
  const std::int16_t w = ViewWidth;
  const std::int16_t h = ViewHeight;
  struct Case {
    std::int16_t x, y;
    int screenX, screenY;
    bool drawn;
  };
  const Case cases[] = {
      {0, 0, 100, 50, true},     {w, 0, 299, 50, true},       {static_cast<std::int16_t>(w + 1), 0, 300, 50, false},
      {-1, 0, 99, 50, false},    {0, h, 100, 149, true},      {0, static_cast<std::int16_t>(h + 1), 100, 150, false},
      {0, -1, 100, 49, false},   {w, h, 299, 149, true},
  };
  for (const Case& c : cases) {
    PutPixel(c.x, c.y, 15);
    EXPECT_EQ(BitmapValue(c.screenX, c.screenY), c.drawn ? kWhite : 0u)
        << "viewport point " << c.x << "," << c.y;
  }
  // Without clipping the same point beyond the edge is drawn, and read back
  // only while clipping is off.
  SetViewPort(100, 50, 299, 149, false);
  PutPixel(static_cast<std::int16_t>(w + 1), 0, 4);
  EXPECT_EQ(BitmapValue(300, 50), kRed);
  EXPECT_EQ(GetPixel(static_cast<std::int16_t>(w + 1), 0), 4);
  SetViewPort(100, 50, 299, 149, true);
  EXPECT_EQ(GetPixel(static_cast<std::int16_t>(w + 1), 0), 0);
}

TEST_F(Pixels, PointsBeyondTheSurfacesAreDroppedAndReadAsZero) {
  SetViewPort(0, 0, MaxX, MaxY, false);
  PutPixel(-1, 0, 15);
  PutPixel(MaxX + 1, MaxY + 1, 15);
  PutPixel(32767, 32767, 15);
  EXPECT_EQ(GetPixel(-1, 0), 0);
  EXPECT_EQ(GetPixel(MaxX + 1, 0), 0);
  EXPECT_EQ(GraphResult, grOk);
}

TEST_F(Pixels, PutPixelIgnoresTheWriteMode) {
  CurrentWriteMode = XORPut;
  PutPixel(5, 5, 4);
  PutPixel(5, 5, 4);
  ExpectBoth(5, 5, kRed);
}

TEST_F(Pixels, ExclusiveOrTwiceRestoresTheBitmapsColour) {
  PutPixel(3, 3, 14);
  HLine(10, 11, 3);  // white, a short run
  HLine(20, 80, 3);  // white, a long run
  CurrentColor = 9;
  CurrentWriteMode = XORPut;
  for (int pass = 0; pass < 2; ++pass) {
    DirectPutPixel(3, 3);
    HLine(10, 80, 3);
    VLine(200, 0, 20);
  }
  ExpectBoth(3, 3, kYellow);
  ExpectBoth(10, 3, kWhite);
  ExpectBoth(15, 3, 0);
  ExpectBoth(80, 3, kWhite);
  ExpectBoth(200, 20, 0);
}

TEST_F(Pixels, OrAndAndCombineColourValuesNotIndexes) {
  PutPixel(0, 0, 1);  // 0, 0, 168
  PutPixel(1, 0, 7);  // 168, 168, 168
  CurrentColor = 4;   // 168, 0, 0
  CurrentWriteMode = OrPut;
  DirectPutPixel(0, 0);
  CurrentWriteMode = AndPut;
  DirectPutPixel(1, 0);
  ExpectBoth(0, 0, win32::RGB(168, 0, 168));
  ExpectBoth(1, 0, win32::RGB(168, 0, 0));
}

TEST_F(Pixels, DrawToBitmapAndDrawToScreenChooseTheSurfaces) {
  DrawToScreen = false;
  PutPixel(0, 0, 15);
  HLine(0, 50, 1);
  DrawToScreen = true;
  DrawToBitmap = false;
  PutPixel(0, 2, 15);
  HLine(0, 50, 3);
  DrawToBitmap = true;
  EXPECT_EQ(BitmapValue(0, 0), kWhite);
  EXPECT_EQ(ScreenValue(0, 0), 0u);
  EXPECT_EQ(BitmapValue(50, 1), kWhite);
  EXPECT_EQ(ScreenValue(50, 1), 0u);
  EXPECT_EQ(BitmapValue(0, 2), 0u);
  EXPECT_EQ(ScreenValue(0, 2), kWhite);
  EXPECT_EQ(BitmapValue(50, 3), 0u);
  EXPECT_EQ(ScreenValue(50, 3), kWhite);
}

TEST_F(Pixels, UpdateGraphWindowShowsWhatWasDrawnOnlyIntoTheBitmap) {
  DrawToScreen = false;
  PutPixel(3, 4, 15);
  HLine(10, 60, GetMaxY());
  EXPECT_EQ(ScreenValue(3, 4), 0u);
  DrawToScreen = true;
  UpdateGraphWindow();
  EXPECT_EQ(ScreenValue(3, 4), kWhite);
  EXPECT_EQ(ScreenValue(60, GetMaxY()), kWhite);
  EXPECT_EQ(ScreenValue(61, GetMaxY()), 0u);
}

// Which columns of row `y` hold a non-black value, from 0 to `width`.
std::vector<int> LitColumns(int y, int width) {
  std::vector<int> lit;
  for (int x = 0; x < width; ++x)
    if (BitmapValue(x, y) != 0) lit.push_back(x);
  return lit;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> r;
  for (int x = first; x <= last; ++x) r.push_back(x);
  return r;
}

TEST_F(Pixels, HLineIsInclusiveSwappedAndClippedToTheViewport) {
  SetViewPort(10, 10, 109, 59, true);
  struct Case {
    std::int16_t x1, x2, y;
    int row;
    std::vector<int> lit;  // absolute columns
  };
  const Case cases[] = {
      {0, 2, 0, 10, Range(10, 12)},       // 3 pixels: one by one
      {0, 3, 1, 11, Range(10, 13)},       // 4 pixels: one line
      {7, 4, 2, 12, Range(14, 17)},       // swapped
      {5, 5, 3, 13, {15}},                // a single pixel
      {-20, 5, 4, 14, Range(10, 15)},     // starts left of the viewport
      {90, 200, 5, 15, Range(100, 109)},  // ends right of it
      {-20, -1, 6, 16, {}},               // wholly left
      {100, 120, 7, 17, {}},              // wholly right
      {0, 50, -1, 9, {}},                 // above
      {0, 50, 50, 60, {}},                // below
      {0, 50, 49, 59, Range(10, 60)},     // the last row
  };
  for (const Case& c : cases) {
    HLine(c.x1, c.x2, c.y);
    EXPECT_EQ(LitColumns(c.row, 200), c.lit) << "HLine(" << c.x1 << ", " << c.x2 << ", " << c.y << ")";
  }
}

TEST_F(Pixels, VLineIsInclusiveSwappedAndClippedToTheViewport) {
  SetViewPort(10, 10, 109, 59, true);
  VLine(0, 3, 0);    // 4 pixels swapped: column 10, rows 10..13
  VLine(1, -5, 1);   // cut at the top: column 11, rows 10..11
  VLine(2, 45, 99);  // cut at the bottom: column 12, rows 55..59
  VLine(-1, 0, 10);  // left of the viewport
  VLine(2, 2, 2);    // a single pixel: column 12, row 12
  auto lit = [](int x) {
    std::vector<int> rows;
    for (int y = 0; y < 80; ++y)
      if (BitmapValue(x, y) != 0) rows.push_back(y);
    return rows;
  };
  EXPECT_EQ(lit(10), Range(10, 13));
  EXPECT_EQ(lit(11), Range(10, 11));
  std::vector<int> column12 = {12};
  for (int y = 55; y <= 59; ++y) column12.push_back(y);
  EXPECT_EQ(lit(12), column12);
  EXPECT_EQ(lit(9), std::vector<int>{});
}

// Every write mode gives the same pixels through a run as through single
// pixels, on a background of mixed colours, for short and long runs.
TEST_F(Pixels, RunsGiveTheSamePixelsAsSinglePixelsInEveryWriteMode) {
  constexpr int kLengths[] = {1, 2, 3, 4, 5, 40};
  for (std::uint16_t mode = CopyPut; mode <= NotPut + 1; ++mode) {
    for (int length : kLengths) {
      // Two identical rows and two identical columns of background.
      CurrentWriteMode = CopyPut;
      for (int i = 0; i < 50; ++i) {
        const auto color = static_cast<std::uint16_t>((i * 7) % 256);
        PutPixel(static_cast<std::int16_t>(i), 0, color);
        PutPixel(static_cast<std::int16_t>(i), 1, color);
        PutPixel(100, static_cast<std::int16_t>(i), color);
        PutPixel(101, static_cast<std::int16_t>(i), color);
      }
      CurrentColor = 12;
      CurrentWriteMode = mode;
      const auto last = static_cast<std::int16_t>(length - 1);
      HLine(0, last, 0);
      VLine(100, 0, last);
      for (std::int16_t i = 0; i <= last; ++i) {
        DirectPutPixel(i, 1);
        DirectPutPixel(101, i);
      }
      const testing::ScreenShot screen;
      for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(BitmapValue(i, 0), BitmapValue(i, 1)) << "HLine, mode " << mode << ", length " << length << ", x " << i;
        ASSERT_EQ(BitmapValue(100, i), BitmapValue(101, i)) << "VLine, mode " << mode << ", length " << length << ", y " << i;
        ASSERT_EQ(screen.At(i, 0), BitmapValue(i, 0)) << "screen, mode " << mode << ", x " << i;
      }
    }
  }
}

TEST_F(Pixels, ClearDeviceFillsTheWholeScreenWithPaletteEntryZero) {
  PutPixel(0, 0, 15);
  PutPixel(MaxX, MaxY, 15);
  SetBkColor(1);
  ClearDevice();
  ExpectBoth(0, 0, kBlue);
  ExpectBoth(MaxX, MaxY, kBlue);
  ExpectBoth(MaxX / 2, MaxY / 2, kBlue);
}

TEST_F(Pixels16, ColourIndexesBeyondThePaletteUseTheirLowBits) {
  // 16 colours: index 16 is colour 0, 20 is 4, 65535 is 15.
  PutPixel(0, 0, 15);
  PutPixel(0, 0, 16);
  PutPixel(1, 0, 20);
  PutPixel(2, 0, 65535);
  ExpectBoth(0, 0, 0);
  ExpectBoth(1, 0, kRed);
  ExpectBoth(2, 0, kWhite);
  CurrentColor = 17;  // colour 1, in a long run (cached pen) and a short one
  HLine(0, 9, 1);
  HLine(0, 1, 2);
  ExpectBoth(9, 1, kBlue);
  ExpectBoth(1, 2, kBlue);
}

TEST_F(Pixels16, TheNotModeDrawsTheComplementOfTheColourIndex) {
  CurrentColor = 1;  // not 1 = 14 (yellow) among 16 colours
  CurrentWriteMode = NotPut;
  DirectPutPixel(0, 0);
  HLine(0, 2, 1);
  HLine(0, 20, 2);
  VLine(30, 0, 10);
  ExpectBoth(0, 0, kYellow);
  ExpectBoth(2, 1, kYellow);
  ExpectBoth(20, 2, kYellow);
  ExpectBoth(30, 10, kYellow);
}

TEST_F(Pixels, TheNotModeAmong256ColoursDrawsIndex255MinusTheColour) {
  CurrentColor = 240;  // not 240 = 15 (white)
  CurrentWriteMode = NotPut;
  DirectPutPixel(0, 0);
  HLine(0, 30, 1);
  ExpectBoth(0, 0, kWhite);
  ExpectBoth(30, 1, kWhite);
}

}  // namespace
}  // namespace graph
