// Write modes: the same bar, frame and diagonal drawn over stripes in each
// of the five modes, and in XORPut twice, which leaves the stripes as they were.
#include "graphics/graph.h"
#include "graphics/text.h"
#include "picture_window.h"

namespace {

void Stripes(int left, int top) {
  for (int x = left; x < left + 112; x += 16) {
    graph::SetFillStyle(graph::SolidFill, graph::Cyan);
    graph::Bar(x, top, x + 7, top + 111);
    graph::SetFillStyle(graph::SolidFill, graph::Brown);
    graph::Bar(x + 8, top, x + 15, top + 111);
  }
}

void Figure(int left, int top) {
  graph::SetFillStyle(graph::SolidFill, graph::LightRed);
  graph::Bar(left + 16, top + 16, left + 95, top + 95);
  graph::SetColor(graph::White);
  graph::Rectangle(left + 8, top + 8, left + 103, top + 103);
  graph::Line(left + 8, top + 103, left + 103, top + 8);
}

void Draw() {
  const char* names[] = {"CopyPut", "XORPut", "OrPut", "AndPut", "NotPut"};
  for (int mode = graph::CopyPut; mode <= graph::NotPut; ++mode) {
    const int left = 16 + 124 * mode;
    Stripes(left, 40);
    graph::SetWriteMode(mode);
    Figure(left, 40);
    graph::SetWriteMode(graph::CopyPut);
    graph::SetColor(graph::White);
    graph::SetTextJustify(graph::CenterText, graph::TopText);
    graph::OutTextXY(left + 56, 160, names[mode]);
  }
  graph::SetTextJustify(graph::LeftText, graph::TopText);
  Stripes(16, 220);
  graph::SetWriteMode(graph::XORPut);
  Figure(16, 220);
  Figure(16, 220);  // the second time takes the first away
  graph::SetWriteMode(graph::CopyPut);
  graph::SetColor(graph::White);
  graph::OutTextXY(152, 260, "XORPut twice: the stripes come back unchanged");
}

}  // namespace

int main() { guide::ShowPicture(640, 400, &Draw); }
