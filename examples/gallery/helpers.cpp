#include <string>

#include "gallery.h"
#include "graphics/text.h"

namespace gallery {

void DrawTitle(const char* pageNote) {
  graph::SetColor(graph::White);
  graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, 2);
  graph::OutTextXY(8, 6, "Graphics library gallery");
  Label(792, 10, pageNote, graph::LightGray, graph::RightText);
  graph::Line(0, 26, graph::GetMaxX(), 26);
}

void Label(std::int16_t x, std::int16_t y, const graph::GraphString& text, std::uint16_t color,
           std::uint16_t horiz, std::uint16_t vert) {
  const std::uint16_t savedColor = graph::GetColor();
  graph::SetColor(color);
  graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, 1);
  graph::SetTextJustify(horiz, vert);
  graph::OutTextXY(x, y, text);
  graph::SetTextJustify(graph::LeftText, graph::TopText);
  graph::SetColor(savedColor);
}

void MarkAnchor(std::int16_t x, std::int16_t y) {
  constexpr std::uint16_t kAnchorColor = graph::LightRed;
  for (int d = -2; d <= 2; ++d) {
    graph::PutPixel(static_cast<std::int16_t>(x + d), y, kAnchorColor);
    graph::PutPixel(x, static_cast<std::int16_t>(y + d), kAnchorColor);
  }
}

graph::GraphString Number(int value) { return graph::GraphString(std::to_string(value)); }

}  // namespace gallery
