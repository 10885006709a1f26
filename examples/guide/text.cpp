// Text and fonts: the bitmap font in three sizes, the ten stroked faces,
// text centred on a point, vertical text, text stretched with
// SetUserCharSize, and OutText carrying on from the current position.
#include "graphics/graph.h"
#include "graphics/text.h"
#include "picture_window.h"

namespace {

void Draw() {
  graph::SetColor(graph::White);
  const int tops[] = {8, 24, 48};
  for (int size = 1; size <= 3; ++size) {
    graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, size);
    graph::OutTextXY(16, tops[size - 1], "DefaultFont");
  }

  const char* names[] = {"TriplexFont", "SmallFont",         "SansSerifFont", "GothicFont",   "ScriptFont",
                         "SimplexFont", "TriplexScriptFont", "ComplexFont",   "EuropeanFont", "BoldFont"};
  graph::SetColor(graph::Yellow);
  graph::SetUserCharSize(1, 1, 1, 1);  // one pixel per font unit, between sizes 1 and 2
  for (int font = graph::TriplexFont; font <= graph::BoldFont; ++font) {
    graph::SetTextStyle(font, graph::HorizDir, graph::UserCharSize);
    graph::OutTextXY(16 + 300 * ((font - 1) / 5), 80 + 40 * ((font - 1) % 5), names[font - 1]);
  }

  graph::SetColor(graph::LightGreen);
  graph::SetTextStyle(graph::TriplexFont, graph::HorizDir, 2);
  graph::SetTextJustify(graph::CenterText, graph::CenterText);
  graph::OutTextXY(120, 320, "Centred");
  graph::SetTextJustify(graph::LeftText, graph::TopText);
  graph::SetColor(graph::LightRed);
  graph::Line(110, 320, 130, 320);
  graph::Line(120, 310, 120, 330);

  graph::SetColor(graph::LightMagenta);
  graph::SetTextStyle(graph::SimplexFont, graph::HorizDir, graph::UserCharSize);
  graph::SetUserCharSize(2, 1, 1, 1);  // twice as wide as it is high
  graph::OutTextXY(250, 290, "Wide");

  graph::SetColor(graph::LightCyan);
  graph::SetTextStyle(graph::SansSerifFont, graph::VertDir, 2);
  graph::OutTextXY(560, 290, "Upwards");

  graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, 1);
  graph::MoveTo(16, 440);
  graph::SetColor(graph::White);
  graph::OutText("OutText ");
  graph::SetColor(graph::Yellow);
  graph::OutText("moves on ");
  graph::SetColor(graph::LightCyan);
  graph::OutText("from the current position");
}

}  // namespace

int main() { guide::ShowPicture(640, 480, &Draw); }
