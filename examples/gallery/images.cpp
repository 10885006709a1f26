// An image drawn on the screen, read back with GetImage and put with each
// of the five write modes onto a striped background.
#include "gallery.h"
#include "graphics/image.h"

namespace gallery {

namespace {

constexpr std::int16_t kSide = 32;

// The source: a framed, four-coloured square with a diagonal.
void DrawSource(std::int16_t x, std::int16_t y) {
  const auto half = static_cast<std::int16_t>(kSide / 2);
  const auto middle = static_cast<std::int16_t>(x + half);
  const auto right = static_cast<std::int16_t>(x + kSide - 1);
  const auto centre = static_cast<std::int16_t>(y + half);
  const auto bottom = static_cast<std::int16_t>(y + kSide - 1);
  graph::SetFillStyle(graph::SolidFill, graph::Red);
  graph::Bar(x, y, static_cast<std::int16_t>(middle - 1), static_cast<std::int16_t>(centre - 1));
  graph::SetFillStyle(graph::SolidFill, graph::Green);
  graph::Bar(middle, y, right, static_cast<std::int16_t>(centre - 1));
  graph::SetFillStyle(graph::SolidFill, graph::Blue);
  graph::Bar(x, centre, static_cast<std::int16_t>(middle - 1), bottom);
  graph::SetFillStyle(graph::SolidFill, graph::Yellow);
  graph::Bar(middle, centre, right, bottom);
  graph::SetColor(graph::White);
  graph::Rectangle(x, y, right, bottom);
  graph::Line(x, y, right, bottom);
}

// Vertical stripes of two colours behind each put.
void DrawStripes(std::int16_t x, std::int16_t y, std::int16_t side) {
  const auto bottom = static_cast<std::int16_t>(y + side - 1);
  for (std::int16_t column = 0; column < side; column = static_cast<std::int16_t>(column + 4)) {
    graph::SetFillStyle(graph::SolidFill, graph::LightBlue);
    graph::Bar(static_cast<std::int16_t>(x + column), y, static_cast<std::int16_t>(x + column + 1), bottom);
    graph::SetFillStyle(graph::SolidFill, graph::Brown);
    graph::Bar(static_cast<std::int16_t>(x + column + 2), y, static_cast<std::int16_t>(x + column + 3), bottom);
  }
}

}  // namespace

void DrawImages() {
  Label(8, 402, "Images put back with each write mode", graph::Yellow);
  DrawSource(16, 424);
  Label(32, 466, "GetImage", graph::LightGray, graph::CenterText);
  const std::optional<graph::Image> image = graph::Image::Capture(16, 424, 16 + kSide - 1, 424 + kSide - 1);
  if (!image) return;

  constexpr const char* kModeNames[] = {"CopyPut", "XORPut", "OrPut", "AndPut", "NotPut"};
  for (std::uint16_t mode = graph::CopyPut; mode <= graph::NotPut; ++mode) {
    const auto x = static_cast<std::int16_t>(80 + 64 * mode);
    DrawStripes(x, 420, 40);
    image->Put(static_cast<std::int16_t>(x + 4), 424, mode);
    Label(static_cast<std::int16_t>(x + 20), 466, kModeNames[mode], graph::LightGray, graph::CenterText);
  }
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());
}

}  // namespace gallery
