// Circles, arcs, an ellipse outline and filled ellipses with each of the 13
// fill patterns.
#include "gallery.h"

namespace gallery {

namespace {

void ColouredArc(std::int16_t x, std::int16_t y, std::uint16_t start, std::uint16_t end, std::uint16_t radius,
                 std::uint16_t color) {
  graph::SetColor(color);
  graph::Arc(x, y, start, end, radius);
}

}  // namespace

void DrawShapes() {
  Label(8, 212, "Circles, arcs and filled ellipses with the 13 fill patterns", graph::Yellow);

  for (int i = 0; i < 4; ++i) {
    graph::SetColor(static_cast<std::uint16_t>(graph::LightBlue + i));
    graph::Circle(48, 264, static_cast<std::uint16_t>(8 + 9 * i));
  }
  Label(48, 302, "Circle", graph::LightGray, graph::CenterText);

  graph::SetColor(graph::LightMagenta);
  graph::SetLineStyle(graph::SolidLn, 0, graph::ThickWidth);
  graph::Circle(140, 264, 30);
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  Label(140, 302, "Thick", graph::LightGray, graph::CenterText);

  ColouredArc(232, 264, 0, 90, 30, graph::Yellow);
  ColouredArc(232, 264, 120, 240, 30, graph::LightGreen);
  ColouredArc(232, 264, 270, 330, 20, graph::LightRed);
  Label(232, 302, "Arcs", graph::LightGray, graph::CenterText);

  graph::SetColor(graph::LightCyan);
  graph::Ellipse(350, 264, 0, 360, 60, 24);
  Label(350, 302, "Ellipse", graph::LightGray, graph::CenterText);

  // Filled circles, largest first, in solid fill.
  graph::SetColor(graph::White);
  for (int i = 0; i < 3; ++i) {
    graph::SetFillStyle(graph::SolidFill, static_cast<std::uint16_t>(graph::Red - i));
    const auto radius = static_cast<std::uint16_t>(32 - 10 * i);
    graph::FillEllipse(470, 264, radius, radius);
  }
  Label(470, 302, "Filled", graph::LightGray, graph::CenterText);

  graph::SetLineStyle(graph::SolidLn, 0, graph::ThickWidth);
  ColouredArc(580, 264, 30, 150, 30, graph::LightBlue);
  ColouredArc(580, 264, 210, 330, 30, graph::LightRed);
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  Label(580, 302, "Thick arcs", graph::LightGray, graph::CenterText);

  // The user pattern: a small checker of 2 x 2 squares.
  graph::SetFillPattern({0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33}, graph::White);
  graph::SetColor(graph::White);
  for (int pattern = graph::EmptyFill; pattern <= graph::UserFill; ++pattern) {
    const auto x = static_cast<std::int16_t>(38 + 60 * pattern);
    graph::SetFillStyle(static_cast<std::uint16_t>(pattern), static_cast<std::uint16_t>(1 + pattern % 14));
    graph::FillEllipse(x, 346, 26, 20);
    Label(x, 372, Number(pattern), graph::LightGray, graph::CenterText);
  }
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());
}

}  // namespace gallery
