// The built-in stroked faces: every glyph against its Hershey source, the
// metrics at each size, the ink inside the box that justification places,
// the user scale, and OutText moving the current position.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/graph.h"
#include "graphics/text.h"
#include "recording_driver.h"

namespace graph {
namespace {

constexpr std::int16_t kTrip = 1, kLitt = 2, kGoth = 4, kScri = 5, kSimp = 6, kEuro = 9;

const char* const kFaceNames[] = {"TRIP", "LITT", "SANS", "GOTH", "SCRI",
                                  "SIMP", "TSCR", "LCOM", "EURO", "BOLD"};

// The bounding box of the segments drawn through the Line slot.
struct Ink {
  int Left = INT32_MAX, Top = INT32_MAX, Right = INT32_MIN, Bottom = INT32_MIN;
};

class StrokedFaces : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnterRecordingMode(1000, 1000);
    FreeFontData();
    InstalledFonts = 0;
    for (const char* name : kFaceNames) (void)InstallUserFont(name);
    Hooks.Line = &RecordLine;
    ink_ = Ink{};
  }
  void TearDown() override {
    FreeFontData();
    InstalledFonts = 0;
    Fonts = {};
    CurrentXRatio = 0.0F;
    CurrentYRatio = 0.0F;
    FreeModeRegistry();
  }

  static void RecordLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    ink_.Left = std::min({ink_.Left, int{x1}, int{x2}});
    ink_.Right = std::max({ink_.Right, int{x1}, int{x2}});
    ink_.Top = std::min({ink_.Top, int{y1}, int{y2}});
    ink_.Bottom = std::max({ink_.Bottom, int{y1}, int{y2}});
  }
  static inline Ink ink_;
};

// One glyph as the .jhf file gives it: the advance and each pen-down path.
struct SourceGlyph {
  int Width = 0;
  std::vector<std::vector<std::pair<double, double>>> Paths;  // x from the left edge, y downward
};

std::vector<SourceGlyph> ReadSource(const std::string& file) {
  std::ifstream in(std::string(HERSHEY_FONTS_DIR) + "/" + file);
  std::vector<SourceGlyph> glyphs;
  for (std::string line; glyphs.size() < 95 && std::getline(in, line);) {
    const int left = line[8] - 'R';
    SourceGlyph glyph{line[9] - 'R' - left, {{}}};
    for (std::size_t at = 10; at + 1 < line.size(); at += 2) {
      if (line.compare(at, 2, " R") == 0) {
        glyph.Paths.emplace_back();
      } else {
        glyph.Paths.back().emplace_back(line[at] - 'R' - left, line[at + 1] - 'R');
      }
    }
    std::erase_if(glyph.Paths, [](const auto& path) { return path.empty(); });
    glyphs.push_back(glyph);
  }
  return glyphs;
}

TEST_F(StrokedFaces, EveryGlyphIsItsHersheyGlyphScaled) {
  struct Source {
    const char* File;
    double XScale, YScale;
  };
  const Source sources[] = {{"rowmant.jhf", 1, 1},  {"rowmans.jhf", 2.0 / 3, 2.0 / 3},
                            {"rowmand.jhf", 1, 1},  {"gothiceng.jhf", 1, 1},
                            {"scripts.jhf", 1, 1},  {"rowmans.jhf", 1, 1},
                            {"scriptc.jhf", 1, 1},  {"timesr.jhf", 1, 1},
                            {"rowmans.jhf", 4.0 / 3, 1}, {"timesrb.jhf", 1, 1}};
  for (std::size_t face = 0; face < std::size(sources); ++face) {
    const Source& source = sources[face];
    const FontRec& font = Fonts[face + 1];
    const std::vector<SourceGlyph> glyphs = ReadSource(source.File);
    ASSERT_EQ(glyphs.size(), 95U) << source.File;
    EXPECT_EQ(font.Header.FirstChar, 32);
    EXPECT_EQ(font.Header.NrChars, 95);

    // y turns upward from the face's lowest point.
    double lowest = -1e9;
    for (const SourceGlyph& glyph : glyphs) {
      for (const auto& path : glyph.Paths) {
        for (const auto& point : path) lowest = std::max(lowest, point.second);
      }
    }
    int highest = 0;
    TStrokes strokes{};
    for (int code = 32; code <= 126; ++code) {
      const SourceGlyph& glyph = glyphs[static_cast<std::size_t>(code - 32)];
      const std::string where = std::string(kFaceNames[face]) + " character " + std::to_string(code);
      EXPECT_NEAR(font.Widths[static_cast<std::size_t>(code)], glyph.Width * source.XScale, 0.5) << where;

      const int count = Unpack(font.Data, font.DataSize, font.Offsets[static_cast<std::size_t>(code)], strokes);
      int k = 0;
      for (const auto& path : glyph.Paths) {
        for (std::size_t i = 0; i < path.size(); ++i, ++k) {
          ASSERT_LT(k, count) << where;
          const TStroke& stroke = strokes[static_cast<std::size_t>(k)];
          EXPECT_EQ(stroke.Opcode, i == 0 ? StrokeOp::Move : StrokeOp::Draw) << where;
          EXPECT_NEAR(stroke.X, path[i].first * source.XScale, 0.5) << where;
          EXPECT_NEAR(stroke.Y, (lowest - path[i].second) * source.YScale, 0.5) << where;
          highest = std::max(highest, int{stroke.Y});
        }
      }
      ASSERT_EQ(count, k + 1) << where;
      EXPECT_EQ(strokes[static_cast<std::size_t>(k)].Opcode, StrokeOp::End) << where;
    }
    EXPECT_EQ(font.Header.OrgToCap, highest) << kFaceNames[face];
    EXPECT_EQ(font.Header.OrgToDec, 0) << kFaceNames[face];
    // Codes beyond the font's characters draw nothing and take no room.
    EXPECT_EQ(font.Widths[200], 0);
    EXPECT_EQ(Unpack(font.Data, font.DataSize, font.Offsets[200], strokes), 1);
  }
}

TEST_F(StrokedFaces, MetricsFollowTheSize) {
  // "HH" is 44 units in the simplex face (its "H" spans -11 to 11), 48 in the
  // gothic and script faces; the common faces are 32 units high, the script
  // faces 37 with their long descenders, the small face 21.
  struct Case {
    std::int16_t Font;
    std::uint16_t Size;
    std::uint16_t Width, Height;
  };
  const Case cases[] = {
      {kSimp, 1, 29, 21},  {kSimp, 3, 88, 64},  {kSimp, 10, 293, 213}, {kGoth, 3, 96, 64},
      {kScri, 3, 96, 74},  {kLitt, 3, 60, 42},  {kEuro, 3, 116, 64},   {kTrip, 6, 192, 128},
  };
  for (const Case& c : cases) {
    SetTextStyle(static_cast<std::uint16_t>(c.Font), HorizDir, c.Size);
    EXPECT_EQ(TextWidth("HH"), c.Width) << kFaceNames[c.Font - 1] << " size " << c.Size;
    EXPECT_EQ(TextHeight("HH"), c.Height) << kFaceNames[c.Font - 1] << " size " << c.Size;
  }

  // The small face's 21 units make exactly 14 pixels a size, with no
  // rounding lost on the way.
  for (std::uint16_t size = 1; size <= 10; ++size) {
    SetTextStyle(kLitt, VertDir, size);
    EXPECT_EQ(TextHeight("H"), 14 * size) << size;
  }

  // A text too long for 16 bits is measured as the largest extent, not
  // wrapped round to a small one.
  const GraphString longText(std::string(255, 'W'));
  SetTextStyle(kSimp, HorizDir, 10);
  SetUserCharSize(20, 1, 1, 1);
  EXPECT_EQ(TextWidth(longText), 65535);
  SetTextStyle(DefaultFont, HorizDir, 40);
  EXPECT_EQ(TextWidth(longText), 65535);
}

TEST_F(StrokedFaces, InkStaysInTheBoxThatJustificationPlaces) {
  // Brackets and descenders reach the top and bottom of each face.
  const GraphString text("(Hg|y)");
  for (std::int16_t font = 1; font <= 10; ++font) {
    for (std::uint16_t size = 1; size <= 10; ++size) {
      for (const std::uint16_t direction : {HorizDir, VertDir}) {
        for (const std::uint16_t vert : {BottomText, CenterText, TopText}) {
          SetTextStyle(static_cast<std::uint16_t>(font), direction, size);
          SetTextJustify(LeftText, vert);
          const int height = TextHeight(text);
          const int width = TextWidth(text);
          ink_ = Ink{};
          OutTextXY(400, 600, text);
          const std::string where = std::string(kFaceNames[font - 1]) + " size " + std::to_string(size) +
                                    (direction == HorizDir ? " across" : " up") + " justified " +
                                    std::to_string(vert);
          // Across its writing the ink fills the TextHeight box to within
          // the pixel or two that truncating coordinates costs. Along it the
          // ink keeps to the TextWidth span, but for side bearings and the
          // overhang of slanted faces.
          const int slack = height / 4;
          if (direction == HorizDir) {
            const int top = vert == TopText ? 600 : vert == CenterText ? 600 - height / 2 : 600 - height;
            EXPECT_NEAR(ink_.Top, top, 2) << where;
            EXPECT_NEAR(ink_.Bottom, top + height, 2) << where;
            EXPECT_GE(ink_.Left, 400 - slack) << where;
            EXPECT_LE(ink_.Right, 400 + width + slack) << where;
          } else {
            EXPECT_NEAR(ink_.Left, 400, 2) << where;
            EXPECT_NEAR(ink_.Right, 400 + height, 2) << where;
            const int base = vert == TopText ? 600 + width : vert == CenterText ? 600 + width / 2 : 600;
            EXPECT_LE(ink_.Bottom, base + slack) << where;
            EXPECT_GE(ink_.Top, base - width - slack) << where;
          }
        }
      }
    }
  }
}

TEST_F(StrokedFaces, UserCharSizeScalesEachAxis) {
  SetTextStyle(kSimp, HorizDir, 3);
  SetUserCharSize(3, 2, 1, 4);
  EXPECT_EQ(CurrentTextInfo.CharSize, UserCharSize);
  EXPECT_EQ(TextWidth("HH"), 66);   // 44 x 3/2
  EXPECT_EQ(TextHeight("HH"), 8);   // 32 x 1/4

  // Selecting the user size keeps the scale; a numbered size replaces it.
  SetTextStyle(kGoth, VertDir, UserCharSize);
  EXPECT_EQ(TextHeight("HH"), 8);
  SetTextStyle(kGoth, VertDir, 2);
  EXPECT_FLOAT_EQ(CurrentXRatio, 4.0F / 3.0F);
  EXPECT_FLOAT_EQ(CurrentYRatio, 4.0F / 3.0F);

  // A divisor of 0, and the user size for the bitmap font, are refused.
  GraphResult = grOk;
  SetUserCharSize(1, 0, 1, 1);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_FLOAT_EQ(CurrentXRatio, 4.0F / 3.0F);
  GraphResult = grOk;
  SetTextStyle(DefaultFont, HorizDir, UserCharSize);
  EXPECT_EQ(GraphResult, grError);
  EXPECT_EQ(CurrentTextInfo.Font, kGoth);

  // With the bitmap font selected the scale waits for a stroked font.
  SetTextStyle(DefaultFont, HorizDir, 2);
  SetUserCharSize(1, 1, 1, 1);
  EXPECT_EQ(CurrentTextInfo.CharSize, 2);
  SetTextStyle(kSimp, HorizDir, UserCharSize);
  EXPECT_EQ(TextWidth("HH"), 44);
}

TEST_F(StrokedFaces, OutTextWritesAtTheCurrentPositionAndMovesPastHorizontalText) {
  for (const std::int16_t font : {std::int16_t{DefaultFont}, kSimp}) {
    SetTextStyle(static_cast<std::uint16_t>(font), HorizDir, 2);
    SetTextJustify(LeftText, TopText);
    CurrentX = 100;
    CurrentY = 50;
    OutText("Hi");
    EXPECT_EQ(CurrentX, 100 + TextWidth("Hi")) << font;
    EXPECT_EQ(CurrentY, 50);
  }

  // Each piece continues where the last one ended: the second "H" is the
  // first moved on by its width.
  ink_ = Ink{};
  CurrentX = 100;
  OutText("H");
  const int firstLeft = ink_.Left;
  ink_ = Ink{};
  OutText("H");
  EXPECT_EQ(ink_.Left, firstLeft + TextWidth("H"));
  EXPECT_EQ(CurrentX, 100 + 2 * TextWidth("H"));

  // Vertical or centred text leaves the position where it was.
  CurrentX = 100;
  SetTextStyle(kSimp, VertDir, 2);
  OutText("Hi");
  EXPECT_EQ(CurrentX, 100);
  SetTextStyle(kSimp, HorizDir, 2);
  SetTextJustify(CenterText, TopText);
  OutText("Hi");
  EXPECT_EQ(CurrentX, 100);

  // The position stops at the largest coordinate.
  SetTextJustify(LeftText, TopText);
  CurrentX = 32700;
  OutText("Hello");
  EXPECT_EQ(CurrentX, 32767);
}

TEST_F(StrokedFaces, EachInstallationOfABuiltInNameHasItsOwnFace) {
  const std::int16_t again = InstallUserFont("GOTH");
  ASSERT_EQ(again, 11);
  EXPECT_NE(Fonts[11].Data, nullptr);
  EXPECT_NE(Fonts[11].Data, Fonts[kGoth].Data);
  EXPECT_EQ(Fonts[11].DataSize, Fonts[kGoth].DataSize);
  EXPECT_TRUE(std::equal(Fonts[11].Data, Fonts[11].Data + Fonts[11].DataSize, Fonts[kGoth].Data));
  EXPECT_EQ(Fonts[InstallUserFont("goth")].Data, nullptr);  // names are matched exactly
}

}  // namespace
}  // namespace graph
