// The second page's middle row: a diamond drawn in each write mode over
// bands of colour, and the sixteen colour numbers drawn with the default
// palette and with it reversed, beside what the library says about its mode.
#include <string>

#include "gallery.h"

namespace gallery {

void DrawWriteModes() {
  Label(8, 294, "SetWriteMode over bands of colour", graph::Yellow);
  constexpr std::uint16_t kBands[] = {graph::Blue, graph::Green, graph::Red, graph::White};
  for (int band = 0; band < 4; ++band) {
    graph::SetFillStyle(graph::SolidFill, kBands[band]);
    const auto top = static_cast<std::int16_t>(310 + 22 * band);
    graph::Bar(8, top, 387, static_cast<std::int16_t>(top + 21));
  }
  constexpr const char* kModeNames[] = {"CopyPut", "XORPut", "OrPut", "AndPut", "NotPut"};
  graph::SetFillStyle(graph::SolidFill, graph::LightCyan);
  graph::SetColor(graph::Yellow);
  for (std::uint16_t mode = graph::CopyPut; mode <= graph::NotPut; ++mode) {
    const auto x = static_cast<std::int16_t>(46 + 76 * mode);
    const graph::PointType diamond[] = {{x, 314}, {static_cast<std::int16_t>(x + 32), 354},
                                        {x, 394}, {static_cast<std::int16_t>(x - 32), 354}};
    graph::SetWriteMode(mode);
    graph::FillPoly(4, diamond);
    graph::SetWriteMode(graph::CopyPut);
    Label(x, 404, kModeNames[mode], graph::LightGray, graph::CenterText);
  }
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());
  graph::SetColor(graph::White);
}

void DrawPalettes() {
  Label(408, 294, "The default palette, and SetAllPalette reversed", graph::Yellow);
  graph::PaletteType palette{};
  graph::GetDefaultPalette(palette);
  graph::PaletteType reversed = palette;
  reversed.Size = 16;
  for (int entry = 0; entry < 16; ++entry) reversed.Colors[static_cast<std::size_t>(entry)] = palette.Colors[static_cast<std::size_t>(15 - entry)];

  for (int row = 0; row < 2; ++row) {
    if (row == 1) graph::SetAllPalette(reversed);
    for (int entry = 0; entry < 16; ++entry) {
      const auto left = static_cast<std::int16_t>(408 + 24 * entry);
      const auto top = static_cast<std::int16_t>(310 + 20 * row);
      graph::SetFillStyle(graph::SolidFill, static_cast<std::uint16_t>(entry));
      graph::Bar(left, top, static_cast<std::int16_t>(left + 21), static_cast<std::int16_t>(top + 15));
    }
  }
  graph::SetAllPalette(palette);
  graph::SetFillStyle(graph::SolidFill, graph::GetMaxColor());

  const auto line = [](std::int16_t y, const std::string& text) { Label(408, y, graph::GraphString(text), graph::LightGray); };
  line(356, "GetDriverName: " + std::string(graph::GetDriverName().view()) +
                ", GetGraphMode: " + std::to_string(graph::GetGraphMode()));
  line(368, "GetMaxX, GetMaxY: " + std::to_string(graph::GetMaxX()) + ", " + std::to_string(graph::GetMaxY()));
  line(380, "GetPaletteSize: " + std::to_string(graph::GetPaletteSize()) +
                ", GetMaxMode: " + std::to_string(graph::GetMaxMode()));
  line(392, "GraphErrorMsg(grInvalidMode):");
  line(404, "  " + std::string(graph::GraphErrorMsg(graph::grInvalidMode).view()));
}

}  // namespace gallery
