// The first page's top rows: the default colours and the line styles.
#include "gallery.h"
#include "graphics/text.h"

namespace gallery {

void DrawColours() {
  Label(8, 34, "The 16 default colours", graph::Yellow);
  for (int color = 0; color < 16; ++color) {
    const auto left = static_cast<std::int16_t>(8 + 24 * color);
    graph::SetFillStyle(graph::SolidFill, static_cast<std::uint16_t>(color));
    graph::Bar(left, 46, static_cast<std::int16_t>(left + 21), 61);
    graph::SetColor(graph::DarkGray);
    graph::Rectangle(left, 46, static_cast<std::int16_t>(left + 21), 61);
    Label(static_cast<std::int16_t>(left + 11), 65, Number(color), graph::LightGray, graph::CenterText);
  }

  Label(8, 84, "The 256 default colours, 32 to a row", graph::Yellow);
  for (int color = 0; color < 256; ++color) {
    const auto left = static_cast<std::int16_t>(8 + 12 * (color % 32));
    const auto top = static_cast<std::int16_t>(96 + 12 * (color / 32));
    graph::SetFillStyle(graph::SolidFill, static_cast<std::uint16_t>(color));
    graph::Bar(left, top, static_cast<std::int16_t>(left + 10), static_cast<std::int16_t>(top + 10));
  }
  graph::SetColor(graph::White);
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());
}

void DrawLineStyles() {
  struct Style {
    std::uint16_t Number;
    const char* Name;
  };
  constexpr Style kStyles[] = {{graph::SolidLn, "SolidLn"},
                               {graph::DottedLn, "DottedLn"},
                               {graph::CenterLn, "CenterLn"},
                               {graph::DashedLn, "DashedLn"},
                               {graph::UserBitLn, "UserBitLn"}};
  constexpr std::uint16_t kUserPattern = 0xE4E4;

  Label(408, 34, "Line styles and thicknesses", graph::Yellow);
  Label(560, 48, "NormWidth", graph::LightGray, graph::CenterText);
  Label(720, 48, "ThickWidth", graph::LightGray, graph::CenterText);
  graph::SetColor(graph::LightCyan);
  for (int i = 0; i < 5; ++i) {
    const auto y = static_cast<std::int16_t>(70 + 24 * i);
    Label(408, static_cast<std::int16_t>(y - 3), kStyles[i].Name, graph::White);
    graph::SetLineStyle(kStyles[i].Number, kUserPattern, graph::NormWidth);
    graph::Line(490, y, 630, y);
    graph::SetLineStyle(kStyles[i].Number, kUserPattern, graph::ThickWidth);
    graph::Line(650, y, 790, y);
  }
  // A fan of slanted lines, thin and thick.
  for (int i = 0; i < 9; ++i) {
    graph::SetLineStyle(graph::SolidLn, 0, i % 2 == 0 ? graph::NormWidth : graph::ThickWidth);
    graph::SetColor(static_cast<std::uint16_t>(graph::Blue + i));
    graph::Line(408, 196, static_cast<std::int16_t>(490 + 37 * i), 180);
  }
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  graph::SetColor(graph::White);
}

}  // namespace gallery
