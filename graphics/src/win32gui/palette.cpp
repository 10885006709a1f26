// The palette of the graph window: colour values of indexes, the palette
// routines of the hooks table and the nearest-colour lookup.
#include <algorithm>
#include <cstdlib>

#include "win32gui/win32gui.h"
#include "win32gui/win32gui_state.h"

namespace graph {

namespace {

constexpr int kMaxPaletteSize = 256;

// The colour value of a palette entry: the low 8 bits of each component.
win32::COLORREF ColorValueOf(const RGBRec& entry) {
  return win32::RGB(static_cast<win32::BYTE>(entry.Red & 0xFF),
                    static_cast<win32::BYTE>(entry.Green & 0xFF),
                    static_cast<win32::BYTE>(entry.Blue & 0xFF));
}

// Whether `color` names an entry that the palette routines may use; both the
// mode's colour count and the open palette's size bound it (a later mode set
// may raise MaxColor while the window, and its palette, stay as they are).
bool PaletteIndexValid(std::int16_t color) {
  return !DirectColor && color >= 0 && color < MaxColor && Pal != nullptr && color < Pal->Size;
}

}  // namespace

std::unique_ptr<TPalette> CreateDefaultPalette(std::int32_t colors) {
  auto palette = std::make_unique<TPalette>();
  palette->Size = std::clamp(colors, 1, kMaxPaletteSize);
  palette->Entries = {};
  std::copy_n(DefaultColors.begin(), palette->Size, palette->Entries.begin());
  std::transform(palette->Entries.begin(), palette->Entries.end(), palette->Values.begin(), ColorValueOf);
  return palette;
}

void SetRGBPaletteWin32GUI(std::int16_t color, std::int16_t red, std::int16_t green,
                           std::int16_t blue) {
  const auto drawing = DrawOnTheWindow();
  if (!drawing || !PaletteIndexValid(color)) {
    GraphResult = grError;
    return;
  }
  // Stored exactly as passed; only the colour value takes the low 8 bits.
  const auto entry = static_cast<std::size_t>(color);
  Pal->Entries[entry] = RGBRec{red, green, blue};
  Pal->Values[entry] = ColorValueOf(Pal->Entries[entry]);
}

void GetRGBPaletteWin32GUI(std::int16_t color, std::int16_t& red, std::int16_t& green,
                           std::int16_t& blue) {
  const auto drawing = DrawOnTheWindow();
  if (!drawing || !PaletteIndexValid(color)) {
    GraphResult = grError;
    return;
  }
  const RGBRec& entry = Pal->Entries[static_cast<std::size_t>(color)];
  red = entry.Red;
  green = entry.Green;
  blue = entry.Blue;
}

std::uint16_t GetPaletteEntry(std::uint16_t red, std::uint16_t green, std::uint16_t blue) {
  const auto drawing = DrawOnTheWindow();
  if (!drawing) return 0;
  std::int32_t bestDistance = 2147483647;
  std::uint16_t bestIndex = 0;
  for (std::int32_t i = 0; i < Pal->Size; ++i) {
    const RGBRec& entry = Pal->Entries[static_cast<std::size_t>(i)];
    const std::int32_t distance = std::abs(red - entry.Red) + std::abs(green - entry.Green) +
                                  std::abs(blue - entry.Blue);
    // Strictly nearer only: a colour shared by several entries gives the first.
    if (distance < bestDistance) {
      bestIndex = static_cast<std::uint16_t>(i);
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return bestIndex;
}

}  // namespace graph
