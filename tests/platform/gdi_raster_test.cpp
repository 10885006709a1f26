// Raster operations against their truth tables: every ternary code through
// BitBlt and StretchBlt, every binary mode through LineTo and Rectangle.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "gdi_test_support.h"
#include "platform/gdi.h"

namespace {

using namespace win32;
using gdi_test::MemoryCanvas;

// The truth table read bit by bit: bit (p << 2 | s << 1 | d) of the code's
// table byte is the result.
COLORREF Rop3Reference(BYTE table, COLORREF p, COLORREF s, COLORREF d) {
  COLORREF result = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const unsigned index = (((p >> bit) & 1u) << 2) | (((s >> bit) & 1u) << 1) | ((d >> bit) & 1u);
    result |= static_cast<COLORREF>((table >> index) & 1u) << bit;
  }
  return result;
}

COLORREF Rop2Reference(int mode, COLORREF pen, COLORREF d) {
  COLORREF result = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const unsigned index = (((pen >> bit) & 1u) << 1) | ((d >> bit) & 1u);
    result |= static_cast<COLORREF>(((mode - 1) >> index) & 1u) << bit;
  }
  return result;
}

constexpr std::array<COLORREF, 4> kSources{0x00CCCCCC, 0x00123456, 0x00FFFFFF, 0x00000000};
constexpr std::array<COLORREF, 4> kDestinations{0x00AAAAAA, 0x00FEDCBA, 0x00000000, 0x0055AA0F};
constexpr COLORREF kPattern = 0x00F0F0F0;

// Pattern 0xF0, source 0xCC and destination 0xAA in every byte give the
// code's own table byte; the other pixels mix arbitrary values.
void ExpectAllCodes(bool stretch) {
  MemoryCanvas source(4, 1);
  for (int x = 0; x < 4; ++x) SetPixelV(source.dc(), x, 0, kSources[static_cast<std::size_t>(x)]);
  MemoryCanvas target(4, 1);
  HBRUSH brush = CreateSolidBrush(kPattern);
  HGDIOBJ old_brush = SelectObject(target.dc(), brush);
  for (int code = 0; code < 256; ++code) {
    for (int x = 0; x < 4; ++x) SetPixelV(target.dc(), x, 0, kDestinations[static_cast<std::size_t>(x)]);
    const DWORD rop = static_cast<DWORD>(code) << 16 | 0x0020;  // the low word plays no part
    const BOOL done = stretch ? StretchBlt(target.dc(), 0, 0, 4, 1, source.dc(), 0, 0, 4, 1, rop)
                              : BitBlt(target.dc(), 0, 0, 4, 1, source.dc(), 0, 0, rop);
    ASSERT_TRUE(done) << "code " << code;
    EXPECT_EQ(GetPixel(target.dc(), 0, 0), static_cast<COLORREF>(code) * 0x010101u) << "code " << code;
    for (int x = 1; x < 4; ++x) {
      const auto i = static_cast<std::size_t>(x);
      EXPECT_EQ(GetPixel(target.dc(), x, 0), Rop3Reference(static_cast<BYTE>(code), kPattern, kSources[i], kDestinations[i]))
          << "code " << code << " pixel " << x;
    }
  }
  SelectObject(target.dc(), old_brush);
  DeleteObject(brush);
}

TEST(GdiRasterOperations, BitBltEvaluatesEveryTernaryCodeFromItsTruthTable) { ExpectAllCodes(false); }
TEST(GdiRasterOperations, StretchBltEvaluatesEveryTernaryCodeFromItsTruthTable) { ExpectAllCodes(true); }

TEST(GdiRasterOperations, NamedCodesOfTheTextPath) {
  // Ink white on black in the glyph; the cell's background must survive.
  MemoryCanvas glyph(2, 1);
  SetPixelV(glyph.dc(), 0, 0, RGB(255, 255, 255));
  SetPixelV(glyph.dc(), 1, 0, RGB(0, 0, 0));
  MemoryCanvas cell(2, 1, RGB(10, 20, 30));
  HBRUSH brush = CreateSolidBrush(RGB(200, 100, 50));
  HGDIOBJ old = SelectObject(cell.dc(), brush);

  ASSERT_TRUE(BitBlt(cell.dc(), 0, 0, 2, 1, glyph.dc(), 0, 0, 0x00220326));  // D & ~S: ink blackened
  EXPECT_EQ(GetPixel(cell.dc(), 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(cell.dc(), 1, 0), RGB(10, 20, 30));
  ASSERT_TRUE(BitBlt(cell.dc(), 0, 0, 2, 1, glyph.dc(), 0, 0, 0x00EA02E9));  // D | (P & S): ink in brush
  EXPECT_EQ(GetPixel(cell.dc(), 0, 0), RGB(200, 100, 50));
  EXPECT_EQ(GetPixel(cell.dc(), 1, 0), RGB(10, 20, 30));
  ASSERT_TRUE(BitBlt(cell.dc(), 0, 0, 2, 1, glyph.dc(), 0, 0, SRCPAINT));
  EXPECT_EQ(GetPixel(cell.dc(), 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(cell.dc(), 1, 0), RGB(10, 20, 30));

  SelectObject(cell.dc(), old);
  DeleteObject(brush);
}

TEST(GdiRasterOperations, OperationsWithoutSourceNeedNoSourceContext) {
  MemoryCanvas target(3, 3, RGB(1, 2, 3));
  EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 3, 3, nullptr, 0, 0, DSTINVERT));
  EXPECT_EQ(GetPixel(target.dc(), 2, 2), RGB(254, 253, 252));
  EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 3, 3, nullptr, 0, 0, BLACKNESS));
  EXPECT_EQ(GetPixel(target.dc(), 1, 1), RGB(0, 0, 0));
  EXPECT_FALSE(BitBlt(target.dc(), 0, 0, 3, 3, nullptr, 0, 0, SRCCOPY));
}

TEST(GdiRasterOperations, LineToMixesThePenByEveryBinaryMode) {
  constexpr COLORREF kPen = 0x00C3A50F;
  constexpr COLORREF kBackground = 0x005A3CF0;
  MemoryCanvas canvas(8, 1);
  HPEN pen = CreatePen(PS_SOLID, 1, kPen);
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
    canvas.Fill(kBackground);
    ASSERT_NE(SetROP2(canvas.dc(), mode), 0);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 3, 0);  // a short run
    MoveToEx(canvas.dc(), 3, 0, nullptr);
    LineTo(canvas.dc(), 8, 0);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(GetPixel(canvas.dc(), x, 0), Rop2Reference(mode, kPen, kBackground)) << mode;
  }
  EXPECT_EQ(GetROP2(canvas.dc()), R2_WHITE);
  EXPECT_EQ(SetROP2(canvas.dc(), 17), 0);  // not a mode
  SelectObject(canvas.dc(), old);
  DeleteObject(pen);
}

TEST(GdiRasterOperations, XorLineTwiceRestoresThePicture) {
  MemoryCanvas canvas(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) SetPixelV(canvas.dc(), x, y, RGB(x * 16, y * 16, 77));
  const auto before = canvas.Pixels();
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 170));
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  SetROP2(canvas.dc(), R2_XORPEN);
  for (int pass = 0; pass < 2; ++pass) {
    MoveToEx(canvas.dc(), 1, 2, nullptr);
    LineTo(canvas.dc(), 14, 11);
    EXPECT_TRUE(Rectangle(canvas.dc(), 3, 3, 12, 9));
    if (pass == 0) {
      EXPECT_NE(canvas.Pixels(), before);
    }
  }
  EXPECT_EQ(canvas.Pixels(), before);
  SelectObject(canvas.dc(), old);
  DeleteObject(pen);
}

// SRCCOPY copies whole rows at a time; with a white brush, P & S is the
// same copy, pixel by pixel. Random placements, many partly outside the
// source or the target, must leave the same pictures.
TEST(GdiRasterOperations, PlainCopiesLeaveWhatThePixelByPixelCopyLeaves) {
  MemoryCanvas source(23, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x) SetPixelV(source.dc(), x, y, RGB(x * 11, y * 15, (x * y) & 0xFF));
  MemoryCanvas rows(19, 13, 0x00123456);
  MemoryCanvas pixels(19, 13, 0x00123456);
  HBRUSH white = CreateSolidBrush(0x00FFFFFF);
  HGDIOBJ old_brush = SelectObject(pixels.dc(), white);
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> place(-25, 25);
  std::uniform_int_distribution<int> extent(0, 30);
  for (int round = 0; round < 1000; ++round) {
    const int x = place(random), y = place(random), width = extent(random), height = extent(random);
    const int source_x = place(random), source_y = place(random);
    ASSERT_TRUE(BitBlt(rows.dc(), x, y, width, height, source.dc(), source_x, source_y, SRCCOPY));
    ASSERT_TRUE(BitBlt(pixels.dc(), x, y, width, height, source.dc(), source_x, source_y, MERGECOPY));
    ASSERT_EQ(rows.Pixels(), pixels.Pixels()) << "round " << round << ": " << width << " x " << height << " at "
                                              << x << ", " << y << " from " << source_x << ", " << source_y;
  }
  SelectObject(pixels.dc(), old_brush);
  DeleteObject(white);
}

}  // namespace
