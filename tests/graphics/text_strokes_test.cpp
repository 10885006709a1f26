// Stroked fonts: the stroke encoding, unpacking within the data, the font
// table, and a font built here drawing its segments through the Line slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/graph.h"
#include "graphics/text.h"
#include "recording_driver.h"

namespace graph {
namespace {

TEST(StrokeEncoding, DecodeSplitsOpcodeAndSevenBitCoordinates) {
  struct Case {
    std::uint8_t First, Second;
    StrokeOp Op;
    std::int16_t X, Y;
  };
  const Case cases[] = {
      {0x81, 0x7F, StrokeOp::Move, 1, -1},
      {0xC0, 0xC0, StrokeOp::Draw, -64, -64},
      {0x00, 0x00, StrokeOp::End, 0, 0},
      {0x3F, 0x80, StrokeOp::NoDraw, 63, 0},
  };
  for (const Case& c : cases) {
    std::int16_t x = 99;
    std::int16_t y = 99;
    EXPECT_EQ(Decode(c.First, c.Second, x, y), c.Op) << int{c.First} << "," << int{c.Second};
    EXPECT_EQ(x, c.X);
    EXPECT_EQ(y, c.Y);
  }
}

TEST(StrokeEncoding, UnpackStopsAtTheEndStrokeAndNeverLeavesTheData) {
  TStrokes strokes{};
  const std::uint8_t data[] = {0x81, 0x7F, 0xC0, 0xC0, 0x00, 0x00, 0x81, 0x01};
  EXPECT_EQ(Unpack(data, sizeof data, 0, strokes), 3);
  EXPECT_EQ(strokes[1].Opcode, StrokeOp::Draw);
  EXPECT_EQ(strokes[1].X, -64);
  // From the fourth pair the data ends without an end stroke.
  EXPECT_EQ(Unpack(data, sizeof data, 6, strokes), 1);
  EXPECT_EQ(Unpack(data, sizeof data, 7, strokes), 0);  // half a pair
  EXPECT_EQ(Unpack(data, sizeof data, 8, strokes), 0);
  EXPECT_EQ(Unpack(data, sizeof data, -2, strokes), 0);
  EXPECT_EQ(Unpack(nullptr, 0, 0, strokes), 0);

  // A character of more strokes than the work area holds is cut there.
  std::vector<std::uint8_t> longCharacter(2 * (MaxStrokes + 50), 0x81);
  EXPECT_EQ(Unpack(longCharacter.data(), static_cast<std::int32_t>(longCharacter.size()), 0, strokes),
            static_cast<std::int16_t>(MaxStrokes));
}

TEST(FontTable, SixteenFontsFitAndTheSeventeenthIsRefused) {
  InstalledFonts = 0;
  Fonts = {};
  EXPECT_EQ(InstallUserFont("LONGFONTNAME"), 1);
  EXPECT_EQ(Fonts[1].Name, FontName("LONGFONT"));
  EXPECT_EQ(Fonts[1].Data, nullptr);
  for (std::int16_t n = 2; n <= 16; ++n) EXPECT_EQ(InstallUserFont("SAME"), n);
  EXPECT_EQ(InstallUserFont("EXTRA"), 0);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(InstalledFonts, 16);
  EXPECT_EQ(InstallUserFont("SAME"), 0);
  InstalledFonts = 0;
  Fonts = {};
}

// A font built in the test: "A" is a caret of two strokes, 10 units wide;
// "B" has no strokes and 4 units. Capitals reach 8 units up, descenders 2
// units down.
class StrokedFont : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnterRecordingMode(200, 200);
    InstalledFonts = 0;
    Fonts = {};
    font_ = InstallUserFont("CARET");
    FontRec& font = Fonts[static_cast<std::size_t>(font_)];
    font.Header = FontHeader{2, 'A', 8, -2};
    static constexpr std::uint8_t kStrokes[] = {
        0x80, 0x00,  // move to (0, 0)
        0x84, 0x88,  // draw to (4, 8)
        0x88, 0x80,  // draw to (8, 0)
        0x00, 0x00,  // end
    };
    data_.assign(std::begin(kStrokes), std::end(kStrokes));
    font.Data = data_.data();
    font.DataSize = static_cast<std::int32_t>(data_.size());
    font.Offsets['A'] = 0;
    font.Offsets['B'] = 6;
    font.Widths['A'] = 10;
    font.Widths['B'] = 4;
    font.Widths['C'] = 7;
    CurrentXRatio = 2.0F;
    CurrentYRatio = 2.0F;
    segments_.clear();
    Hooks.Line = &RecordLine;
  }
  void TearDown() override {
    Fonts = {};
    InstalledFonts = 0;
    CurrentXRatio = 0.0F;
    CurrentYRatio = 0.0F;
    FreeModeRegistry();
  }

  struct Segment {
    std::int16_t X1, Y1, X2, Y2;
    std::uint16_t Style, Thickness, WriteMode;
    friend bool operator==(const Segment&, const Segment&) = default;
  };
  static void RecordLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    segments_.push_back({x1, y1, x2, y2, LineInfo.LineStyle, LineInfo.Thickness, CurrentWriteMode});
  }

  std::int16_t font_ = 0;
  std::vector<std::uint8_t> data_;
  static inline std::vector<Segment> segments_;
};

TEST_F(StrokedFont, MetricsScaleTheFontUnits) {
  CurrentTextInfo.Font = static_cast<std::uint16_t>(font_);
  EXPECT_EQ(TextWidth("AB"), 28);
  EXPECT_EQ(TextWidth("C"), 0);  // beyond the font's two characters
  EXPECT_EQ(TextHeight("AB"), 20);
  CurrentYRatio = 0.35F;
  EXPECT_EQ(TextHeight(""), 3);     // 10 x 0.35, truncated
  CurrentXRatio = 0.25F;
  EXPECT_EQ(TextWidth("AB"), 4);    // 3.5 rounds to even
  EXPECT_EQ(TextWidth("ABBB"), 6);  // 5.5 rounds to even

  // The widths of a long text add up beyond 16 bits.
  Fonts[static_cast<std::size_t>(font_)].Widths['A'] = 255;
  CurrentXRatio = 1.0F;
  EXPECT_EQ(TextWidth(GraphString(std::string(255, 'A'))), 65025);
}

TEST_F(StrokedFont, DrawsItsSegmentsThroughTheLineSlot) {
  CurrentTextInfo = {static_cast<std::uint16_t>(font_), HorizDir, 1, LeftText, TopText};
  SetLineStyle(DottedLn, 0, ThickWidth);
  CurrentWriteMode = XORPut;
  OutTextXY(50, 60, "ABA");
  // Top justification moves the baseline down by the height, 20 pixels.
  const std::vector<Segment> expected = {
      {50, 80, 58, 64, SolidLn, NormWidth, CopyPut},
      {58, 64, 66, 80, SolidLn, NormWidth, CopyPut},
      {78, 80, 86, 64, SolidLn, NormWidth, CopyPut},
      {86, 64, 94, 80, SolidLn, NormWidth, CopyPut},
  };
  EXPECT_EQ(segments_, expected);
  EXPECT_EQ(LineInfo.LineStyle, DottedLn);
  EXPECT_EQ(LineInfo.Thickness, ThickWidth);
  EXPECT_EQ(CurrentWriteMode, XORPut);
}

TEST_F(StrokedFont, VerticalTextTurnsTheStrokes) {
  CurrentTextInfo = {static_cast<std::uint16_t>(font_), VertDir, 1, LeftText, BottomText};
  OutTextXY(50, 60, "AA");
  // The baseline stands at x0 + height, the text runs upward.
  ASSERT_EQ(segments_.size(), 4U);
  EXPECT_EQ((std::array{segments_[0].X1, segments_[0].Y1, segments_[0].X2, segments_[0].Y2}),
            (std::array<std::int16_t, 4>{70, 60, 54, 52}));
  EXPECT_EQ((std::array{segments_[3].X1, segments_[3].Y1, segments_[3].X2, segments_[3].Y2}),
            (std::array<std::int16_t, 4>{54, 32, 70, 24}));
}

TEST_F(StrokedFont, MissingStrokeDataAndUnknownFontsDrawNothing) {
  Fonts[static_cast<std::size_t>(font_)].Data = nullptr;
  CurrentTextInfo.Font = static_cast<std::uint16_t>(font_);
  OutTextXY(50, 60, "AB");
  CurrentTextInfo.Font = 40;
  OutTextXY(50, 60, "AB");
  EXPECT_EQ(TextWidth("AB"), 0);
  EXPECT_TRUE(segments_.empty());
}

}  // namespace
}  // namespace graph
