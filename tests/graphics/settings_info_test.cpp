// The drawing settings' checking, the current position, palettes as default
// colour numbers, the result messages and what the library says about its
// modes, through the recording driver.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "graphics/graph.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::Recording;

class SettingsAndInfo : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnterRecordingMode(64, 48); }
  void TearDown() override { FreeModeRegistry(); }
};

TEST_F(SettingsAndInfo, OutOfRangeSettingsSetMinus11AndChangeNothing) {
  SetWriteMode(XORPut);
  SetFillStyle(HatchFill, Red);
  SetAspectRatio(8000, 10000);
  GraphResult = grOk;
  SetWriteMode(NotPut + 1);
  SetFillStyle(UserFill + 1, Blue);
  SetAspectRatio(0, 10000);
  EXPECT_EQ(GraphResult, grError);
  FillSettingsType fill{};
  GetFillSettings(fill);
  std::uint16_t xAspect = 0, yAspect = 0;
  GetAspectRatio(xAspect, yAspect);
  EXPECT_EQ(CurrentWriteMode, XORPut);
  EXPECT_EQ(fill.Pattern, HatchFill);
  EXPECT_EQ(fill.Color, Red);
  EXPECT_EQ(xAspect, 8000);
  EXPECT_EQ(yAspect, 10000);
}

// SetFillPattern keeps its pattern as the user pattern; UserFill selects it
// again after another style, and the next mode set puts back the solid one.
TEST_F(SettingsAndInfo, TheUserPatternStaysUntilTheNextModeSet) {
  const FillPattern checker = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  SetFillPattern(checker, Cyan);
  SetFillStyle(SolidFill, Red);
  SetFillStyle(UserFill, Brown);
  FillPattern read{};
  GetFillPattern(read);
  EXPECT_EQ(read, checker);
  Recording().Calls.clear();
  Bar(0, 0, 7, 0);
  ASSERT_EQ(Recording().CallsOf(CallKind::DirectPutPixel).size(), 8U);
  EXPECT_EQ(Recording().At(0, 0), Brown);  // row 0 is 0xAA: the leftmost bit is set
  EXPECT_EQ(Recording().At(1, 0), Black);  // clear bits in the background colour
  SetGraphMode(testing::kRecordingMode);
  GetFillPattern(read);
  EXPECT_EQ(read, (FillPattern{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(SettingsAndInfo, PalettesAreDefaultColourNumbers) {
  PaletteType palette{};
  GetDefaultPalette(palette);
  EXPECT_EQ(GetPaletteSize(), 16);
  ASSERT_EQ(palette.Size, 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(palette.Colors[static_cast<std::size_t>(i)], i);
  EXPECT_EQ(palette.Colors[16], -1);

  SetAllPalette(palette);
  SetPalette(3, Yellow);
  SetRGBPalette(5, 1, 2, 3);  // none of the default colours
  PaletteType read{};
  GetPalette(read);
  PaletteType expected = palette;
  expected.Colors[3] = Yellow;
  expected.Colors[5] = -1;
  EXPECT_EQ(read.Size, 16);
  EXPECT_EQ(read.Colors, expected.Colors);
  EXPECT_EQ(Recording().Palette[3].Red, DefaultColors[Yellow].Red);

  // -1 leaves an entry alone; a bad entry or size changes nothing at all.
  Recording().Calls.clear();
  PaletteType bad = palette;
  bad.Colors[0] = -1;
  bad.Colors[9] = 256;
  GraphResult = grOk;
  SetAllPalette(bad);
  EXPECT_EQ(GraphResult, grError);
  bad.Colors[9] = -2;
  SetAllPalette(bad);
  bad.Colors[9] = 9;
  bad.Size = 17;
  SetAllPalette(bad);
  SetPalette(16, 1);
  SetPalette(2, 256);
  SetPalette(2, -1);
  EXPECT_TRUE(Recording().CallsOf(CallKind::SetRGBPalette).empty());
  bad.Size = 16;
  GraphResult = grOk;
  SetAllPalette(bad);
  EXPECT_EQ(GraphResult, grOk);
  EXPECT_EQ(Recording().CallsOf(CallKind::SetRGBPalette).size(), 15U);
}

TEST_F(SettingsAndInfo, LineToAndLineRelDrawFromTheCurrentPositionAndMoveItLineLeavesIt) {
  const auto drawn = [](const std::function<void()>& draw) {
    Recording().Fill(Black);
    draw();
    return Recording().Picture;
  };
  MoveTo(3, 4);
  const auto chain = drawn([] {
    LineTo(30, 4);
    LineRel(0, 20);
    MoveRel(-5, 5);
    LineRel(-10, 0);
  });
  EXPECT_EQ(chain, drawn([] {
              Line(3, 4, 30, 4);
              Line(30, 4, 30, 24);
              Line(25, 29, 15, 29);
            }));
  EXPECT_EQ(GetX(), 15);
  EXPECT_EQ(GetY(), 29);
  Line(0, 0, 5, 5);
  EXPECT_EQ(GetX(), 15);
  // A relative move stops at the edge of the coordinates instead of wrapping.
  MoveTo(32000, -32000);
  MoveRel(1000, -1000);
  EXPECT_EQ(GetX(), 32767);
  EXPECT_EQ(GetY(), -32768);
}

TEST_F(SettingsAndInfo, EveryResultCodeHasItsOwnMessageAndAnUnknownOneIsNamed) {
  std::set<std::string> messages;
  for (const std::int16_t code : {grOk, grNoInitGraph, grNotDetected, grInvalidMode, grError}) {
    const std::string message(GraphErrorMsg(code).view());
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.find("nknown"), std::string::npos) << code;
    messages.insert(message);
  }
  EXPECT_EQ(messages.size(), 5U);
  EXPECT_NE(std::string(GraphErrorMsg(-42).view()).find("-42"), std::string::npos);
}

// A list driver keeps the mode numbers its records carry, gaps and all; a
// depth driver numbers its modes 1 .. n by size.
TEST_F(SettingsAndInfo, ModeNumbersAndNamesOfTheCurrentDriver) {
  EXPECT_EQ(GetDriverName().view(), "WIN32GUI");
  EXPECT_EQ(GetGraphMode(), testing::kRecordingMode);
  EXPECT_EQ(GetModeName(testing::kRecordingMode).view(), "Recording");
  TModeInfo later = testing::RecordingMode(32, 24);
  later.Mode = 7;
  later.Name = ModeName("Later");
  AddMode(later);
  EXPECT_EQ(GetMaxMode(), 7);
  EXPECT_EQ(GetModeName(7).view(), "Later");
  GraphResult = grOk;
  EXPECT_EQ(GetModeName(3).view(), "");
  EXPECT_EQ(GraphResult, grInvalidMode);

  // Both 16-colour records are modes of depth driver 13, smallest first.
  std::int16_t driver = FirstDepthDriver + 2;
  std::int16_t mode = 2;
  InitGraph(driver, mode, "");
  ASSERT_EQ(GraphResult, grOk);
  EXPECT_EQ(GetGraphMode(), 2);
  EXPECT_EQ(GetMaxMode(), 2);
  EXPECT_EQ(GetModeName(1).view(), "Later");
  EXPECT_EQ(GetMaxX(), 63);
}

}  // namespace
}  // namespace graph
