// Colours and palettes: the sixteen named colours, an entry given another
// default colour with SetPalette, and a ramp of entries set with SetRGBPalette.
#include <string>

#include "graphics/graph.h"
#include "picture_window.h"

namespace {

void Draw() {
  graph::SetColor(graph::White);
  graph::OutTextXY(16, 12, "The sixteen named colours");
  for (int colour = graph::Black; colour <= graph::White; ++colour) {
    const int x = 16 + 38 * colour;
    graph::SetFillStyle(graph::SolidFill, colour);
    graph::Bar(x, 30, x + 31, 60);
    graph::SetColor(graph::DarkGray);  // so that the black bar shows
    graph::Rectangle(x, 30, x + 31, 60);
    graph::SetColor(graph::LightGray);
    graph::OutTextXY(x + 8, 66, graph::GraphString(std::to_string(colour)));
  }

  graph::SetColor(graph::White);
  graph::OutTextXY(16, 100, "SetPalette(Blue, Yellow) between two discs");
  graph::SetFillStyle(graph::SolidFill, graph::Blue);
  graph::FillEllipse(120, 150, 40, 30);
  graph::SetPalette(graph::Blue, graph::Yellow);  // Blue now draws yellow
  graph::FillEllipse(300, 150, 40, 30);
  graph::SetPalette(graph::Blue, graph::Blue);
  graph::SetColor(graph::LightGray);
  graph::OutTextXY(72, 190, "Blue before");
  graph::OutTextXY(256, 190, "Blue after");
  graph::OutTextXY(400, 146, graph::GraphString("GetPixel reads " + std::to_string(graph::GetPixel(120, 150)) +
                                                " and " + std::to_string(graph::GetPixel(300, 150))));

  graph::SetColor(graph::White);
  graph::OutTextXY(16, 228, "Entries 16 to 255 set with SetRGBPalette");
  for (int entry = 16; entry <= 255; ++entry) {
    const int step = entry - 16;  // 0 .. 239
    graph::SetRGBPalette(entry, 255 - step, step / 2, step);
    graph::SetColor(entry);
    graph::Line(80 + 2 * step, 246, 80 + 2 * step, 300);
    graph::Line(81 + 2 * step, 246, 81 + 2 * step, 300);
  }
}

}  // namespace

int main() { guide::ShowPicture(640, 400, &Draw); }
