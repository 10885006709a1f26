// Palettes as default colour numbers: the palette's size, the default
// palette, reading the palette back and giving entries default colours.
// Entries are read and set through the palette slots of the hooks table,
// so outside graphics mode these stop the program as any palette access
// does.
#include <algorithm>

#include "graphics/graph.h"

namespace graph {

namespace {

constexpr std::int16_t kNoDefaultColor = -1;

[[nodiscard]] bool IsDefaultColor(std::int16_t color) {
  return color >= 0 && color < static_cast<std::int16_t>(DefaultColors.size());
}

// The number of palette entries that a PaletteType can describe.
[[nodiscard]] std::uint16_t Entries() {
  return static_cast<std::uint16_t>(std::clamp<std::int32_t>(PaletteSize, 0, MaxPaletteEntries));
}

void SetEntry(std::uint16_t entry, std::int16_t color) {
  const RGBRec& rgb = DefaultColors[static_cast<std::size_t>(color)];
  SetRGBPalette(static_cast<std::int16_t>(entry), rgb.Red, rgb.Green, rgb.Blue);
}

// The lowest default colour number with exactly these components.
std::int16_t DefaultColorOf(const RGBRec& rgb) {
  const auto found =
      std::find_if(DefaultColors.begin(), DefaultColors.end(), [&rgb](const RGBRec& c) {
        return c.Red == rgb.Red && c.Green == rgb.Green && c.Blue == rgb.Blue;
      });
  return found == DefaultColors.end() ? kNoDefaultColor
                                      : static_cast<std::int16_t>(found - DefaultColors.begin());
}

}  // namespace

std::int16_t GetPaletteSize() { return static_cast<std::int16_t>(Entries()); }

void GetDefaultPalette(PaletteType& palette) {
  palette.Size = Entries();
  palette.Colors.fill(kNoDefaultColor);
  for (std::uint16_t i = 0; i < palette.Size; ++i) palette.Colors[i] = static_cast<std::int16_t>(i);
}

// An entry whose colour is none of the default colours (set with
// SetRGBPalette) reads as -1; one whose colour several default colours
// share reads as the lowest of them.
void GetPalette(PaletteType& palette) {
  palette.Size = Entries();
  palette.Colors.fill(kNoDefaultColor);
  for (std::uint16_t i = 0; i < palette.Size; ++i) {
    RGBRec rgb{};
    GetRGBPalette(static_cast<std::int16_t>(i), rgb.Red, rgb.Green, rgb.Blue);
    palette.Colors[i] = DefaultColorOf(rgb);
  }
}

void SetPalette(std::uint16_t colorNum, std::int16_t color) {
  if (colorNum >= Entries() || !IsDefaultColor(color)) {
    GraphResult = grError;
    return;
  }
  SetEntry(colorNum, color);
}

// Checked whole before anything changes: a size beyond the palette, or an
// entry that is neither -1 nor a default colour, sets -11 and changes
// nothing.
void SetAllPalette(const PaletteType& palette) {
  const auto used =
      palette.Colors.begin() + std::min<std::size_t>(palette.Size, palette.Colors.size());
  const bool valid = std::all_of(palette.Colors.begin(), used, [](std::int16_t color) {
    return color == kNoDefaultColor || IsDefaultColor(color);
  });
  if (palette.Size > Entries() || !valid) {
    GraphResult = grError;
    return;
  }
  for (std::uint16_t i = 0; i < palette.Size; ++i) {
    if (palette.Colors[i] != kNoDefaultColor) SetEntry(i, palette.Colors[i]);
  }
}

}  // namespace graph
