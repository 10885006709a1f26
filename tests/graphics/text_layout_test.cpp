// Text through the generic routine and the recording driver: placement for
// each justification and direction, metrics, blank characters, backgrounds,
// the translation table and the built-in font's fixed glyphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "graphics/graph.h"
#include "graphics/text.h"
#include "recording_driver.h"

namespace graph {
namespace {

using testing::CallKind;
using testing::Recording;

struct Box {
  std::int32_t Left, Top, Right, Bottom;
  friend bool operator==(const Box&, const Box&) = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << "(" << box.Left << "," << box.Top << ")-(" << box.Right << "," << box.Bottom << ")";
}

// The bounding box of the PutPixel calls made since the last clear.
Box PaintedBox() {
  Box box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (const auto& call : Recording().CallsOf(CallKind::PutPixel)) {
    box = {std::min(box.Left, call.A), std::min(box.Top, call.B), std::max(box.Right, call.A),
           std::max(box.Bottom, call.B)};
  }
  return box;
}

std::size_t InkPixels() {
  const auto calls = Recording().CallsOf(CallKind::PutPixel);
  return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(),
                                                [](const auto& call) { return call.C == CurrentColor; }));
}

class BitmapText : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnterRecordingMode(160, 120);
    CurrentBkColor = 3;
  }
  void TearDown() override {
    DrawTextBackground = false;
    GraphStringTransTable = nullptr;
    FreeModeRegistry();
  }
};

TEST_F(BitmapText, DefaultSettingsPutTheFirstCellAtTheAnchor) {
  EXPECT_EQ(CurrentTextInfo.CharSize, 1);
  EXPECT_EQ(CurrentTextInfo.Vert, TopText);
  EXPECT_EQ(TextWidth("0123456789"), 80);
  EXPECT_EQ(TextHeight("0123456789"), 8);
  CurrentTextInfo.CharSize = 3;
  EXPECT_EQ(TextWidth("abcd"), 96);
  EXPECT_EQ(TextHeight("abcd"), 24);
  CurrentTextInfo.CharSize = 1;
  DrawTextBackground = true;
  OutTextXY(30, 20, "AB");
  EXPECT_EQ(PaintedBox(), (Box{30, 20, 45, 27}));
  EXPECT_EQ(Recording().CallsOf(CallKind::PutPixel).size(), 128U);
  // "A" row 0 is 38: ink in columns 2 to 4 only.
  EXPECT_EQ(Recording().At(31, 20), 3);
  EXPECT_EQ(Recording().At(32, 20), 15);
  EXPECT_EQ(Recording().At(35, 20), 3);
}

TEST_F(BitmapText, JustificationAndDirectionPlaceTheCells) {
  // "AB" is 16 pixels along its direction and 8 across, anchored at (60, 60);
  // backgrounds on, so the painted box is exactly the cells.
  struct Case {
    std::uint16_t Direction, Size, Horiz, Vert;
    Box Expected;
  };
  const Case cases[] = {
      {HorizDir, 1, LeftText, TopText, {60, 60, 75, 67}},
      {HorizDir, 1, CenterText, TopText, {52, 60, 67, 67}},
      {HorizDir, 1, RightText, TopText, {44, 60, 59, 67}},      // last column x - 1
      {HorizDir, 1, LeftText, BottomText, {60, 52, 75, 59}},    // last row y - 1
      {HorizDir, 1, LeftText, CenterText, {60, 56, 75, 63}},
      {HorizDir, 2, RightText, BottomText, {28, 44, 59, 59}},
      {VertDir, 1, LeftText, BottomText, {60, 45, 67, 60}},     // upward from the anchor
      {VertDir, 1, CenterText, BottomText, {56, 45, 63, 60}},
      {VertDir, 1, RightText, BottomText, {52, 45, 59, 60}},
      {VertDir, 1, LeftText, CenterText, {60, 53, 67, 68}},
      {VertDir, 1, LeftText, TopText, {60, 61, 67, 76}},
      // Enlarged vertical blocks reach s - 1 pixels left of and below the
      // cells of the window driver's routine.
      {VertDir, 2, LeftText, BottomText, {59, 30, 74, 61}},
  };
  DrawTextBackground = true;
  for (const Case& c : cases) {
    CurrentTextInfo = {DefaultFont, c.Direction, c.Size, c.Horiz, c.Vert};
    Recording().Calls.clear();
    OutTextXY(60, 60, "AB");
    EXPECT_EQ(PaintedBox(), c.Expected) << "direction " << c.Direction << " size " << c.Size
                                        << " justify " << c.Horiz << "," << c.Vert;
  }
}

TEST_F(BitmapText, BlankCharactersAdvanceWithoutInk) {
  const GraphString blanks(std::string_view("\0 \xFF", 3));
  OutTextXY(0, 0, blanks);
  EXPECT_TRUE(Recording().Calls.empty());
  EXPECT_EQ(TextWidth(blanks), 24);

  OutTextXY(0, 0, GraphString(std::string_view("\0 \xFF" "A", 4)));
  EXPECT_EQ(PaintedBox().Left, 24);

  Recording().Calls.clear();
  OutTextXY(0, 0, "");
  EXPECT_TRUE(Recording().Calls.empty());
}

TEST_F(BitmapText, BackgroundsAreLeftAloneUnlessAskedFor) {
  Recording().Fill(9);
  OutTextXY(0, 0, "A");
  EXPECT_EQ(Recording().At(0, 0), 9);
  EXPECT_EQ(Recording().At(2, 0), 15);
  EXPECT_EQ(CurrentWriteMode, CopyPut);
  DrawTextBackground = true;
  OutTextXY(0, 0, "A");
  EXPECT_EQ(Recording().At(0, 0), 3);
}

TEST_F(BitmapText, TheTranslationTableChangesTheCharactersDrawn) {
  std::array<std::uint8_t, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::uint8_t>(i);
  table['a'] = 'A';
  GraphStringTransTable = &table;
  EXPECT_EQ(ConvertString("bab"), GraphString("bAb"));
  OutTextXY(0, 0, "a");
  EXPECT_EQ(InkPixels(), 30U);
}

TEST(BuiltInFont, FixedGlyphsAndBlankCodes) {
  const auto rowsOf = [](std::uint8_t code) {
    std::array<std::uint8_t, 8> rows{};
    for (std::size_t r = 0; r < 8; ++r) {
      for (std::size_t c = 0; c < 8; ++c) {
        EXPECT_LE(DefaultFontData[code][r][c], 1) << int{code};
        rows[r] = static_cast<std::uint8_t>(rows[r] | (DefaultFontData[code][r][c] << (7 - c)));
      }
    }
    return rows;
  };
  EXPECT_EQ(rowsOf('A'), (std::array<std::uint8_t, 8>{0x38, 0x6C, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0x00}));
  EXPECT_EQ(rowsOf('g'), (std::array<std::uint8_t, 8>{0x00, 0x00, 0x7E, 0xC6, 0xCE, 0x76, 0x06, 0x7C}));
  for (const std::uint8_t blank : {0, 32, 255}) EXPECT_EQ(rowsOf(blank), (std::array<std::uint8_t, 8>{})) << int{blank};
  // Every other code has ink; capitals and digits leave row 7 empty.
  for (int code = 1; code < 255; ++code) {
    if (code != 32) {
      EXPECT_NE(rowsOf(static_cast<std::uint8_t>(code)), (std::array<std::uint8_t, 8>{})) << code;
    }
  }
  for (const char ch : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
    EXPECT_EQ(rowsOf(static_cast<std::uint8_t>(ch))[7], 0) << ch;
  }
}

}  // namespace
}  // namespace graph
