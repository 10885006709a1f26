// The second page's last row: the ten stroked faces, each writing its own
// name at one pixel per font unit, text stretched with SetUserCharSize, and
// vertical stroked text.
#include "gallery.h"

namespace gallery {

void DrawStrokedFonts() {
  Label(8, 424, "The ten stroked fonts, SetUserCharSize and vertical text", graph::Yellow);
  constexpr const char* kNames[] = {"TriplexFont", "SmallFont",         "SansSerifFont", "GothicFont",
                                    "ScriptFont",  "SimplexFont",       "TriplexScriptFont",
                                    "ComplexFont", "EuropeanFont",      "BoldFont"};
  constexpr std::int16_t kColumns[] = {8, 256, 500};  // four faces to a column
  graph::SetColor(graph::White);
  graph::SetUserCharSize(1, 1, 1, 1);
  for (std::uint16_t font = graph::TriplexFont; font <= graph::BoldFont; ++font) {
    const int cell = font - graph::TriplexFont;
    graph::SetTextStyle(font, graph::HorizDir, graph::UserCharSize);
    graph::OutTextXY(kColumns[cell / 4], static_cast<std::int16_t>(440 + 38 * (cell % 4)), kNames[cell]);
  }

  graph::SetColor(graph::LightCyan);
  graph::SetTextStyle(graph::SimplexFont, graph::HorizDir, graph::UserCharSize);
  graph::SetUserCharSize(2, 1, 2, 3);  // twice as wide, two thirds as high
  graph::OutTextXY(500, 516, "Wide");
  graph::SetTextStyle(graph::ComplexFont, graph::HorizDir, graph::UserCharSize);
  graph::SetUserCharSize(1, 2, 3, 2);  // half as wide, half as high again
  graph::OutTextXY(500, 548, "Narrow and tall");

  graph::SetColor(graph::LightGreen);
  graph::SetTextStyle(graph::SansSerifFont, graph::VertDir, 1);
  graph::OutTextXY(774, 440, "Upwards");
  graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, 1);
  graph::SetColor(graph::White);
}

}  // namespace gallery
