#include <string>

#include "gallery.h"
#include "graphics/text.h"

namespace gallery {

void Label(std::int16_t x, std::int16_t y, const graph::GraphString& text, std::uint16_t color,
           std::uint16_t horiz, std::uint16_t vert) {
  const std::uint16_t savedColor = graph::CurrentColor;
  graph::CurrentColor = color;
  graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, 1);
  graph::SetTextJustify(horiz, vert);
  graph::OutTextXY(x, y, text);
  graph::SetTextJustify(graph::LeftText, graph::TopText);
  graph::CurrentColor = savedColor;
}

void FillBox(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::uint16_t color) {
  const std::uint16_t savedColor = graph::CurrentColor;
  graph::CurrentColor = color;
  for (std::int32_t y = y1; y <= y2; ++y) graph::HLine(x1, x2, static_cast<std::int16_t>(y));
  graph::CurrentColor = savedColor;
}

void FrameBox(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2, std::uint16_t color) {
  const std::uint16_t savedColor = graph::CurrentColor;
  graph::CurrentColor = color;
  graph::Line(x1, y1, x2, y1);
  graph::Line(x2, y1, x2, y2);
  graph::Line(x2, y2, x1, y2);
  graph::Line(x1, y2, x1, y1);
  graph::CurrentColor = savedColor;
}

void MarkAnchor(std::int16_t x, std::int16_t y) {
  constexpr std::uint16_t kAnchorColor = 12;
  for (int d = -2; d <= 2; ++d) {
    graph::PutPixel(static_cast<std::int16_t>(x + d), y, kAnchorColor);
    graph::PutPixel(x, static_cast<std::int16_t>(y + d), kAnchorColor);
  }
}

graph::GraphString Number(int value) { return graph::GraphString(std::to_string(value)); }

}  // namespace gallery
