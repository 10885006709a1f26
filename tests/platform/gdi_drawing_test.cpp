// Pixels, lines, rectangles, clip regions, stretching and the rules of
// bitmaps and contexts.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "gdi_test_support.h"
#include "platform/gdi.h"
#include "platform/kernel.h"

namespace {

using namespace win32;
using gdi_test::MemoryCanvas;

constexpr COLORREF kInk = RGB(255, 255, 255);

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

class WhitePen {
 public:
  explicit WhitePen(HDC dc) : dc_(dc), old_(SelectObject(dc, GetStockObject(WHITE_PEN))) {}
  ~WhitePen() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

TEST(GdiPixels, StoreEvery24BitColourValueExactly) {
  MemoryCanvas canvas(4, 4);
  const COLORREF values[] = {RGB(0, 0, 168), RGB(252, 252, 252), RGB(1, 2, 3), 0x00FFFFFF, 0x00ABCDEF};
  for (COLORREF value : values) {
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 2, value), value);
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 2), value);
  }
  // The top byte of a colour value is not colour.
  EXPECT_TRUE(SetPixelV(canvas.dc(), 0, 0, 0x02123456));
  EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), 0x00123456u);
}

TEST(GdiPixels, OutsideTheBitmapOrWithABadContextNothingHappens) {
  MemoryCanvas canvas(4, 3);
  EXPECT_FALSE(SetPixelV(canvas.dc(), 4, 0, kInk));
  EXPECT_FALSE(SetPixelV(canvas.dc(), -1, 0, kInk));
  EXPECT_EQ(SetPixel(canvas.dc(), 0, 3, kInk), CLR_INVALID);
  EXPECT_EQ(GetPixel(canvas.dc(), 0, 3), CLR_INVALID);
  EXPECT_EQ(canvas.Mask(kInk), "....\n....\n....\n");
  HDC bogus = reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x7FFF0000));
  EXPECT_FALSE(SetPixelV(bogus, 0, 0, kInk));
  EXPECT_EQ(GetPixel(bogus, 0, 0), CLR_INVALID);
  EXPECT_FALSE(SetPixelV(nullptr, 0, 0, kInk));
}

// Scan lines arrive as blue, green, red, 0 bytes, counted from the bottom
// row unless the height asks for the top row first.
TEST(GdiPixels, GetDIBitsCopiesWholeScanLinesEitherWayUp) {
  MemoryCanvas canvas(3, 2);
  SetPixelV(canvas.dc(), 0, 0, RGB(1, 2, 3));
  SetPixelV(canvas.dc(), 2, 1, RGB(250, 251, 252));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  ASSERT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 0, nullptr, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(info.bmiHeader.biWidth, 3);
  EXPECT_EQ(info.bmiHeader.biHeight, 2);
  EXPECT_EQ(info.bmiHeader.biBitCount, 32);

  std::vector<BYTE> bits(24, 0xEE);
  EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 5, bits.data(), &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(bits, (std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 252, 251, 250, 0,  // bottom row
                                     3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  info.bmiHeader.biHeight = -2;
  std::vector<BYTE> top(12, 0xEE);
  EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, top.data(), &info, DIB_RGB_COLORS), 1);
  EXPECT_EQ(top, (std::vector<BYTE>{3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

  // Any other form, or a size that is not the bitmap's, copies nothing.
  info.bmiHeader.biBitCount = 24;
  EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, top.data(), &info, DIB_RGB_COLORS), 0);
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biWidth = 4;
  EXPECT_EQ(GetDIBits(canvas.dc(), canvas.bitmap(), 0, 1, top.data(), &info, DIB_RGB_COLORS), 0);
}

TEST(GdiLines, EndPointIsNotDrawnInAnyDirection) {
  MemoryCanvas canvas(5, 5);
  WhitePen pen(canvas.dc());
  struct Case {
    int x0, y0, x1, y1;
    const char* mask;
  };
  const Case cases[] = {
      {0, 2, 4, 2, ".....\n.....\n####.\n.....\n.....\n"},
      {4, 2, 0, 2, ".....\n.....\n.####\n.....\n.....\n"},
      {2, 0, 2, 4, "..#..\n..#..\n..#..\n..#..\n.....\n"},
      {2, 4, 2, 0, ".....\n..#..\n..#..\n..#..\n..#..\n"},
      {0, 0, 4, 4, "#....\n.#...\n..#..\n...#.\n.....\n"},
      {4, 0, 0, 4, "....#\n...#.\n..#..\n.#...\n.....\n"},
      {1, 1, 1, 1, ".....\n.....\n.....\n.....\n.....\n"},
  };
  for (const Case& c : cases) {
    canvas.Fill(0);
    Line(canvas.dc(), c.x0, c.y0, c.x1, c.y1);
    EXPECT_EQ(canvas.Mask(kInk), c.mask) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
  }
  // The end point becomes the current position.
  POINT previous{};
  MoveToEx(canvas.dc(), 0, 0, &previous);
  EXPECT_EQ(previous.x, 1);
  EXPECT_EQ(previous.y, 1);
}

TEST(GdiLines, StepsOnceAlongTheMajorAxisPerPixel) {
  MemoryCanvas canvas(7, 3);
  WhitePen pen(canvas.dc());
  Line(canvas.dc(), 0, 0, 6, 2);
  EXPECT_EQ(canvas.Mask(kInk), "##.....\n..###..\n.....#.\n");
}

TEST(GdiLines, NullPenDrawsNothingButMoves) {
  MemoryCanvas canvas(4, 1);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  Line(canvas.dc(), 0, 0, 4, 0);
  EXPECT_EQ(canvas.Mask(kInk), "....\n");
  POINT previous{};
  MoveToEx(canvas.dc(), 0, 0, &previous);
  EXPECT_EQ(previous.x, 4);
}

// Clipped drawing must equal unclipped drawing cut by the clip rectangle,
// whatever the end points, including ones far outside the bitmap.
TEST(GdiLines, ClippedLinesMatchUnclippedLinesCutToTheClip) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> near(-20, 60);
  std::uniform_int_distribution<int> far(-3000000, 3000000);
  MemoryCanvas whole(40, 40);
  MemoryCanvas clipped(40, 40);
  WhitePen pen_whole(whole.dc());
  WhitePen pen_clipped(clipped.dc());
  for (int round = 0; round < 300; ++round) {
    const bool distant = round % 3 == 0;
    const int x0 = near(random), y0 = near(random);
    const int x1 = distant ? far(random) : near(random), y1 = distant ? far(random) : near(random);
    const RECT clip{near(random) / 2, near(random) / 2, 0, 0};
    const RECT area{clip.left, clip.top, clip.left + 1 + std::abs(near(random)) / 3,
                    clip.top + 1 + std::abs(near(random)) / 3};
    whole.Fill(0);
    clipped.Fill(0);
    Line(whole.dc(), x0, y0, x1, y1);
    HRGN region = CreateRectRgn(area.left, area.top, area.right, area.bottom);
    SelectClipRgn(clipped.dc(), region);
    DeleteObject(region);
    Line(clipped.dc(), x0, y0, x1, y1);
    SelectClipRgn(clipped.dc(), nullptr);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        const COLORREF expected = inside ? GetPixel(whole.dc(), x, y) : 0;
        ASSERT_EQ(GetPixel(clipped.dc(), x, y), expected)
            << "line " << x0 << "," << y0 << " -> " << x1 << "," << y1 << " at " << x << "," << y;
      }
    }
  }
}

TEST(GdiLines, ExtremeCoordinatesAreClippedWithoutOverflow) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  MemoryCanvas canvas(4, 3);
  WhitePen pen(canvas.dc());
  Line(canvas.dc(), kMax, 1, kMin, 1);
  Line(canvas.dc(), 0, kMin, 0, kMax);
  Line(canvas.dc(), kMin, kMin, kMax, kMax);
  EXPECT_EQ(canvas.Mask(kInk), "#...\n####\n#.#.\n");
  canvas.Fill(0);
  SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(Rectangle(canvas.dc(), kMin, kMin, kMax, kMax));
  EXPECT_EQ(canvas.Mask(kInk), "####\n####\n####\n");
  MemoryCanvas source(2, 2);
  EXPECT_FALSE(StretchBlt(canvas.dc(), kMin, 0, kMax, 3, source.dc(), 0, 0, 2, 2, SRCCOPY));
}

TEST(GdiRectangles, OutlineWithPenAndInsideWithBrush) {
  MemoryCanvas canvas(6, 5);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
  HBRUSH brush = CreateSolidBrush(RGB(7, 7, 7));
  HGDIOBJ old_pen = SelectObject(canvas.dc(), pen);
  HGDIOBJ old_brush = SelectObject(canvas.dc(), brush);
  ASSERT_TRUE(Rectangle(canvas.dc(), 5, 4, 0, 0));  // corners in any order
  EXPECT_EQ(canvas.Mask(RGB(9, 9, 9)), "#####.\n#...#.\n#...#.\n#####.\n......\n");
  EXPECT_EQ(canvas.Mask(RGB(7, 7, 7)), "......\n.###..\n.###..\n......\n......\n");

  // Without a pen, the brush covers one column and one row less.
  canvas.Fill(0);
  SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
  ASSERT_TRUE(Rectangle(canvas.dc(), 0, 0, 5, 4));
  EXPECT_EQ(canvas.Mask(RGB(7, 7, 7)), "####..\n####..\n####..\n......\n......\n");

  // The stock black pen and brush clear a whole area, as a new window's
  // surfaces are cleared.
  canvas.Fill(RGB(1, 1, 1));
  SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
  SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
  ASSERT_TRUE(Rectangle(canvas.dc(), 0, 0, 6, 5));
  EXPECT_EQ(canvas.Mask(RGB(0, 0, 0)), "######\n######\n######\n######\n######\n");

  SelectObject(canvas.dc(), old_pen);
  SelectObject(canvas.dc(), old_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

TEST(GdiClipRegions, LimitEveryKindOfDrawingUntilRemoved) {
  MemoryCanvas canvas(6, 4);
  MemoryCanvas white(6, 4, kInk);
  WhitePen pen(canvas.dc());
  HRGN region = CreateRectRgn(4, 3, 1, 1);  // corners in any order
  EXPECT_EQ(SelectClipRgn(canvas.dc(), region), SIMPLEREGION);
  EXPECT_TRUE(DeleteObject(region));  // the context keeps its own copy

  SetPixelV(canvas.dc(), 0, 0, kInk);
  SetPixelV(canvas.dc(), 1, 1, kInk);
  EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), CLR_INVALID);  // reading is clipped too
  Line(canvas.dc(), 0, 2, 6, 2);
  EXPECT_EQ(canvas.Mask(kInk), "......\n.#....\n.###..\n......\n");
  SelectClipRgn(canvas.dc(), nullptr);
  EXPECT_EQ(canvas.Mask(kInk), "......\n.#....\n.###..\n......\n");

  region = CreateRectRgn(2, 0, 4, 4);
  SelectClipRgn(canvas.dc(), region);
  ASSERT_TRUE(BitBlt(canvas.dc(), 0, 0, 6, 4, white.dc(), 0, 0, SRCCOPY));
  SelectClipRgn(canvas.dc(), nullptr);
  EXPECT_EQ(canvas.Mask(kInk), "..##..\n.###..\n.###..\n..##..\n");

  // A region outside the bitmap lets nothing through.
  HRGN outside = CreateRectRgn(10, 10, 20, 20);
  EXPECT_EQ(SelectClipRgn(canvas.dc(), outside), NULLREGION);
  EXPECT_FALSE(SetPixelV(canvas.dc(), 0, 0, kInk));
  SelectClipRgn(canvas.dc(), nullptr);
  DeleteObject(outside);
  DeleteObject(region);
}

TEST(GdiStretch, ScalesByNearestPixelAndMirrors) {
  MemoryCanvas source(2, 2);
  SetPixelV(source.dc(), 0, 0, kInk);
  SetPixelV(source.dc(), 1, 1, kInk);

  MemoryCanvas big(6, 4);
  ASSERT_TRUE(StretchBlt(big.dc(), 0, 0, 6, 4, source.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(big.Mask(kInk), "###...\n###...\n...###\n...###\n");

  MemoryCanvas small(2, 2);
  ASSERT_TRUE(StretchBlt(small.dc(), 0, 0, 2, 2, big.dc(), 0, 0, 6, 4, SRCCOPY));
  EXPECT_EQ(small.Mask(kInk), "#.\n.#\n");

  // Opposite signs mirror: the picture turned left to right.
  MemoryCanvas mirrored(2, 2);
  ASSERT_TRUE(StretchBlt(mirrored.dc(), 1, 0, -2, 2, source.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_EQ(mirrored.Mask(kInk), ".#\n#.\n");

  // An 8 x 8 glyph enlarged three times keeps its pixels as 3 x 3 blocks.
  MemoryCanvas glyph(8, 8);
  SetPixelV(glyph.dc(), 7, 0, kInk);
  MemoryCanvas cell(24, 24);
  ASSERT_TRUE(StretchBlt(cell.dc(), 0, 0, 24, 24, glyph.dc(), 0, 0, 8, 8, SRCCOPY));
  int ink = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) ink += GetPixel(cell.dc(), x, y) == kInk;
  EXPECT_EQ(ink, 9);
  EXPECT_EQ(GetPixel(cell.dc(), 21, 2), kInk);
}

TEST(GdiBlit, OverlappingCopyOnOneBitmapReadsTheOriginal) {
  MemoryCanvas canvas(5, 1);
  for (int x = 0; x < 5; ++x) SetPixelV(canvas.dc(), x, 0, RGB(x, 0, 0));
  ASSERT_TRUE(BitBlt(canvas.dc(), 1, 0, 4, 1, canvas.dc(), 0, 0, SRCCOPY));
  for (int x = 1; x < 5; ++x) EXPECT_EQ(GetPixel(canvas.dc(), x, 0), RGB(x - 1, 0, 0));
}

TEST(GdiDibSections, TheBitsAreThePixelsTopDownWithRedAndBlueAsADibHasThem) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 3, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(section, nullptr);
  ASSERT_NE(bits, nullptr);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, section);
  EXPECT_EQ(GetPixel(dc, 2, 1), 0u) << "black at first";

  ASSERT_TRUE(SetPixelV(dc, 2, 1, RGB(1, 2, 3)));
  EXPECT_EQ(pixels[1 * 3 + 2], 0x00010203u);
  pixels[0] = 0x00A80000;  // red 168, written in place
  ASSERT_TRUE(GdiFlush());
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(168, 0, 0));
  // Copied onto an ordinary bitmap, the colours stay what they are.
  MemoryCanvas copy(3, 2);
  ASSERT_TRUE(BitBlt(copy.dc(), 0, 0, 3, 2, dc, 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(copy.dc(), 0, 0), RGB(168, 0, 0));
  EXPECT_EQ(GetPixel(copy.dc(), 2, 1), RGB(1, 2, 3));
  SelectObject(dc, old);
  EXPECT_TRUE(DeleteObject(section));
  DeleteDC(dc);

  // Bottom-up sections and other depths are refused.
  struct Refused {
    LONG height;
    WORD bits;
  };
  for (const Refused r : {Refused{2, 32}, Refused{-2, 24}, Refused{0, 32}}) {
    info.bmiHeader.biHeight = r.height;
    info.bmiHeader.biBitCount = r.bits;
    bits = &info;
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }
}

TEST(GdiLines, TheDcPenDrawsInEachContextsOwnColour) {
  MemoryCanvas first(3, 1, RGB(9, 9, 9));
  MemoryCanvas second(3, 1, RGB(9, 9, 9));
  SelectObject(first.dc(), GetStockObject(DC_PEN));
  SelectObject(second.dc(), GetStockObject(DC_PEN));
  Line(first.dc(), 0, 0, 1, 0);
  EXPECT_EQ(GetPixel(first.dc(), 0, 0), RGB(0, 0, 0)) << "black at first";
  EXPECT_EQ(SetDCPenColor(first.dc(), RGB(200, 0, 0)), RGB(0, 0, 0));
  EXPECT_EQ(SetDCPenColor(second.dc(), RGB(0, 0, 200)), RGB(0, 0, 0));
  Line(first.dc(), 0, 0, 3, 0);
  Line(second.dc(), 0, 0, 3, 0);
  EXPECT_EQ(GetPixel(first.dc(), 2, 0), RGB(200, 0, 0));
  EXPECT_EQ(GetPixel(second.dc(), 2, 0), RGB(0, 0, 200));
  EXPECT_EQ(SetDCPenColor(nullptr, 0), CLR_INVALID);
}

TEST(GdiObjects, BitmapsBelongToOneContextAndLeaveBeforeDeletion) {
  MemoryCanvas owner(2, 2);
  HDC other = CreateCompatibleDC(owner.dc());
  EXPECT_EQ(SelectObject(other, owner.bitmap()), nullptr);  // already selected elsewhere
  EXPECT_FALSE(DeleteObject(owner.bitmap()));               // still selected
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));   // stock objects stay
  EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
  EXPECT_EQ(GetStockObject(42), nullptr);
  EXPECT_EQ(CreatePen(PS_DASH, 1, 0), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(other, -1, 5), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(other, 100000, 5), nullptr);
  EXPECT_TRUE(DeleteDC(other));
  EXPECT_FALSE(DeleteDC(other));
  EXPECT_FALSE(SetPixelV(other, 0, 0, 0));
}

}  // namespace
