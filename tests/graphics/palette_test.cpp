// The palette of the graph window: the default colours, reading pixels back
// as indexes, palette changes and the limits of the palette routines.
#include <gtest/gtest.h>

#include "driver_test_support.h"
#include "graphics/graph_window.h"

namespace graph {
namespace {

using testing::BitmapValue;
using testing::OpenWindow;
using testing::OpenWindow16;
using testing::ScreenValue;

struct DefaultEntry {
  int index;
  RGBRec rgb;
};

// Entries that pin down each rule of the table: the standard colours, the
// greys, the first, a middle and the last step of the colour circle in the
// first and last rows, and the black tail.
constexpr DefaultEntry kDefaults[] = {
    {0, {0, 0, 0}},         {1, {0, 0, 168}},       {6, {168, 84, 0}},     {15, {252, 252, 252}},
    {16, {0, 0, 0}},        {17, {20, 20, 20}},     {31, {252, 252, 252}}, {32, {0, 0, 252}},
    {33, {64, 0, 252}},     {36, {252, 0, 252}},    {40, {252, 0, 0}},     {44, {252, 252, 0}},
    {48, {0, 252, 0}},      {52, {0, 252, 252}},    {55, {0, 64, 252}},    {56, {124, 124, 252}},
    {104, {0, 0, 112}},     {224, {44, 44, 64}},    {225, {48, 44, 64}},   {247, {44, 48, 64}},
    {248, {0, 0, 0}},       {255, {0, 0, 0}},
};

TEST(DefaultColors, FollowTheStandardColoursGreysAndColourCircleRows) {
  for (const DefaultEntry& e : kDefaults) {
    const RGBRec& c = DefaultColors[static_cast<std::size_t>(e.index)];
    EXPECT_EQ((std::array{c.Red, c.Green, c.Blue}), (std::array{e.rgb.Red, e.rgb.Green, e.rgb.Blue}))
        << "entry " << e.index;
  }
  for (const RGBRec& c : DefaultColors) {
    EXPECT_EQ(c.Red % 4, 0);
    EXPECT_EQ(c.Green % 4, 0);
    EXPECT_EQ(c.Blue % 4, 0);
  }
}

using Palette256 = OpenWindow;
using Palette16 = OpenWindow16;

TEST_F(Palette256, EveryColourReadsBackAsItselfOrTheLowestIndexSharingItsValue) {
  for (int c = 0; c < 256; ++c)
    PutPixel(static_cast<std::int16_t>(c % 64), static_cast<std::int16_t>(c / 64), static_cast<std::uint16_t>(c));
  for (int c = 0; c < 256; ++c) {
    int expected = c;
    if (c == 16 || c >= 248) expected = 0;
    if (c == 31) expected = 15;
    EXPECT_EQ(GetPixel(static_cast<std::int16_t>(c % 64), static_cast<std::int16_t>(c / 64)), expected)
        << "colour " << c;
  }
}

TEST_F(Palette256, ANewPaletteEntryAffectsOnlyLaterPixelsIncludingLongRuns) {
  CurrentColor = 4;
  PutPixel(0, 0, 4);
  HLine(0, 30, 1);  // creates the cached pen of index 4
  SetRGBPalette(4, 0, 255, 0);
  ASSERT_EQ(GraphResult, grOk);
  PutPixel(0, 2, 4);
  HLine(0, 30, 3);
  VLine(40, 0, 20);

  const win32::COLORREF red = win32::RGB(168, 0, 0);
  const win32::COLORREF green = win32::RGB(0, 255, 0);
  EXPECT_EQ(BitmapValue(0, 0), red);
  EXPECT_EQ(BitmapValue(30, 1), red);
  EXPECT_EQ(ScreenValue(30, 1), red);
  EXPECT_EQ(BitmapValue(0, 2), green);
  EXPECT_EQ(BitmapValue(30, 3), green);
  EXPECT_EQ(ScreenValue(30, 3), green);
  EXPECT_EQ(BitmapValue(40, 20), green);
  // Indexes beyond the pen cache get a pen of their current colour too.
  SetRGBPalette(200, 1, 2, 3);
  CurrentColor = 200;
  HLine(0, 30, 4);
  EXPECT_EQ(BitmapValue(30, 4), win32::RGB(1, 2, 3));
}

TEST_F(Palette256, EntriesAreStoredAsPassedAndDrawnByTheirLowEightBits) {
  SetRGBPalette(5, 300, -1, 256);
  std::int16_t r = 0, g = 0, b = 0;
  GetRGBPalette(5, r, g, b);
  EXPECT_EQ(r, 300);
  EXPECT_EQ(g, -1);
  EXPECT_EQ(b, 256);
  PutPixel(0, 0, 5);
  EXPECT_EQ(BitmapValue(0, 0), win32::RGB(44, 255, 0));
}

TEST_F(Palette256, SetBkColorGivesEntryZeroTheDefaultColourOfTheIndex) {
  SetBkColor(9);
  std::int16_t r = 0, g = 0, b = 0;
  GetRGBPalette(0, r, g, b);
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::int16_t, 3>{84, 84, 252}));
}

TEST_F(Palette16, IndexesOutsideThePaletteAreRefusedWithMinus11) {
  const std::int16_t bad[] = {-1, 16, 255, 32767};
  for (std::int16_t index : bad) {
    GraphResult = grOk;
    SetRGBPalette(index, 1, 2, 3);
    EXPECT_EQ(GraphResult, grError) << "set " << index;
    GraphResult = grOk;
    std::int16_t r = 7, g = 7, b = 7;
    GetRGBPalette(index, r, g, b);
    EXPECT_EQ(GraphResult, grError) << "get " << index;
    EXPECT_EQ((std::array{r, g, b}), (std::array<std::int16_t, 3>{7, 7, 7}));
  }
  GraphResult = grOk;
  SetRGBPalette(15, 1, 2, 3);
  EXPECT_EQ(GraphResult, grOk);
}

TEST(PaletteOfAnOpenWindow, KeepsItsSizeWhenAModeWithMoreColoursIsSet) {
  // Switching to a 256-colour mode keeps the open window and its 16 entries:
  // index 200 is beyond them although MaxColor now allows it.
  testing::EnterMode({10, 258});
  ASSERT_EQ(GraphResult, grOk);
  SetGraphMode(259);
  ASSERT_EQ(GraphResult, grOk);
  ASSERT_EQ(MaxColor, 256);
  SetRGBPalette(200, 1, 2, 3);
  EXPECT_EQ(GraphResult, grError);
  GraphResult = grOk;
  PutPixel(0, 0, 200);  // 200 mod 16 = colour 8
  EXPECT_EQ(BitmapValue(0, 0), win32::RGB(84, 84, 84));
  EXPECT_EQ(GetPixel(0, 0), 8);
  CloseGraph();
}

TEST_F(Palette16, GetPaletteEntryFindsTheNearestColourAmongTheModesColours) {
  EXPECT_EQ(GetPaletteEntry(0, 0, 0), 0);
  EXPECT_EQ(GetPaletteEntry(252, 252, 252), 15);
  EXPECT_EQ(GetPaletteEntry(160, 10, 5), 4);
  EXPECT_EQ(GetPaletteEntry(255, 255, 255), 15);
  // Among 16 colours a default grey of the 256 is not there: nearest wins.
  EXPECT_EQ(GetPaletteEntry(80, 80, 80), 8);
}

}  // namespace
}  // namespace graph
