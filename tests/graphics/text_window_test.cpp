// Bitmap text on the graph window (headless display): pure white for colour
// 15, brushes of the palette colour otherwise, backgrounds left alone, the
// anchor test, the viewport clip, and the same pixels as the generic routine.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "driver_test_support.h"
#include "graphics/graph_window.h"
#include "graphics/text.h"
#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {
namespace {

using testing::BitmapValue;
using testing::ScreenShot;
using testing::ScreenValue;

constexpr win32::COLORREF kPureWhite = win32::RGB(255, 255, 255);
constexpr win32::COLORREF kPaletteWhite = win32::RGB(252, 252, 252);
constexpr win32::COLORREF kBlue = win32::RGB(0, 0, 168);
constexpr win32::COLORREF kRed = win32::RGB(168, 0, 0);

class TextWindow : public testing::OpenWindow {
 protected:
  void SetUp() override {
    FreeModeRegistry();
    OpenWindow::SetUp();
  }
};

void ExpectBoth(int x, int y, win32::COLORREF value) {
  EXPECT_EQ(BitmapValue(x, y), value) << "bitmap at " << x << "," << y;
  EXPECT_EQ(ScreenValue(x, y), value) << "screen at " << x << "," << y;
}

// The positions holding `value` in a rectangle of the backing bitmap,
// relative to its top-left corner.
std::set<std::pair<int, int>> Positions(int left, int top, int width, int height,
                                        win32::COLORREF value) {
  std::set<std::pair<int, int>> found;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      if (BitmapValue(x, y) == value) found.emplace(x - left, y - top);
    }
  }
  return found;
}

TEST_F(TextWindow, ColourFifteenIsPureWhiteAndOtherColoursTheirPaletteColour) {
  OutTextXY(0, 0, "A");  // "A" row 0 is 38: ink from column 2
  ExpectBoth(2, 0, kPureWhite);
  PutPixel(0, 20, 15);
  ExpectBoth(0, 20, kPaletteWhite);

  CurrentColor = 4;
  OutTextXY(10, 0, "A");
  ExpectBoth(12, 0, kRed);

  CurrentColor = 100;
  std::int16_t red = 0;
  std::int16_t green = 0;
  std::int16_t blue = 0;
  GetRGBPalette(100, red, green, blue);
  OutTextXY(20, 0, "A");
  ExpectBoth(22, 0, win32::RGB(static_cast<win32::BYTE>(red), static_cast<win32::BYTE>(green),
                               static_cast<win32::BYTE>(blue)));

  // A colour beyond the palette never reads outside it: the driver takes its
  // low bits, as for pixels.
  CurrentColor = 256 + 4;
  OutTextXY(30, 0, "A");
  ExpectBoth(32, 0, kRed);
}

TEST_F(TextWindow, TheBackgroundOfEachCellIsLeftAsItWas) {
  CurrentColor = 1;
  for (std::int16_t y = 0; y < 8; ++y) HLine(0, 31, y);
  CurrentColor = 15;
  OutTextXY(0, 0, "A");
  CurrentColor = 4;
  OutTextXY(8, 0, "A");
  ExpectBoth(0, 0, kBlue);  // blank pixels of both cells
  ExpectBoth(8, 0, kBlue);
  ExpectBoth(2, 0, kPureWhite);
  ExpectBoth(10, 0, kRed);
  ExpectBoth(16, 0, kBlue);  // beyond the text
}

TEST_F(TextWindow, AnAnchorOutsideTheViewportDrawsNothing) {
  SetViewPort(100, 50, 299, 149, true);
  OutTextXY(-1, 0, "AAAA");
  OutTextXY(0, -1, "AAAA");
  OutTextXY(200, 0, "AAAA");
  CurrentTextInfo.Vert = BottomText;  // anchor moved 8 up, above the viewport
  OutTextXY(0, 7, "AAAA");
  const ScreenShot screen;
  for (int y = 40; y < 160; ++y) {
    for (int x = 90; x < 310; ++x) {
      ASSERT_EQ(BitmapValue(x, y), 0U) << x << "," << y;
      ASSERT_EQ(screen.At(x, y), 0U) << x << "," << y;
    }
  }
}

TEST_F(TextWindow, TextIsCutAtTheViewportsRightAndBottomEdgesWithClippingOnOrOff) {
  for (const bool clip : {true, false}) {
    ClearDevice();
    SetViewPort(100, 50, 119, 53, clip);
    OutTextXY(0, 0, "AAAA");
    ExpectBoth(100, 53, kPureWhite);  // "A" row 3 is C6
    ExpectBoth(117, 53, kPureWhite);  // third "A", column 1
    ExpectBoth(121, 53, 0);           // its column 5, beyond the edge
    ExpectBoth(100, 54, 0);           // row 4, below the edge
  }
}

TEST_F(TextWindow, PaintsTheSamePixelsAsTheGenericRoutine) {
  struct Case {
    std::uint16_t Direction, Size;
    int ShiftX, ShiftY;  // where the generic routine's blocks lie relative to the driver's
  };
  const Case cases[] = {{HorizDir, 1, 0, 0}, {VertDir, 1, 0, 0}, {HorizDir, 3, 0, 0}, {VertDir, 2, -1, 1}};
  for (const Case& c : cases) {
    ClearDevice();
    CurrentTextInfo = {DefaultFont, c.Direction, c.Size, LeftText, TopText};
    OutTextXY(100, 100, "Ag\x01\xDB");
    OutTextXYDefault(400, 100, "Ag\x01\xDB");
    const auto driver = Positions(60, 60, 200, 200, kPureWhite);
    const auto generic = Positions(360 + c.ShiftX, 60 + c.ShiftY, 200, 200, kPaletteWhite);
    EXPECT_FALSE(driver.empty());
    EXPECT_EQ(driver, generic) << "direction " << c.Direction << " size " << c.Size;
  }
}

}  // namespace
}  // namespace graph
