#include "shapes/figure.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphics/graph.h"

namespace graph {

namespace {

struct FigurePixel {
  std::int16_t X;  // absolute
  std::int16_t Y;
  std::uint16_t Color;
};

// The figure being recorded; null while none is.
std::vector<FigurePixel>* recording = nullptr;

// Stands in the DirectPutPixel slot while a figure is recorded. Points off
// the screen are dropped here, as the screen would drop them.
void RecordPixel(std::int16_t x, std::int16_t y) {
  if (x < 0 || y < 0 || x > MaxX || y > MaxY) return;
  recording->push_back(FigurePixel{x, y, CurrentColor});
}

// Puts the recorded pixels on the screen in the XOR mode, the last colour
// recorded at a point being the one it would show in the copy mode. Pixels
// next to each other on a row in one colour go as one run.
void CombineOnce(std::vector<FigurePixel>& pixels) {
  std::stable_sort(pixels.begin(), pixels.end(), [](const FigurePixel& a, const FigurePixel& b) {
    return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
  });
  std::vector<FigurePixel> last;
  last.reserve(pixels.size());
  for (const FigurePixel& pixel : pixels) {
    if (!last.empty() && last.back().X == pixel.X && last.back().Y == pixel.Y) {
      last.back() = pixel;
    } else {
      last.push_back(pixel);
    }
  }
  const std::uint16_t savedColor = CurrentColor;
  for (std::size_t first = 0; first < last.size();) {
    std::size_t end = first + 1;
    while (end < last.size() && last[end].Y == last[first].Y &&
           last[end].X == last[end - 1].X + 1 && last[end].Color == last[first].Color) {
      ++end;
    }
    CurrentColor = last[first].Color;
    HLine(static_cast<std::int16_t>(last[first].X - StartXViewPort),
          static_cast<std::int16_t>(last[end - 1].X - StartXViewPort),
          static_cast<std::int16_t>(last[first].Y - StartYViewPort));
    first = end;
  }
  CurrentColor = savedColor;
}

}  // namespace

void DrawFigure(const std::function<void()>& draw) {
  // A figure inside a figure (the rectangle of a bar) is part of the outer
  // recording.
  if (CurrentWriteMode != XORPut || recording != nullptr) {
    draw();
    return;
  }
  std::vector<FigurePixel> pixels;
  const HooksTable saved = Hooks;
  // Every run and span reaches DirectPutPixel through the library's own
  // routines, which clip as the driver's do.
  Hooks.DirectPutPixel = &RecordPixel;
  Hooks.HLine = &HLineDefault;
  Hooks.VLine = &VLineDefault;
  Hooks.PatternLine = &PatternLineDefault;
  recording = &pixels;
  draw();
  recording = nullptr;
  Hooks = saved;
  CombineOnce(pixels);
}

}  // namespace graph
