// Circles, arcs, an ellipse outline and filled ellipses with each of the 13
// fill patterns, all through the InternalEllipse and Circle slots.
#include "gallery.h"

namespace gallery {

namespace {

constexpr std::uint16_t kWholeTurn = 360;

void Arc(std::int16_t x, std::int16_t y, std::uint16_t start, std::uint16_t end, std::uint16_t radius,
         std::uint16_t color) {
  graph::CurrentColor = color;
  graph::InternalEllipse(x, y, radius, radius, start, end, &graph::DummyPatternLine);
}

}  // namespace

void DrawShapes() {
  Label(8, 212, "Circles, arcs and filled ellipses with the 13 fill patterns", 14);

  for (int i = 0; i < 4; ++i) {
    graph::CurrentColor = static_cast<std::uint16_t>(9 + i);
    graph::Circle(48, 264, static_cast<std::uint16_t>(8 + 9 * i));
  }
  Label(48, 302, "Circle", 7, 1);

  graph::CurrentColor = 13;
  graph::SetLineStyle(graph::SolidLn, 0, graph::ThickWidth);
  graph::Circle(140, 264, 30);
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  Label(140, 302, "Thick", 7, 1);

  Arc(232, 264, 0, 90, 30, 14);
  Arc(232, 264, 120, 240, 30, 10);
  Arc(232, 264, 270, 330, 20, 12);
  Label(232, 302, "Arcs", 7, 1);

  graph::CurrentColor = 11;
  graph::InternalEllipse(350, 264, 60, 24, 0, kWholeTurn, &graph::DummyPatternLine);
  Label(350, 302, "Ellipse", 7, 1);

  // Filled circles, largest first, in solid fill.
  for (int i = 0; i < 3; ++i) {
    graph::CurrentColor = 15;
    graph::FillSettings = {1, static_cast<std::uint16_t>(4 - i)};
    const auto radius = static_cast<std::uint16_t>(32 - 10 * i);
    graph::InternalEllipse(470, 264, radius, radius, 0, kWholeTurn, &graph::PatternLineDefault);
  }
  Label(470, 302, "Filled", 7, 1);

  // Thick arcs.
  graph::SetLineStyle(graph::SolidLn, 0, graph::ThickWidth);
  Arc(580, 264, 30, 150, 30, 9);
  Arc(580, 264, 210, 330, 30, 12);
  graph::SetLineStyle(graph::SolidLn, 0, graph::NormWidth);
  Label(580, 302, "Thick arcs", 7, 1);

  // The user pattern: a small checker of 2 x 2 squares.
  graph::FillPatternTable[12] = {0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33};
  for (int pattern = 0; pattern < 13; ++pattern) {
    const auto x = static_cast<std::int16_t>(38 + 60 * pattern);
    graph::CurrentColor = 15;
    graph::FillSettings = {static_cast<std::uint16_t>(pattern), static_cast<std::uint16_t>(1 + pattern % 14)};
    graph::InternalEllipse(x, 346, 26, 20, 0, kWholeTurn, &graph::PatternLineDefault);
    Label(x, 372, Number(pattern), 7, 1);
  }
  graph::FillSettings = {1, graph::GetMaxColor()};
  graph::CurrentColor = 15;
}

}  // namespace gallery
