// Text: every justification in both directions around marked anchors,
// several character sizes, the background left visible between the
// strokes, and all 256 characters of the built-in font.
#include "gallery.h"
#include "graphics/text.h"

namespace gallery {

namespace {

void Say(std::int16_t x, std::int16_t y, const graph::GraphString& text, std::uint16_t direction,
         std::uint16_t size, std::uint16_t horiz, std::uint16_t vert, std::uint16_t color) {
  graph::SetColor(color);
  graph::SetTextStyle(graph::DefaultFont, direction, size);
  graph::SetTextJustify(horiz, vert);
  graph::OutTextXY(x, y, text);
  MarkAnchor(x, y);
}

}  // namespace

void DrawText() {
  Label(408, 402, "Text: justification, direction, size", graph::Yellow);

  // Horizontal text: left, centre and right on one anchor line, then
  // bottom, centre and top on another.
  Say(420, 426, "Left", graph::HorizDir, 1, graph::LeftText, graph::TopText, graph::White);
  Say(520, 426, "Centre", graph::HorizDir, 1, graph::CenterText, graph::TopText, graph::White);
  Say(620, 426, "Right", graph::HorizDir, 1, graph::RightText, graph::TopText, graph::White);
  Say(420, 454, "Bottom", graph::HorizDir, 1, graph::LeftText, graph::BottomText, graph::LightGreen);
  Say(520, 454, "Centre", graph::HorizDir, 1, graph::LeftText, graph::CenterText, graph::LightGreen);
  Say(620, 454, "Top", graph::HorizDir, 1, graph::LeftText, graph::TopText, graph::LightGreen);

  // Vertical text, bottom to top, with its three justifications.
  Say(680, 500, "Up left", graph::VertDir, 1, graph::LeftText, graph::BottomText, graph::LightCyan);
  Say(720, 470, "Up centre", graph::VertDir, 1, graph::CenterText, graph::CenterText, graph::LightCyan);
  Say(760, 430, "Up right", graph::VertDir, 1, graph::RightText, graph::TopText, graph::LightCyan);

  // Sizes, over a patterned background that shows between the letters.
  graph::SetFillStyle(graph::SolidFill, graph::DarkGray);
  for (std::int16_t x = 420; x < 660; x = static_cast<std::int16_t>(x + 8)) {
    graph::Bar(x, 474, static_cast<std::int16_t>(x + 3), 520);
  }
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());
  Say(420, 474, "Size 1", graph::HorizDir, 1, graph::LeftText, graph::TopText, graph::Yellow);
  Say(480, 474, "Size 2", graph::HorizDir, 2, graph::LeftText, graph::TopText, graph::LightMagenta);
  Say(420, 492, "Size 3", graph::HorizDir, 3, graph::LeftText, graph::TopText, graph::LightRed);
  graph::SetTextStyle(graph::DefaultFont, graph::HorizDir, 1);
  graph::SetTextJustify(graph::LeftText, graph::TopText);

  // The whole font, 32 characters to a row.
  Label(8, 490, "The 256 characters of the built-in font", graph::Yellow);
  graph::SetColor(graph::White);
  for (int code = 0; code < 256; ++code) {
    const char ch = static_cast<char>(code);
    graph::OutTextXY(static_cast<std::int16_t>(8 + 10 * (code % 32)), static_cast<std::int16_t>(506 + 11 * (code / 32)),
                     graph::GraphString(std::string_view(&ch, 1)));
  }
}

}  // namespace gallery
