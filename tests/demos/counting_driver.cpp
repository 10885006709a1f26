#include "counting_driver.h"

#include <algorithm>

#include "graphics/graph.h"

namespace demos::testing {

namespace {

constexpr std::int16_t kCountingDriver = 1;
constexpr std::int16_t kCountingMode = 0;

CountingDisplay display;

// The pictures' drawing never asks for anything but PutPixel and clearing;
// the other required routines only have to exist.
void CountingDirectPutPixel(std::int16_t, std::int16_t) {}
void CountingPutPixel(std::int16_t x, std::int16_t y, std::uint16_t color) {
  display.Calls.push_back(PixelCall{x, y, color});
}
std::uint16_t CountingGetPixel(std::int16_t, std::int16_t) { return 0; }
void CountingSetRGBPalette(std::int16_t, std::int16_t, std::int16_t, std::int16_t) {}
void CountingGetRGBPalette(std::int16_t, std::int16_t& red, std::int16_t& green,
                           std::int16_t& blue) {
  red = green = blue = 0;
}
void CountingClearViewport() { display.Clears.push_back(display.Calls.size()); }
void CountingInit() {}

}  // namespace

CountingDisplay& Counting() { return display; }

void EnterCountingMode(std::int32_t width, std::int32_t height) {
  graph::FreeModeRegistry();
  graph::SaveVideoState = &graph::SaveState;
  graph::RestoreVideoState = &graph::RestoreState;
  display = CountingDisplay{width, height, {}, {}};

  graph::TModeInfo mode;
  graph::InitMode(mode);
  mode.Driver = kCountingDriver;
  mode.Mode = kCountingMode;
  mode.Name = graph::ModeName("Counting");
  mode.MaxColor = 256;
  mode.PaletteSize = 256;
  mode.XAspect = 10000;
  mode.YAspect = 10000;
  mode.MaxX = static_cast<std::uint16_t>(width - 1);
  mode.MaxY = static_cast<std::uint16_t>(height - 1);
  mode.DirectPutPixel = &CountingDirectPutPixel;
  mode.PutPixel = &CountingPutPixel;
  mode.GetPixel = &CountingGetPixel;
  mode.SetRGBPalette = &CountingSetRGBPalette;
  mode.GetRGBPalette = &CountingGetRGBPalette;
  mode.ClearViewport = &CountingClearViewport;
  mode.InitRoutine = &CountingInit;
  graph::AddMode(mode);

  std::int16_t driver = kCountingDriver;
  std::int16_t modeNumber = kCountingMode;
  graph::InitGraph(driver, modeNumber, graph::GraphString());
}

std::vector<std::uint16_t> PictureOf(std::size_t first, std::size_t last) {
  std::vector<std::uint16_t> picture(static_cast<std::size_t>(display.Width * display.Height), 0);
  for (std::size_t i = first; i < last; ++i) {
    const PixelCall& call = display.Calls[i];
    if (call.X < 0 || call.Y < 0 || call.X >= display.Width || call.Y >= display.Height) continue;
    picture[static_cast<std::size_t>(call.Y * display.Width + call.X)] = call.Color;
  }
  return picture;
}

std::size_t CountColor(std::size_t first, std::size_t last, std::uint16_t color) {
  return static_cast<std::size_t>(
      std::count_if(display.Calls.begin() + static_cast<std::ptrdiff_t>(first),
                    display.Calls.begin() + static_cast<std::ptrdiff_t>(last),
                    [color](const PixelCall& call) { return call.Color == color; }));
}

}  // namespace demos::testing
